#include "res/param_captions.h"

#include "res/text.h"

namespace ff::res {

const std::string& CaptionFidCode() { return FF_GBK("FID编码"); }
const std::string& CaptionParamName() { return FF_GBK("参数名称"); }
const std::string& CaptionDataType() { return FF_GBK("参数数据类型"); }
const std::string& CaptionPrecision() { return FF_GBK("参数精度"); }
const std::string& CaptionDecimals() { return FF_GBK("小数点长度"); }

}  // namespace ff::res
