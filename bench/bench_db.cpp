// The synthetic configuration database. Every random choice goes through
// one std::mt19937_64 (whose output the C++ standard fixes) and our own
// reductions of it, never through the library's distributions, whose
// results differ between standard libraries: the same seed gives the same
// file everywhere.
#include "bench/bench_db.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "data/embedded_sql.h"

namespace ff::bench {

BenchScale BenchScale::Scaled(double factor) const {
  auto scale = [factor](int n) {
    return std::max(1, static_cast<int>(std::llround(static_cast<double>(n) * factor)));
  };
  BenchScale s = *this;
  s.fids = scale(fids);
  s.fosModules = scale(fosModules);
  s.blsModules = scale(blsModules);
  s.errorCodes = scale(errorCodes);
  s.errorCategories = scale(errorCategories);
  return s;
}

namespace {

// ---------------------------------------------------------------------------
// Random choices

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : engine_(seed) {}

  // 0 .. n-1 (n > 0). The modulo bias is below 1e-15 for our ranges.
  std::uint64_t Below(std::uint64_t n) { return engine_() % n; }
  // lo .. hi inclusive.
  int Range(int lo, int hi) { return lo + static_cast<int>(Below(static_cast<std::uint64_t>(hi - lo) + 1)); }
  bool Percent(int p) { return Below(100) < static_cast<std::uint64_t>(p); }
  // An index into `weights`, each chosen in proportion to its weight.
  int Weighted(std::initializer_list<int> weights) {
    int total = 0;
    for (int w : weights) total += w;
    int r = static_cast<int>(Below(static_cast<std::uint64_t>(total)));
    int index = 0;
    for (int w : weights) {
      if (r < w) return index;
      r -= w;
      ++index;
    }
    return index - 1;
  }
  template <class T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Below(N)];
  }

 private:
  std::mt19937_64 engine_;
};

// ---------------------------------------------------------------------------
// Vocabulary: pinyin abbreviations as the back office writes them in FID
// codes, with their Chinese words.

struct Word {
  const char* code;
  const char* name;
};

constexpr Word kWords[] = {
    {"KH", "客户"},   {"ZJ", "资金"},     {"ZH", "账号"},     {"WT", "委托"},     {"CJ", "成交"},
    {"SL", "数量"},   {"JG", "价格"},     {"JE", "金额"},     {"RQ", "日期"},     {"DM", "代码"},
    {"MC", "名称"},   {"ZT", "状态"},     {"LB", "类别"},     {"ZQ", "证券"},     {"GD", "股东"},
    {"YYB", "营业部"}, {"BZ", "币种"},    {"DJ", "冻结"},     {"JD", "解冻"},     {"KY", "可用"},
    {"YE", "余额"},   {"SZ", "市值"},     {"YK", "盈亏"},     {"FY", "费用"},     {"YJ", "佣金"},
    {"YHS", "印花税"}, {"GHF", "过户费"}, {"SB", "申报"},     {"CD", "撤单"},     {"HT", "合同"},
    {"XH", "序号"},   {"LS", "流水"},     {"CZ", "操作"},     {"GY", "柜员"},     {"QD", "渠道"},
    {"YH", "银行"},   {"XY", "信用"},     {"RZ", "融资"},     {"HY", "合约"},     {"QQ", "期权"},
    {"JJ", "基金"},   {"FE", "份额"},     {"JS", "交收"},     {"QS", "清算"},     {"FX", "风险"},
    {"ED", "额度"},   {"BL", "比例"},     {"LL", "利率"},     {"SX", "授信"},     {"DB", "担保"},
    {"ZYA", "质押"},  {"HG", "回购"},     {"PH", "配号"},     {"ZQH", "中签号"},  {"XW", "席位"},
    {"JYS", "交易所"}, {"BH", "编号"},    {"XM", "姓名"},     {"MM", "密码"},     {"DZ", "地址"},
    {"DH", "电话"},
    // words that get mixed case in generated variable names
    {"NAME", "名称"}, {"CODE", "编码"},   {"DATE", "日期"},   {"TIME", "时间"},   {"UPDATE", "更新"},
    {"TYPE", "类型"}, {"NOTE", "备注"},   {"COUNT", "计数"},  {"MAX", "最大"},    {"MIN", "最小"},
    {"FILE", "文件"}, {"PATH", "路径"},   {"VERSION", "版本"}, {"KEY", "键值"},   {"OLD", "原"},
    {"NEW", "新"},    {"END", "结束"},    {"DATA", "数据"},   {"ITEM", "项目"},   {"EMAIL", "邮箱"},
    {"ZIP", "邮编"},  {"PORT", "端口"},   {"MENU", "菜单"},   {"MESSAGE", "消息"}, {"LOGINID", "登录号"},
    {"FATHERID", "上级号"}, {"DATABASE", "数据库"}, {"TRANS", "传输"}, {"MASK", "掩码"},
};

// The FIDs every back office has, first in T151. The audit flow of
// transaction type 2 reads several of them by name.
struct CoreFid {
  const char* code;
  const char* name;
  int type;
};

constexpr CoreFid kCoreFids[] = {
    {"FID_CODE", "返回码", 4},        {"FID_MESSAGE", "返回信息", 1},
    {"FID_KHH", "客户号", 1},         {"FID_ZJZH", "资金账号", 1},
    {"FID_YYB", "营业部", 1},         {"FID_JE", "金额", 6},
    {"FID_YE", "余额", 6},            {"FID_KHXM", "客户姓名", 1},
    {"FID_ZQDM", "证券代码", 1},      {"FID_WTSL", "委托数量", 4},
    {"FID_WTJG", "委托价格", 6},      {"FID_JYS", "交易所", 1},
    {"FID_GDDM", "股东代码", 1},      {"FID_BZ", "币种", 1},
    {"FID_RQ", "日期", 4},            {"FID_CZY", "操作员", 1},
    {"FID_LOGINPWD", "登录密码", 1},  {"FID_UPDATETIME", "更新时间", 1},
    {"FID_ZIPCODE", "邮编", 1},       {"FID_FILEPATH", "文件路径", 1},
    {"FID_ZLLB", "指令类别", 4},      {"FID_SHXYM", "审核校验码", 1},
    {"FID_YWSQH", "业务申请号", 4},   {"FID_KHYYB", "客户营业部", 1},
    {"FID_KHQZ", "客户群组", 1},      {"FID_FHGY", "复核柜员", 1},
    {"FID_LSH", "流水号", 4},         {"FID_HTSH", "后台审核标志", 4},
    {"FID_ZY", "摘要", 1},            {"FID_YWKM", "业务科目", 4},
    {"FID_CSID", "参数编号", 4},      {"FID_SQXQ", "申请详情", 3},
};

// Request and answer FIDs of an audited BLS function, by code.
constexpr const char* kAuditRequest[] = {"FID_ZLLB", "FID_SHXYM", "FID_YWSQH", "FID_KHH",
                                         "FID_KHYYB", "FID_KHQZ", "FID_FHGY"};
constexpr const char* kAuditAnswer[] = {"FID_LSH", "FID_HTSH"};

// Business areas that name modules and error categories.
constexpr Word kAreas[] = {
    {"KH", "客户"},   {"ZH", "账户"},   {"ZJ", "资金"},   {"ZQ", "证券"},   {"WT", "委托"},
    {"CJ", "成交"},   {"QS", "清算"},   {"JS", "交收"},   {"RZRQ", "融资融券"}, {"QQ", "期权"},
    {"JJ", "基金"},   {"LC", "理财"},   {"FK", "风控"},   {"BB", "报表"},   {"XT", "系统"},
    {"GT", "柜台"},   {"WS", "网上交易"}, {"YZ", "银证"},  {"ZY", "质押"},   {"HG", "回购"},
};

constexpr Word kActions[] = {
    {"QUERY", "查询"},  {"ADD", "新增"},     {"MODIFY", "修改"},   {"DELETE", "删除"},
    {"CHECK", "校验"},  {"OPEN", "开通"},    {"CLOSE", "关闭"},    {"FREEZE", "冻结"},
    {"UNFREEZE", "解冻"}, {"TRANSFER", "划转"}, {"CANCEL", "撤销"}, {"CONFIRM", "确认"},
    {"SUM", "汇总"},    {"EXPORT", "导出"},  {"IMPORT", "导入"},   {"SET", "设置"},
};

constexpr const char* kErrorTexts[] = {
    "参数不合法", "记录不存在", "记录已存在", "状态不正确", "超过限额", "余额不足", "操作超时",
    "权限不足",   "校验失败",   "连接中断",   "数据不一致", "不在交易时间",
};

// FID data types: 1 string, 4 and 5 long, 6 double; the rest occur in
// real databases and read as strings.
int DrawDataType(Rng& rng) {
  static constexpr int kTypes[] = {1, 4, 5, 6, 2, 3, 0, 7};
  return kTypes[rng.Weighted({50, 20, 5, 18, 2, 2, 1, 2})];
}

// ---------------------------------------------------------------------------
// SQLite

struct DbError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One prepared INSERT, bound column by column and run once per row.
class Insert {
 public:
  Insert(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK)
      throw DbError(std::string("cannot prepare \"") + sql + "\": " + sqlite3_errmsg(db));
  }
  ~Insert() { sqlite3_finalize(stmt_); }
  Insert(const Insert&) = delete;
  Insert& operator=(const Insert&) = delete;

  Insert& Int(long long value) {
    sqlite3_bind_int64(stmt_, ++column_, value);
    return *this;
  }
  Insert& OptInt(std::optional<int> value) {
    if (value) return Int(static_cast<long long>(*value));
    sqlite3_bind_null(stmt_, ++column_);
    return *this;
  }
  Insert& Text(std::string_view value) {
    sqlite3_bind_text(stmt_, ++column_, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Insert& OptText(const std::optional<std::string>& value) {
    if (value) return Text(std::string_view(*value));
    sqlite3_bind_null(stmt_, ++column_);
    return *this;
  }
  Insert& Null() {
    sqlite3_bind_null(stmt_, ++column_);
    return *this;
  }
  void Run() {
    int rc = sqlite3_step(stmt_);
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    column_ = 0;
    if (rc != SQLITE_DONE) throw DbError(std::string("insert failed: ") + sqlite3_errmsg(db_));
  }

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  int column_ = 0;
};

void Exec(sqlite3* db, const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::string reason = message ? message : sqlite3_errmsg(db);
    sqlite3_free(message);
    throw DbError(reason);
  }
}

// ---------------------------------------------------------------------------
// The generator

struct Fid {
  std::string code;
  std::string name;
  int type = 1;
  int number = 0;  // 0 for a FID that T151 does not define
};

std::string TwoDigits(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

class Maker {
 public:
  Maker(sqlite3* db, std::uint64_t seed, const BenchScale& scale) : db_(db), rng_(seed), scale_(scale) {}

  BenchCounts Run() {
    MakeFids();
    MakeModules();
    MakeFunctions(false);
    MakeFunctions(true);
    MakeErrors();
    return counts_;
  }

 private:
  // T151. The last percent of the defined FIDs is never used by a
  // parameter, and a small pool of codes is used but never defined, so the
  // FID check finds something at every size.
  void MakeFids() {
    const int defined = scale_.fids;
    const int undefined = std::max(1, defined / 200);
    std::unordered_set<std::string> taken;
    int number = 0;
    for (int i = 0; i < defined + undefined; ++i) {
      Fid fid;
      if (i < static_cast<int>(std::size(kCoreFids)) && i < defined) {
        fid.code = kCoreFids[i].code;
        fid.name = kCoreFids[i].name;
        fid.type = kCoreFids[i].type;
      } else {
        DrawFidCode(taken, i, fid);
        fid.type = DrawDataType(rng_);
      }
      taken.insert(fid.code);
      if (i < defined) {
        number += (i < static_cast<int>(std::size(kCoreFids))) ? 1 : rng_.Range(1, 3);
        fid.number = number;
        fids_.push_back(std::move(fid));
      } else {
        undefined_.push_back(std::move(fid));
      }
    }
    usable_ = std::max(1, defined - defined / 100);
    for (const char* code : kAuditRequest) auditRequest_.push_back(FindCore(code));
    for (const char* code : kAuditAnswer) auditAnswer_.push_back(FindCore(code));

    Insert ins(db_, "INSERT INTO T151 (F1, F2, F3, F4, F5) VALUES (?, ?, ?, ?, ?)");
    for (const Fid& fid : fids_) {
      std::optional<int> type = fid.type;
      if (rng_.Percent(1)) type.reset();
      std::optional<std::string> note;
      int n = rng_.Weighted({85, 12, 2, 1});
      if (n == 1) note = fid.name + "，" + std::string(rng_.Pick(kWords).name) + "相关";
      else if (n == 2) note = "0-否,1-是";
      else if (n == 3) note = "  ";
      ins.Int(fid.number).Text(fid.code).Text(fid.name).OptInt(type).OptText(note).Run();
      ++counts_.fids;
    }
  }

  void DrawFidCode(std::unordered_set<std::string>& taken, int index, Fid& fid) {
    for (int attempt = 0;; ++attempt) {
      std::string code = "FID_";
      std::string name;
      const int words = rng_.Weighted({20, 55, 25}) + 1;
      const Word* previous = nullptr;
      for (int w = 0; w < words; ++w) {
        const Word* word = &rng_.Pick(kWords);
        while (word == previous) word = &rng_.Pick(kWords);
        previous = word;
        if (w > 0 && rng_.Percent(8)) code += '_';
        code += word->code;
        name += word->name;
      }
      if (attempt >= 8) code += std::to_string(index);  // crowded vocabulary
      if (taken.count(code) == 0) {
        fid.code = std::move(code);
        fid.name = std::move(name);
        return;
      }
    }
  }

  int FindCore(const char* code) const {
    for (int i = 0; i < static_cast<int>(fids_.size()); ++i)
      if (fids_[i].code == code) return i;
    return -1;  // a scale too small to hold it
  }

  // T158 and T164.
  void MakeModules() {
    Insert fos(db_, "INSERT INTO T158 (ID, F2, F3) VALUES (?, ?, ?)");
    for (int m = 1; m <= scale_.fosModules; ++m) {
      const Word& area = kAreas[(m - 1) % std::size(kAreas)];
      fos.Int(m).Text(std::string(area.name) + "管理" + std::to_string(m))
          .Text(std::string(area.code) + "GL" + std::to_string(m)).Run();
      ++counts_.fosModules;
    }
    Insert bls(db_, "INSERT INTO T164 (ID, F2, F3, F4) VALUES (?, ?, ?, ?)");
    for (int m = 1; m <= scale_.blsModules; ++m) {
      const Word& area = kAreas[(m - 1) % std::size(kAreas)];
      bls.Int(BlsModuleId(m)).Int(2000 + m).Text(std::string(area.name) + "服务" + std::to_string(m))
          .Text(std::string(area.code) + "FW" + std::to_string(m)).Run();
      ++counts_.blsModules;
    }
  }

  static int BlsModuleId(int m) { return 1000 + m; }

  struct Function {
    std::string code;
    std::string name;
    std::optional<std::string> funName, design, note;
    std::optional<int> answerType;
    std::optional<int> transType;  // BLS only
  };

  Function DrawFunction(bool bls, int module, int k) {
    Function f;
    const Word& area = kAreas[(module - 1) % std::size(kAreas)];
    const Word& action = rng_.Pick(kActions);
    static constexpr int kAnswerTypes[] = {0, 1, 2, 3};
    int a = rng_.Weighted({45, 30, 18, 5, 2});
    if (a < 4) f.answerType = kAnswerTypes[a];
    if (bls) {
      static constexpr int kTransTypes[] = {1, 2, 3, 4};
      int t = rng_.Weighted({60, 20, 14, 4, 2});
      if (t < 4) f.transType = kTransTypes[t];
    }
    // LIST in the code makes answer type 0 multi-row; "List" counts too,
    // lower-case "list" does not.
    static constexpr const char* kList[] = {"", "_LIST", "_List", "_list"};
    const char* list = kList[rng_.Weighted({85, 10, 4, 1})];
    const char sep = rng_.Percent(bls ? 3 : 5) ? '.' : '_';  // some codes are dotted
    f.code = std::string(area.code) + std::to_string(module) + sep + action.code + list + sep + TwoDigits(k);
    if (rng_.Percent(1)) f.code += "  ";  // stored with trailing blanks
    f.name = std::string(area.name) + action.name + (*list ? "列表" : "");
    int n = rng_.Weighted({90, 8, 2});
    if (n == 1) f.funName = std::string(bls ? "Fun_" : "") + "Do" + action.code + std::to_string(k);
    else if (n == 2) f.funName = "  ";
    int d = rng_.Weighted({20, 60, 20});
    if (d == 1) f.design = f.name + "：校验请求后" + (bls ? "转发上级服务" : "执行SQL");
    else if (d == 2) f.design = "1. 校验请求参数\n2. " + f.name + "\n3. 返回应答";
    if (rng_.Percent(40)) f.note = std::string(rng_.Pick(kWords).name) + "相关，" + area.name + "业务使用";
    return f;
  }

  // T154 with T156, or T161 with T162.
  void MakeFunctions(bool bls) {
    Insert fos(db_,
               "INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F28, F32, F34) "
               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Insert fosParam(db_,
                    "INSERT INTO T156 (ID, F2, F3, F4, F5, F7, F13, F15) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    Insert blsFn(db_,
                 "INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F8, F12, F14) "
                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Insert blsParam(db_,
                    "INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const int modules = bls ? scale_.blsModules : scale_.fosModules;
    int id = 0;
    long long paramId = 0;
    for (int m = 1; m <= modules; ++m) {
      for (int k = 1; k <= scale_.functionsPerModule; ++k) {
        ++id;
        Function f = DrawFunction(bls, m, k);
        if (bls) {
          blsFn.Int(id).Int(500000 + m * 1000 + k).Text(f.code).Text(f.name).OptText(f.funName)
              .OptInt(f.transType).Int(BlsModuleId(m)).OptText(f.design).OptText(f.note).OptInt(f.answerType).Run();
          ++counts_.blsFunctions;
        } else {
          fos.Int(id).Int(100000 + m * 1000 + k).Text(f.code).Text(f.name).OptText(f.funName).Int(m)
              .OptText(f.design).OptText(f.note).OptInt(f.answerType).Run();
          ++counts_.fosFunctions;
        }
        const bool audited = bls && f.transType == 2;
        for (int kind = 1; kind <= 2; ++kind) {
          const int average = kind == 1 ? scale_.requestParams : scale_.answerParams;
          const std::vector<int>& fixed = kind == 1 ? auditRequest_ : auditAnswer_;
          std::vector<int> chosen = DrawParams(average, audited ? &fixed : nullptr);
          for (int index : chosen) {
            const Fid& fid = index >= 0 ? fids_[index] : undefined_[-1 - index];
            // A parameter mostly has its FID's type; the audit flow's own
            // FIDs always do, since its code reads them as such.
            const bool auditFid = audited && std::find(fixed.begin(), fixed.end(), index) != fixed.end();
            int type = rng_.Percent(90) || auditFid ? fid.type : DrawDataType(rng_);
            static constexpr int kMandatory[] = {1, 0, 2};
            int mi = rng_.Weighted({40, 45, 10, 5});
            std::optional<int> mandatory;
            if (mi < 3) mandatory = kMandatory[mi];
            if (audited && kind == 1 && fid.code == "FID_ZLLB") mandatory = 1;
            ++paramId;
            if (bls) {
              WriteBlsParam(blsParam, paramId, id, kind, fid, type, mandatory);
              ++counts_.blsParams;
            } else {
              fosParam.Int(paramId).Int(fid.number).Text(fid.name).Int(kind).OptInt(mandatory).Int(type)
                  .Int(id).Text(fid.code).Run();
              ++counts_.fosParams;
            }
          }
        }
      }
    }
  }

  // Indexes into fids_ (>= 0) or undefined_ (-1 - i), distinct within one
  // list; the fixed ones first.
  std::vector<int> DrawParams(int average, const std::vector<int>* fixed) {
    std::vector<int> chosen;
    if (fixed)
      for (int index : *fixed)
        if (index >= 0) chosen.push_back(index);
    const int count = std::max<int>(rng_.Range(average - average / 2, average + average / 2),
                                    static_cast<int>(chosen.size()));
    const int core = std::min<int>(static_cast<int>(std::size(kCoreFids)), usable_);
    while (static_cast<int>(chosen.size()) < count) {
      std::optional<int> index;
      for (int attempt = 0; attempt < 20 && !index; ++attempt) {
        int candidate;
        int source = rng_.Weighted({250, 748, 2});  // core, any, undefined
        if (source == 0) candidate = static_cast<int>(rng_.Below(static_cast<std::uint64_t>(core)));
        else if (source == 1) candidate = static_cast<int>(rng_.Below(static_cast<std::uint64_t>(usable_)));
        else candidate = -1 - static_cast<int>(rng_.Below(undefined_.size()));
        if (std::find(chosen.begin(), chosen.end(), candidate) == chosen.end()) index = candidate;
      }
      if (!index) break;  // too few FIDs for a list this long
      chosen.push_back(*index);
    }
    return chosen;
  }

  void WriteBlsParam(Insert& ins, long long paramId, int function, int kind, const Fid& fid, int type,
                     std::optional<int> mandatory) {
    static constexpr int kStringWidths[] = {1, 2, 4, 6, 8, 10, 20, 30, 60, 255};
    int precision = 0, decimals = 0;
    std::optional<std::string> test;
    if (type == 4 || type == 5) {
      precision = rng_.Range(1, 12);
      if (rng_.Percent(20)) test = std::to_string(rng_.Range(0, 9999));
    } else if (type == 6) {
      precision = rng_.Percent(50) ? 16 : 9;
      decimals = rng_.Range(2, 4);
      if (rng_.Percent(20)) test = "100.00";
    } else {
      precision = rng_.Pick(kStringWidths);
      if (rng_.Percent(20)) test = "TEST" + std::to_string(rng_.Range(1, 999));
    }
    std::optional<std::string> range;
    int r = rng_.Weighted({90, 6, 4});
    if (r == 1) range = "0-否,1-是";
    else if (r == 2) range = ">0";
    std::optional<std::string> note;
    if (rng_.Percent(5)) note = fid.name + "说明";
    ins.Int(paramId).Int(function).Text(fid.code).Text(fid.name).Int(kind).OptInt(mandatory).OptText(range).Int(type)
        .Int(precision).Int(decimals).OptText(note).OptText(test).Run();
  }

  // T471 and T470. Every tenth category is not a system error category
  // (another grade), and every tenth from the fifth on has another type, so
  // sysdef.h leaves them out.
  void MakeErrors() {
    Insert cat(db_, "INSERT INTO T471 (ID, NAME, GRADE, FID, TYPE) VALUES (?, ?, ?, ?, ?)");
    const int categories = scale_.errorCategories;
    for (int c = 1; c <= categories; ++c) {
      const Word& area = kAreas[(c - 1) % std::size(kAreas)];
      std::string name = std::string(area.name) + "错误";
      if (c > static_cast<int>(std::size(kAreas))) name += std::to_string(c);
      if (rng_.Percent(5)) name = " " + name + " ";
      cat.Int(c).Text(name).Int(c % 10 == 0 ? 1 : 2).Int(2).Int(c % 10 == 5 ? 1 : 0).Run();
      ++counts_.errorCategories;
    }
    Insert err(db_, "INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (?, ?, ?, ?, ?, ?, ?)");
    const int codes = scale_.errorCodes;
    std::vector<int> perCategory(static_cast<std::size_t>(categories) + 1, 0);
    for (int i = 0; i < codes; ++i) {
      // Codes come grouped by category, as they are numbered.
      const int c = 1 + static_cast<int>(static_cast<long long>(i) * categories / codes);
      const int j = ++perCategory[static_cast<std::size_t>(c)];
      const Word& area = kAreas[(c - 1) % std::size(kAreas)];
      static constexpr int kKinds[] = {6, 1, 2, 3};
      const int kind = kKinds[rng_.Weighted({85, 10, 3, 2})];
      char number[32];
      std::snprintf(number, sizeof number, "%d%04d", c, j);
      const std::string value = (kind == 6 ? "" : "E") + std::string(number);
      char suffix[64];
      std::snprintf(suffix, sizeof suffix, "%s%d_%03d", area.code, c, j);
      std::string message = std::string(area.name) + rng_.Pick(kErrorTexts);
      if (rng_.Percent(3)) message += "  ";
      std::optional<std::string> messageName;
      int n = rng_.Weighted({70, 20, 10});
      if (n == 0) messageName = std::string("ERRSTR_") + suffix;
      else if (n == 1) messageName = std::string();
      err.Int(i + 1).Text(value).Text(std::string("ERR_") + suffix).Text(message).OptText(messageName).Int(c)
          .Int(kind).Run();
      ++counts_.errorCodes;
    }
  }

  sqlite3* db_;
  Rng rng_;
  BenchScale scale_;
  BenchCounts counts_;
  std::vector<Fid> fids_;
  std::vector<Fid> undefined_;
  int usable_ = 1;  // parameters use fids_[0 .. usable_-1]
  std::vector<int> auditRequest_, auditAnswer_;
};

}  // namespace

bool MakeBenchDatabase(const std::string& path, std::uint64_t seed, const BenchScale& scale, bool overwrite,
                       BenchCounts* counts, std::string& error) {
  namespace fs = std::filesystem;
  if (scale.fids < 1 || scale.fosModules < 0 || scale.blsModules < 0 || scale.functionsPerModule < 0 ||
      scale.requestParams < 0 || scale.answerParams < 0 || scale.errorCodes < 0 ||
      (scale.errorCodes > 0 && scale.errorCategories < 1) || scale.functionsPerModule > 999) {
    error = "invalid scale: at least one FID and one error category, at most 999 functions per module, "
            "no negative counts";
    return false;
  }
  std::error_code ec;
  if (fs::exists(path, ec)) {
    if (!overwrite) {
      error = path + ": the file exists (overwrite it with --force)";
      return false;
    }
    if (!fs::remove(path, ec)) {
      error = path + ": cannot remove the old file: " + ec.message();
      return false;
    }
  }
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc != SQLITE_OK) {
    error = path + ": cannot create the database: " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    sqlite3_close(db);
    fs::remove(path, ec);
    return false;
  }
  try {
    // A file made in one go needs no rollback journal; one transaction
    // keeps the whole build in memory pages until the commit.
    Exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;");
    Exec(db, "BEGIN");
    Exec(db, std::string(ff::data::SchemaSql()));
    BenchCounts made = Maker(db, seed, scale).Run();
    Exec(db, "COMMIT");
    if (counts) *counts = made;
  } catch (const std::exception& e) {
    error = path + ": " + e.what();
    sqlite3_close(db);
    fs::remove(path, ec);
    return false;
  }
  if (sqlite3_close(db) != SQLITE_OK) {
    error = path + ": cannot close the database";
    fs::remove(path, ec);
    return false;
  }
  return true;
}

}  // namespace ff::bench
