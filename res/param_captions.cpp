#include "res/param_captions.h"

#include "res/text.h"

namespace ff::res {

const std::string& CaptionFidCode() { return FF_GBK("FID编码"); }
const std::string& CaptionParamName() { return FF_GBK("参数名称"); }
const std::string& CaptionDataType() { return FF_GBK("参数数据类型"); }
const std::string& CaptionPrecision() { return FF_GBK("参数精度"); }
const std::string& CaptionDecimals() { return FF_GBK("小数点长度"); }
const std::string& CaptionRange() { return FF_GBK("取值范围"); }
const std::string& CaptionParamNote() { return FF_GBK("备注信息"); }
const std::string& CaptionTestDefault() { return FF_GBK("测试默认值"); }

}  // namespace ff::res
