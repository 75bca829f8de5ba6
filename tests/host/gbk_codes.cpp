// ff-gbk-codes: the GBK converter's answer for every code, one line each,
// so that the converters of two systems (iconv on Linux, code page 936 on
// Windows) can be compared line by line (scripts/test_windows.sh):
//   G XXYY  <UTF-8 of the two bytes, hex>
//   G XX    <UTF-8 of a single byte above ASCII, hex>
//   U XXXX  <GBK of the character U+XXXX, hex; 3F when it has none>
// A byte pair that is no character reads as U+FFFD plus what follows.
#include <cstdio>
#include <string>

#include "host/gbk_text.h"

namespace {

std::string Hex(const std::string& bytes) {
  std::string out;
  char two[3];
  for (unsigned char c : bytes) {
    std::snprintf(two, sizeof two, "%02X", c);
    out += two;
  }
  return out;
}

std::string Utf8Of(char32_t c) {
  std::string out;
  if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (c & 0x3F));
  return out;
}

}  // namespace

int main() {
  for (int single = 0x80; single <= 0xFF; ++single) {
    const std::string bytes(1, static_cast<char>(single));
    std::printf("G %02X %s\n", single, Hex(ff::gbk::ToUtf8(bytes)).c_str());
  }
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      std::printf("G %02X%02X %s\n", lead, trail, Hex(ff::gbk::ToUtf8(bytes)).c_str());
    }
  }
  for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::printf("U %04X %s\n", static_cast<unsigned>(c), Hex(ff::gbk::FromUtf8(Utf8Of(c))).c_str());
  }
  return 0;
}
