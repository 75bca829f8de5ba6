#include "host/gbk_text.h"

#ifdef _WIN32
#include "host/gbk_codepage.h"  // code page 936 in iconv's calls
#else
#include <iconv.h>
#endif

#include <algorithm>
#include <atomic>
#include <cstdio>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>

namespace ff::gbk {
namespace {

// One pair of conversion descriptors per thread, opened on first use and
// kept for the thread's life: opening a descriptor costs far more than a
// typical conversion.
class Converters {
 public:
  Converters()
      : toGbk_(iconv_open("GBK", "UTF-8")), toUtf8_(iconv_open("UTF-8", "GBK")) {}
  ~Converters() {
    if (toGbk_ != Invalid()) iconv_close(toGbk_);
    if (toUtf8_ != Invalid()) iconv_close(toUtf8_);
  }
  Converters(const Converters&) = delete;
  Converters& operator=(const Converters&) = delete;

  iconv_t ToGbk() const { return toGbk_; }
  iconv_t ToUtf8() const { return toUtf8_; }
  static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }

 private:
  iconv_t toGbk_;
  iconv_t toUtf8_;
};

Converters& ThreadConverters() {
  thread_local Converters converters;
  return converters;
}

constexpr bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// Length of a well-formed UTF-8 sequence at p (1..4), or 0 when the bytes
// there are not one (overlong forms and surrogates included).
size_t Utf8SequenceLength(const unsigned char* p, size_t avail) {
  unsigned char c = p[0];
  if (c < 0x80) return 1;
  size_t len;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (avail < len) return 0;
  if (p[1] < lo || p[1] > hi) return 0;
  for (size_t i = 2; i < len; ++i)
    if (p[i] < 0x80 || p[i] > 0xBF) return 0;
  return len;
}

// Runs `cd` over the whole input. At a byte sequence the converter rejects,
// `skip` says how many input bytes to drop and `replacement` is written in
// their place.
template <typename SkipFn>
std::string Convert(iconv_t cd, std::string_view in, size_t initialCapacity,
                    std::string_view replacement, SkipFn skip) {
  std::string out;
  if (cd == Converters::Invalid()) {
    // No converter on this system: keep the ASCII, replace the rest.
    out.reserve(in.size());
    for (unsigned char c : in) {
      if (c < 0x80) out += static_cast<char>(c);
      else out += replacement;
    }
    return out;
  }
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
  out.resize(initialCapacity < 16 ? 16 : initialCapacity);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  size_t used = 0;
  while (srcLeft > 0) {
    char* dst = out.data() + used;
    size_t dstLeft = out.size() - used;
    size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    used = out.size() - dstLeft;
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // EILSEQ (not valid, or not representable) or EINVAL (cut off at the end).
    size_t drop = skip(reinterpret_cast<const unsigned char*>(src), srcLeft);
    if (drop == 0 || drop > srcLeft) drop = 1;
    src += drop;
    srcLeft -= drop;
    if (out.size() - used < replacement.size()) out.resize(out.size() * 2 + replacement.size());
    std::memcpy(out.data() + used, replacement.data(), replacement.size());
    used += replacement.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(used);
  return out;
}

}  // namespace

bool IsAscii(std::string_view text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text.data());
  size_t n = text.size();
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    unsigned long long word;
    std::memcpy(&word, p + i, 8);
    if (word & 0x8080808080808080ULL) return false;
  }
  for (; i < n; ++i)
    if (p[i] & 0x80) return false;
  return true;
}

size_t CharLength(std::string_view text, size_t pos) {
  if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos])) &&
      IsTrailByte(static_cast<unsigned char>(text[pos + 1])))
    return 2;
  if (pos < text.size() && text[pos] == '\xFF') {
    const size_t kept = KeptLength(text, pos);
    if (kept > 0) return kept;
  }
  return 1;
}

std::string EscapedField(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string field;
  field.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const size_t length = CharLength(text, i);
    const auto c = static_cast<unsigned char>(text[i]);
    if (length > 1 || (c >= 0x20 && c != 0x7F && c != '\\')) {
      field.append(text.substr(i, length));
    } else if (c == '\\') {
      field += "\\\\";
    } else if (c == '\n') {
      field += "\\n";
    } else if (c == '\t') {
      field += "\\t";
    } else if (c == '\r') {
      field += "\\r";
    } else if (c == 0) {
      field += "\\0";
    } else {
      field += "\\x";
      field += kHex[c >> 4];
      field += kHex[c & 15];
    }
    i += length;
  }
  return field;
}

namespace {

std::atomic<bool> g_keepForeign{false};

constexpr char kKeptMark = '\xFF';

// The code point of the kept character at text[pos] and its length, or 0.
size_t ReadKept(std::string_view text, size_t pos, char32_t& code) {
  if (pos >= text.size() || text[pos] != kKeptMark) return 0;
  code = 0;
  size_t i = pos + 1;
  for (; i < text.size() && i - pos <= 7; ++i) {
    const char c = text[i];
    if (c == kKeptMark) break;
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                             : -1;
    if (digit < 0) return 0;
    code = code * 16 + static_cast<char32_t>(digit);
  }
  const size_t digits = i - pos - 1;
  if (i >= text.size() || text[i] != kKeptMark || digits == 0 || digits > 6) return 0;
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || code < 0x80) return 0;
  return i + 1 - pos;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  if (c >= 0x80) out += static_cast<char>(0x80 | (c & 0x3F));
}

}  // namespace

size_t KeptLength(std::string_view text, size_t pos) {
  char32_t code = 0;
  return ReadKept(text, pos, code);
}

size_t CountKept(std::string_view text) {
  size_t count = 0;
  for (size_t at = text.find(kKeptMark); at != std::string_view::npos; at = text.find(kKeptMark, at + 1)) {
    const size_t length = KeptLength(text, at);
    if (length > 0) {
      ++count;
      at += length - 1;
    }
  }
  return count;
}

bool KeepingForeignText() { return g_keepForeign.load(std::memory_order_relaxed); }

KeepForeignText::KeepForeignText() : previous_(g_keepForeign.exchange(true)) {}

KeepForeignText::~KeepForeignText() { g_keepForeign.store(previous_); }

namespace {

// The GBK form of every character of the Basic Multilingual Plane that
// this thread has converted, learned from the converter one character at
// a time (GBK keeps no state between characters, so a character converts
// alike alone and within a text). Values read by the database come in by
// the hundred thousand, and asking the converter for each costs several
// times more than a lookup. An entry holds the length of the form in its
// top byte and the bytes below; 0 means not yet learned.
class BmpToGbk {
 public:
  static constexpr std::uint32_t kNone = 0xFF000000u;      // no GBK form: '?'
  static constexpr std::uint32_t kUnusable = 0xFE000000u;  // the converter said something else

  std::uint32_t Form(std::uint32_t codePoint, const unsigned char* utf8, size_t length) {
    std::uint32_t& entry = table_[codePoint];
    if (entry == 0) entry = Learn(utf8, length);
    return entry;
  }

 private:
  static std::uint32_t Learn(const unsigned char* utf8, size_t length) {
    iconv_t cd = ThreadConverters().ToGbk();
    if (cd == Converters::Invalid()) return kUnusable;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in[4];
    std::memcpy(in, utf8, length);
    char out[8];
    char* src = in;
    size_t srcLeft = length;
    char* dst = out;
    size_t dstLeft = sizeof out;
    const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    const int error = errno;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (rc == static_cast<size_t>(-1)) return error == EILSEQ ? kNone : kUnusable;
    const size_t made = sizeof out - dstLeft;
    if (srcLeft != 0 || made == 0 || made > 2) return kUnusable;
    std::uint32_t entry = static_cast<std::uint32_t>(made) << 24;
    for (size_t i = 0; i < made; ++i) {
      entry |= static_cast<std::uint32_t>(static_cast<unsigned char>(out[i])) << (8 * (made - 1 - i));
    }
    return entry;
  }

  std::unique_ptr<std::uint32_t[]> table_ = std::make_unique<std::uint32_t[]>(0x10000);
};

// FromUtf8 through the table: false (with `out` undefined) for a text the
// table cannot give exactly as the converter would (bytes that are no
// UTF-8, characters beyond the plane), which the converter then takes.
bool FromUtf8ByTable(std::string_view utf8, std::string& out) {
  thread_local BmpToGbk table;
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const size_t n = utf8.size();
  out.resize(n);  // a GBK text is never longer than its UTF-8 form
  char* dst = out.data();
  size_t i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    if (c < 0x80) {
      *dst++ = static_cast<char>(c);
      ++i;
      continue;
    }
    const size_t length = Utf8SequenceLength(p + i, n - i);
    if (length != 2 && length != 3) return false;
    const std::uint32_t codePoint = length == 2 ? ((c & 0x1Fu) << 6) | (p[i + 1] & 0x3Fu)
                                                : ((c & 0x0Fu) << 12) | ((p[i + 1] & 0x3Fu) << 6) | (p[i + 2] & 0x3Fu);
    const std::uint32_t form = table.Form(codePoint, p + i, length);
    if (form == BmpToGbk::kUnusable) return false;
    if (form == BmpToGbk::kNone) {
      *dst++ = '?';
    } else if ((form >> 24) == 2) {
      *dst++ = static_cast<char>((form >> 8) & 0xFF);
      *dst++ = static_cast<char>(form & 0xFF);
    } else {
      *dst++ = static_cast<char>(form & 0xFF);
    }
    i += length;
  }
  out.resize(static_cast<size_t>(dst - out.data()));
  return true;
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  std::string out;
  if (FromUtf8ByTable(utf8, out)) return out;
  // A GBK text is never longer than its UTF-8 form: every non-ASCII
  // character takes at least two UTF-8 bytes and at most two GBK bytes.
  return Convert(ThreadConverters().ToGbk(), utf8, utf8.size() + 4, "?",
                 [](const unsigned char* p, size_t left) {
                   // A whole character GBK lacks becomes one '?'; a byte
                   // that starts no valid sequence becomes one '?' itself.
                   size_t len = Utf8SequenceLength(p, left);
                   return len == 0 ? size_t{1} : len;
                 });
}

namespace {
std::string ToUtf8Plain(std::string_view gbk);
}  // namespace

std::string FromUtf8Keeping(std::string_view utf8) {
  std::string out = FromUtf8(utf8);
  // Most texts lose nothing: as many '?' as they came with.
  if (std::count(out.begin(), out.end(), '?') == std::count(utf8.begin(), utf8.end(), '?')) return out;
  out.clear();
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  size_t run = 0;  // start of the characters not yet converted
  for (size_t i = 0; i < utf8.size();) {
    const size_t len = Utf8SequenceLength(p + i, utf8.size() - i);
    if (len < 2) {  // ASCII, or a byte that is no character: '?' stays '?'
      i += len == 0 ? 1 : len;
      continue;
    }
    const std::string one = FromUtf8(utf8.substr(i, len));
    if (one != "?") {
      i += len;
      continue;
    }
    out += FromUtf8(utf8.substr(run, i - run));
    char32_t code = len == 2 ? (p[i] & 0x1F) : len == 3 ? (p[i] & 0x0F) : (p[i] & 0x07);
    for (size_t k = 1; k < len; ++k) code = (code << 6) | (p[i + k] & 0x3F);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(code));
    out += kKeptMark;
    out += hex;
    out += kKeptMark;
    i += len;
    run = i;
  }
  out += FromUtf8(utf8.substr(run));
  return out;
}

std::string ToUtf8(std::string_view gbk) {
  if (IsAscii(gbk)) return std::string(gbk);
  size_t at = gbk.find(kKeptMark);
  if (at == std::string_view::npos) return ToUtf8Plain(gbk);
  std::string out;
  size_t from = 0;
  for (; at != std::string_view::npos; at = gbk.find(kKeptMark, at + 1)) {
    char32_t code = 0;
    const size_t length = ReadKept(gbk, at, code);
    if (length == 0) continue;  // a stray 0xFF: U+FFFD with the text around it
    out += ToUtf8Plain(gbk.substr(from, at - from));
    AppendUtf8(out, code);
    from = at + length;
    at = from - 1;
  }
  out += ToUtf8Plain(gbk.substr(from));
  return out;
}

namespace {

std::string ToUtf8Plain(std::string_view gbk) {
  if (IsAscii(gbk)) return std::string(gbk);
  return Convert(ThreadConverters().ToUtf8(), gbk, gbk.size() + gbk.size() / 2 + 8,
                 "\xEF\xBF\xBD", [](const unsigned char* p, size_t left) {
                   // A well-formed pair the table does not know is one
                   // character; anything else is one stray byte.
                   if (left >= 2 && IsLeadByte(p[0]) && IsTrailByte(p[1])) return size_t{2};
                   return size_t{1};
                 });
}

}  // namespace

std::string TrimLeft(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && text[b] == ' ') ++b;
  return std::string(text.substr(b));
}

std::string TrimRight(std::string_view text) {
  // A trail byte is never 0x20, so blanks at the end are always blanks.
  size_t e = text.size();
  while (e > 0 && text[e - 1] == ' ') --e;
  return std::string(text.substr(0, e));
}

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return std::string(text.substr(b, e - b));
}

namespace {

// Finds needle at a character boundary, starting the walk at `start`,
// which must itself be a boundary, and accepting matches at or after `from`.
size_t FindFromBoundary(std::string_view text, std::string_view needle, size_t start, size_t from) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  if (needle.size() > text.size()) return std::string_view::npos;
  // A byte search finds the candidates; the walk over the characters only
  // runs up to a candidate, to reject one that starts inside a character.
  // Most searches (naming words, placeholders) find no candidate at all.
  size_t pos = start;
  size_t candidate = text.find(needle, from > start ? from : start);
  while (candidate != std::string_view::npos) {
    while (pos < candidate) pos += CharLength(text, pos);
    if (pos == candidate) return candidate;
    candidate = text.find(needle, candidate + 1);
  }
  return std::string_view::npos;
}

}  // namespace

size_t Find(std::string_view text, std::string_view needle, size_t from) {
  if (from > text.size()) return std::string_view::npos;
  // Boundaries are only known from the start of the text.
  return FindFromBoundary(text, needle, 0, from);
}

size_t FindLast(std::string_view text, std::string_view needle) {
  if (needle.empty()) return text.size();
  size_t found = std::string_view::npos;
  size_t pos = 0;
  while ((pos = FindFromBoundary(text, needle, pos, pos)) != std::string_view::npos) {
    found = pos;
    pos += CharLength(text, pos);
  }
  return found;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty() || text.size() < from.size()) return;
  size_t pos = FindFromBoundary(text, from, 0, 0);
  if (pos == std::string_view::npos) return;
  std::string out;
  out.reserve(text.size() + (to.size() > from.size() ? (to.size() - from.size()) * 4 : 0));
  size_t copied = 0;
  while (pos != std::string_view::npos) {
    out.append(text, copied, pos - copied);
    out.append(to);
    copied = pos + from.size();
    // The end of a match is a boundary when the needle is made of whole
    // characters, which is the case for every caller's placeholder.
    pos = FindFromBoundary(text, from, copied, copied);
  }
  out.append(text, copied, std::string::npos);
  text.swap(out);
}

std::string Replaced(std::string_view text, std::string_view from, std::string_view to) {
  std::string copy(text);
  ReplaceAll(copy, from, to);
  return copy;
}

namespace {
template <bool kUpper>
std::string ChangeCase(std::string_view text) {
  std::string out(text);
  const size_t n = out.size();
  for (size_t i = 0; i < n;) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c < 0x80) {
      if (kUpper && c >= 'a' && c <= 'z') out[i] = static_cast<char>(c - 'a' + 'A');
      if (!kUpper && c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c - 'A' + 'a');
      ++i;
    } else {
      i += CharLength(out, i);
    }
  }
  return out;
}
}  // namespace

std::string ToUpper(std::string_view text) { return ChangeCase<true>(text); }
std::string ToLower(std::string_view text) { return ChangeCase<false>(text); }

long AtoL(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate towards the negative side, which holds one more value.
  long value = 0;
  bool saturated = false;
  for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
    int digit = text[i] - '0';
    if (saturated) continue;
    if (value < (LONG_MIN + digit) / 10) {
      saturated = true;
      continue;
    }
    value = value * 10 - digit;
  }
  if (saturated) return negative ? LONG_MIN : LONG_MAX;
  if (negative) return value;
  return value == LONG_MIN ? LONG_MAX : -value;
}

namespace {
constexpr std::string_view kPathOpen = "\x1bP";
constexpr std::string_view kPathClose = "\x1b\\";
}  // namespace

std::string PathInText(std::string_view path) {
  const std::string gbk = FromUtf8(path);
  if (ToUtf8(gbk) == path) return gbk;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text(kPathOpen);
  for (unsigned char c : path) {
    text += kHex[c >> 4];
    text += kHex[c & 15];
  }
  text += kPathClose;
  return text;
}

std::string ToUtf8Shown(std::string_view gbk) {
  std::string out;
  size_t pos = 0;
  while (pos < gbk.size()) {
    const size_t open = gbk.find(kPathOpen, pos);
    if (open == std::string_view::npos) break;
    const size_t close = gbk.find(kPathClose, open + kPathOpen.size());
    if (close == std::string_view::npos) break;
    out += ToUtf8(gbk.substr(pos, open - pos));
    auto digit = [](char c) { return c <= '9' ? c - '0' : c - 'a' + 10; };
    for (size_t i = open + kPathOpen.size(); i + 1 < close; i += 2)
      out += static_cast<char>(digit(gbk[i]) << 4 | digit(gbk[i + 1]));
    pos = close + kPathClose.size();
  }
  out += ToUtf8(gbk.substr(pos));
  return out;
}

}  // namespace ff::gbk
