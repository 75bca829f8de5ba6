// Code page 936 behind gbk_text.cpp's converter on Windows (host/gbk_codepage.h).
#include "host/gbk_codepage.h"

#include <windows.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr UINT kGbk = 936;

struct Direction {
  bool toGbk;
};
Direction g_toGbk{true};
Direction g_toUtf8{false};

// The code point of the well-formed UTF-8 sequence at p, and its length;
// 0 when the bytes there are none (overlong forms and surrogates included).
size_t DecodeUtf8(const unsigned char* p, size_t avail, char32_t& code) {
  const unsigned char c = p[0];
  size_t len;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c < 0x80) {
    code = c;
    return 1;
  } else if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
    code = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    code = c & 0x0F;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    code = c & 0x07;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (avail < len || p[1] < lo || p[1] > hi) return 0;
  for (size_t i = 1; i < len; ++i) {
    if (p[i] < 0x80 || p[i] > 0xBF) return 0;
    code = (code << 6) | (p[i] & 0x3F);
  }
  return len;
}

size_t EncodeUtf8(char32_t c, char* out) {
  if (c < 0x80) {
    out[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<char>(0xC0 | (c >> 6));
    out[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (c >> 12));
    out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (c >> 18));
  out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (c & 0x3F));
  return 4;
}

// One character at p into `out` (up to 4 bytes): its length in the input
// and `made` bytes written; 0 when it is no character of the other side.
size_t OneToGbk(const unsigned char* p, size_t avail, char* out, size_t& made) {
  char32_t code = 0;
  const size_t len = DecodeUtf8(p, avail, code);
  if (len == 0) return 0;
  if (code < 0x80) {
    out[0] = static_cast<char>(code);
    made = 1;
    return 1;
  }
  wchar_t wide[2];
  int units = 1;
  if (code >= 0x10000) {
    wide[0] = static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
    wide[1] = static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    units = 2;
  } else {
    wide[0] = static_cast<wchar_t>(code);
  }
  BOOL usedDefault = FALSE;
  const int n = ::WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, units, out, 4, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return 0;
  // Code page 936 gives U+F8F5 the single byte 0xFF, which is no GBK
  // character (and the engine's mark of a kept one): GBK's only single
  // byte above ASCII is 0x80, the euro sign.
  if (n == 1 && static_cast<unsigned char>(out[0]) > 0x80) return 0;
  made = static_cast<size_t>(n);
  return len;
}

size_t OneToUtf8(const unsigned char* p, size_t avail, char* out, size_t& made) {
  if (p[0] < 0x80) {
    out[0] = static_cast<char>(p[0]);
    made = 1;
    return 1;
  }
  // A lead byte takes its trail byte along; code page 936 has one
  // single-byte character above ASCII (0x80, the euro sign).
  const size_t len = p[0] >= 0x81 && p[0] <= 0xFE ? 2 : 1;
  if (avail < len) return 0;
  wchar_t wide[2];
  const int n = ::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, reinterpret_cast<const char*>(p),
                                      static_cast<int>(len), wide, 2);
  if (n != 1) return 0;
  made = EncodeUtf8(wide[0], out);
  return len;
}

}  // namespace

iconv_t iconv_open(const char* to, const char* from) {
  if (std::strcmp(to, "GBK") == 0 && std::strcmp(from, "UTF-8") == 0) return &g_toGbk;
  if (std::strcmp(to, "UTF-8") == 0 && std::strcmp(from, "GBK") == 0) return &g_toUtf8;
  errno = EINVAL;
  return reinterpret_cast<iconv_t>(-1);
}

int iconv_close(iconv_t) { return 0; }

std::size_t iconv(iconv_t cd, char** in, std::size_t* inLeft, char** out, std::size_t* outLeft) {
  if (!in || !*in) return 0;  // no shift state to reset
  const bool toGbk = static_cast<Direction*>(cd)->toGbk;
  while (*inLeft > 0) {
    const auto* p = reinterpret_cast<const unsigned char*>(*in);
    char one[4];
    size_t made = 0;
    const size_t used = toGbk ? OneToGbk(p, *inLeft, one, made) : OneToUtf8(p, *inLeft, one, made);
    if (used == 0) {
      errno = EILSEQ;
      return static_cast<std::size_t>(-1);
    }
    if (made > *outLeft) {
      errno = E2BIG;
      return static_cast<std::size_t>(-1);
    }
    std::memcpy(*out, one, made);
    *out += made;
    *outLeft -= made;
    *in += used;
    *inLeft -= used;
  }
  return 0;
}
