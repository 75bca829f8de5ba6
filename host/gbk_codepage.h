// Windows only: iconv's three calls over code page 936, for the converter
// of gbk_text.cpp ("GBK" and "UTF-8" are the only two names it opens).
// Windows has no iconv; its code page 936 is the GBK of the system's own
// Chinese programs. A character that code page lacks, or bytes that are no
// character, stop a conversion with EILSEQ at their first byte, as iconv's
// do, so that the caller puts in its replacement alike on both systems.
#pragma once

#include <cstddef>

using iconv_t = void*;

iconv_t iconv_open(const char* to, const char* from);
std::size_t iconv(iconv_t cd, char** in, std::size_t* inLeft, char** out, std::size_t* outLeft);
int iconv_close(iconv_t cd);
