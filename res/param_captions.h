// The column captions of a parameter record (the select lists of the
// parameter queries), GBK.
#pragma once

#include <string>

namespace ff::res {

const std::string& CaptionFidCode();    // "FID编码"
const std::string& CaptionParamName();  // "参数名称"
const std::string& CaptionDataType();   // "参数数据类型"
const std::string& CaptionPrecision();  // "参数精度"
const std::string& CaptionDecimals();   // "小数点长度"
// BLS parameters only.
const std::string& CaptionRange();        // "取值范围"
const std::string& CaptionParamNote();    // "备注信息"
const std::string& CaptionTestDefault();  // "测试默认值"

}  // namespace ff::res
