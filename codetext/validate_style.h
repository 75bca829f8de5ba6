// The request validation code a generated server function gets for its
// mandatory request parameters. The numbers are the style codes of the
// system's interface (SetValidateStyle); a code outside them is stored as
// given and gives no validation code.
#pragma once

namespace ff {

enum class ValidateStyle : int {
  None = 0,     // no check code
  Macro = 1,    // one VALIDATE_ITEM / VALIDATE_STRING_ITEM line per parameter
  Loose = 2,    // one if-block per parameter
  Compact = 3,  // one if-block for all parameters
};

}  // namespace ff
