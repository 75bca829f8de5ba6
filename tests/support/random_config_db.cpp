#include "tests/support/random_config_db.h"

#include <random>
#include <string_view>
#include <vector>

namespace ff::test {
namespace {

// A SQL literal: NULL for a null pointer, else the quoted text.
std::string Literal(const char* text) {
  if (!text) return "NULL";
  std::string out = "'";
  for (const char* p = text; *p; ++p) {
    if (*p == '\'') out += '\'';
    out += *p;
  }
  return out + "'";
}

class Draw {
 public:
  explicit Draw(unsigned seed) : engine_(seed) {}
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(engine_) < p; }
  template <typename T>
  const T& Pick(const std::vector<T>& from) {
    return from[static_cast<size_t>(Int(0, static_cast<int>(from.size()) - 1))];
  }
  // An integer column: NULL now and then.
  std::string Number(const std::vector<int>& values, double nullShare = 0.1) {
    return Chance(nullShare) ? "NULL" : std::to_string(Pick(values));
  }

 private:
  std::mt19937 engine_;
};

// Function codes that select more than themselves, or not themselves.
const std::vector<const char*> kAwkwardCodes = {
    "QUERY_USER", "query_user", "Query_User", "QUERY_USER ", " QUERY_USER", "USER.QUERY", "USER_LIST",
    "O'BRIEN",    "A-B",        "AB",         "",             nullptr,       "查询",       "ＱＵＥＲＹ",
    "X%dY",       "LIST",       "List_Me",    "GET_INFO",     "WT_  ",       "Open_Cancel "};

// FID codes that tie, or nearly, in the parameter order.
const std::vector<const char*> kFidCodes = {
    "FID_KHH", "fid_khh", "FID_KHH ", "FID_A", "FID_B", "FID_VERYLONGCODE", "FID-AB", "FIDAB",
    nullptr,   "",        "FID_中文", "FID_YE", "FID_ZQDM", "FID_JYS", "FID_WTJG", "FID_CJSL"};

const std::vector<const char*> kNames = {"查询用户", "增加用户", "Name", "", nullptr, "名称 ", "O'名"};
const std::vector<const char*> kTexts = {nullptr, "", "设计说明", "note\nwith a line", "  blanks  "};
const std::vector<const char*> kFunNames = {nullptr, nullptr, nullptr, "", "  ", "GetUserInfo", "Fun_Login"};

}  // namespace

std::string RandomConfigSql(unsigned seed, double awkward) {
  Draw draw(seed);
  std::string sql =
      "INSERT INTO T158 (ID, F2, F3) VALUES (1, 'FOS一', 'FOS1'), (2, 'FOS二', 'FOS2'), (3, 'FOS三', 'FOS3');\n"
      "INSERT INTO T164 (ID, F2, F3, F4) VALUES (1, 1, 'BLS一', 'BLS1'), (2, 2, 'BLS二', 'BLS2'),"
      " (3, 3, 'BLS三', 'BLS3');\n";
  int nextId = 1;
  int nextCode = 1;
  for (bool bls : {false, true}) {
    std::vector<int> ids;  // every function number used, to join parameters to
    for (int module = 1; module <= 3; ++module) {
      const int functions = draw.Int(0, 9);
      for (int f = 0; f < functions; ++f) {
        std::string id = std::to_string(nextId++);
        if (draw.Chance(awkward / 3)) {
          const int kind = draw.Int(0, 2);
          if (kind == 0) id = "NULL";
          if (kind == 1) id = "0";
          if (kind == 2 && !ids.empty()) id = std::to_string(draw.Pick(ids));
        }
        if (id != "NULL") ids.push_back(std::stoi(id));
        const std::string plain = std::string(draw.Chance(0.2) ? "QUERY_LIST_" : "FN_") + std::to_string(nextCode++);
        const std::string code = draw.Chance(awkward) ? Literal(draw.Pick(kAwkwardCodes)) : Literal(plain.c_str());
        const std::string number = std::to_string(draw.Int(1, 60));  // repeats now and then
        const std::string name = Literal(draw.Pick(kNames));
        const std::string funName = Literal(draw.Pick(kFunNames));
        const std::string design = Literal(draw.Pick(kTexts)), note = Literal(draw.Pick(kTexts));
        const std::string answerType = draw.Number({0, 0, 1, 2, 3});
        if (bls) {
          sql += "INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F8, F12, F14) VALUES (" + id + ", " + number + ", " +
                 code + ", " + name + ", " + funName + ", " + draw.Number({1, 1, 2, 3}) + ", " +
                 std::to_string(module) + ", " + design + ", " + note + ", " + answerType + ");\n";
        } else {
          sql += "INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F28, F32, F34) VALUES (" + id + ", " + number +
                 ", " + code + ", " + name + ", " + funName + ", " + std::to_string(module) + ", " + design + ", " +
                 note + ", " + answerType + ");\n";
        }
      }
    }
    // Parameters: for most functions, and for numbers no function has.
    ids.push_back(0);
    ids.push_back(nextId + 100);
    int paramId = 1;
    for (int owner : ids) {
      const int rows = draw.Chance(0.2) ? draw.Int(11, 16) : draw.Int(0, 8);
      for (int r = 0; r < rows; ++r) {
        const bool awkwardFid = draw.Chance(awkward);
        const std::string fid = awkwardFid ? Literal(draw.Pick(kFidCodes))
                                           : Literal(("FID_P" + std::to_string(draw.Int(1, 400))).c_str());
        const std::string kind = draw.Chance(0.02) ? "3" : std::to_string(draw.Int(1, 2));
        const std::string type = draw.Number({1, 1, 1, 4, 5, 6, 2}, awkward / 5);
        const std::string name = Literal(draw.Pick(kNames));
        const std::string mandatory = draw.Number({0, 1});
        if (bls) {
          sql += "INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11) VALUES (" +
                 std::to_string(paramId++) + ", " + std::to_string(owner) + ", " + fid + ", " + name + ", " + kind +
                 ", " + mandatory + ", " + Literal(draw.Chance(0.5) ? nullptr : "1-9") + ", " + type + ", " +
                 draw.Number({10, 16, 20}) + ", " + draw.Number({0, 2}) + ", " + Literal(draw.Pick(kTexts)) + ", " +
                 Literal(draw.Chance(0.5) ? nullptr : "0") + ");\n";
        } else {
          sql += "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (" + std::to_string(paramId++) + ", " +
                 name + ", " + kind + ", " + mandatory + ", " + type + ", " + std::to_string(owner) + ", " + fid +
                 ");\n";
        }
      }
    }
  }
  return sql;
}

}  // namespace ff::test
