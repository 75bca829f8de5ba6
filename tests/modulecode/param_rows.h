// Parameter records made in memory, as the parameter queries deliver them:
// numbers as STR() text (right-aligned in ten characters), names in GBK.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "host/record.h"
#include "tests/support/test_support.h"

namespace ff::test {

struct Param {
  std::string code;  // UTF-8
  std::string name;  // UTF-8
  int dataType = 1;
  int mandatory = 0;
  int precision = 0;
  int decimals = 0;
};

inline std::string Str(int value) {
  char text[32];
  std::snprintf(text, sizeof text, "%10d", value);
  return text;
}

inline CMemRecord ParamRecord(const std::vector<Param>& params) {
  CMemRecord record;
  record.SetColumns({G("FID编码"), G("参数名称"), G("强制标志"), G("参数数据类型"), G("参数精度"),
                     G("小数点长度")});
  for (const Param& p : params) {
    record.AppendRow({G(p.code), G(p.name), Str(p.mandatory), Str(p.dataType), Str(p.precision),
                      Str(p.decimals)});
  }
  record.GoTop();
  return record;
}

// `n` parameters FID_S01.. of data type 1 followed by `m` FID_L01.. of type 4.
inline std::vector<Param> StringsThenLongs(int n, int m) {
  std::vector<Param> params;
  char code[16];
  for (int i = 1; i <= n; ++i) {
    std::snprintf(code, sizeof code, "FID_S%02d", i);
    params.push_back({code, "S", 1, 0, 10, 0});
  }
  for (int i = 1; i <= m; ++i) {
    std::snprintf(code, sizeof code, "FID_L%02d", i);
    params.push_back({code, "L", 4, 0, 10, 0});
  }
  return params;
}

}  // namespace ff::test
