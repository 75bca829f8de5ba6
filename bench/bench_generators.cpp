// ff-bench: measures the generators on the large synthetic configuration
// database and prints one table.
//
//   ff-bench [--db FILE | --seed N --scale F] [--out DIR] [--runs N] [--calls N] [--strict]
//
// Without --db the database is made (once) under the build folder:
// bench/bench-seed<N>[-x<F>]-<schema digest>.sqlite.
//
// Each measurement runs in a fresh child process (this program started
// again with --phase), so that its peak resident memory is its own and no
// phase profits from the page cache of SQLite or the heap of another.
//
// Phases:
//   headers        the five definition headers
//   modules        Process.h and Process.cpp of every FOS and BLS module
//   whole          headers, then modules: a full regeneration
//   fos-text       the text of one FOS function, repeated
//   bls-text       the text of one BLS function, repeated
//   snippet        the client snippet of one BLS function, repeated
// and for each of them the yardstick "<phase> queries": the very SQL texts
// that the phase ran (recorded once in an untimed run), run again on the
// same kind of connection into a CMemRecord, every value read by caption
// and discarded. Generation time over query time is the cost of making the
// text beyond reading the database.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <CLI/CLI.hpp>

#include "bench/bench_db.h"
#include "codetext/code_maker.h"
#include "data/embedded_sql.h"
#include "host/db_store.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "login/config_db.h"
#include "modulecode/config_query.h"
#include "res/function_templates.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"

namespace fs = std::filesystem;
namespace gbk = ff::gbk;

namespace {

using Clock = std::chrono::steady_clock;

// --- process figures --------------------------------------------------------

// Peak resident set of this process so far, in KiB (VmHWM).
long long PeakRssKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atoll(line.c_str() + 6);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// CPU seconds (user and system) of this process so far.
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

std::string LoadAverage() {
  std::ifstream file("/proc/loadavg");
  std::string one, five, fifteen;
  file >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

long long TreeBytes(const fs::path& folder) {
  long long total = 0;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
    if (entry.is_regular_file()) total += static_cast<long long>(entry.file_size());
  }
  return total;
}

// --- the connection -----------------------------------------------------------

// Passes every query to the SQLite store; counts them and, when asked,
// appends each SQL text (length, then bytes) to a file for the yardstick.
class RecordingStore : public ff::DbStore {
 public:
  explicit RecordingStore(std::unique_ptr<ff::DbStore> inner) : inner_(std::move(inner)) {}
  ~RecordingStore() override {
    if (log_) std::fclose(log_);
  }
  bool RecordTo(const std::string& path) {
    log_ = std::fopen(path.c_str(), "wb");
    return log_ != nullptr;
  }
  void Pause(bool paused) { paused_ = paused; }
  bool Select(const std::string& sql, CStdRecord& record, std::string& error) override {
    Count(sql);
    return inner_->Select(sql, record, error);
  }
  bool SelectEach(const std::string& sql, CMemRecord& row, const RowHandler& onRow, std::string& error) override {
    Count(sql);
    return inner_->SelectEach(sql, row, onRow, error);
  }
  long long queries = 0;

 private:
  void Count(const std::string& sql) {
    ++queries;
    if (log_ && !paused_) {
      const auto size = static_cast<std::uint32_t>(sql.size());
      std::fwrite(&size, sizeof size, 1, log_);
      std::fwrite(sql.data(), 1, sql.size(), log_);
    }
  }

  std::unique_ptr<ff::DbStore> inner_;
  std::FILE* log_ = nullptr;
  bool paused_ = false;
};

RecordingStore* Connect(const std::string& dbPath) {
  std::string error;
  std::unique_ptr<ff::DbStore> store = ff::OpenSqliteStore(dbPath, error);
  if (!store) {
    std::fprintf(stderr, "ff-bench: %s\n", gbk::ToUtf8(error).c_str());
    std::exit(1);
  }
  auto recording = std::make_unique<RecordingStore>(std::move(store));
  RecordingStore* handle = recording.get();
  DisconnectConfigDB();
  g_pConfigDB = new CSimDB();
  g_pConfigDB->Attach(std::move(recording));
  return handle;
}

// --- what the phases generate -------------------------------------------------

struct Module {
  long id = 0;
  std::string name;
  std::string chineseName;
};

std::vector<Module> ReadModules(bool bls) {
  CMemRecord modules;
  ff::code::RunQuery(ff::res::ModuleQuery(bls), modules);
  std::vector<Module> rows;
  for (modules.GoTop(); !modules.Eof(); modules.Skip(1)) {
    rows.push_back({gbk::AtoL(gbk::Trim(modules.GetRef(ff::res::module::CaptionModuleId()))),
                    modules.GetRef(ff::res::module::CaptionModuleName()),
                    modules.GetRef(ff::res::module::CaptionModuleChineseName())});
  }
  return rows;
}

void MakeHeaders(const fs::path& folder) {
  CCodeMaker maker;
  maker.SetAuthor("bench");
  const std::string dir = gbk::FromUtf8(folder.string()) + "/";
  maker.MakeFidDefFile(dir + "fiddef.h", true);
  maker.MakeFixDefFile(dir + "fixdef.h", true);
  maker.MakeBlsDefFile(dir + "blsdef.h", true);
  maker.MakeFosDefFile(dir + "fosdef.h", true);
  maker.MakeSysDefFile(dir + "sysdef.h", true);
}

// One module to generate, with the folder its two files go into.
struct ModuleJob {
  bool bls = false;
  Module module;
  std::string folder;  // GBK, ending in '/'
};

// Reads the module lists and makes a folder <folder>/<fos|bls>/<id>/ for
// each module, as a caller does before it asks for the files.
std::vector<ModuleJob> PrepareModules(const fs::path& folder) {
  std::vector<ModuleJob> jobs;
  for (bool bls : {false, true}) {
    for (Module& module : ReadModules(bls)) {
      const fs::path dir = folder / (bls ? "bls" : "fos") / std::to_string(module.id);
      fs::create_directories(dir);
      jobs.push_back({bls, std::move(module), gbk::FromUtf8(dir.string()) + "/"});
    }
  }
  return jobs;
}

// Process.h and Process.cpp of every module, with the settings of the
// module code page (compact validation, aligned lines).
void MakeModules(const std::vector<ModuleJob>& jobs) {
  for (const ModuleJob& job : jobs) {
    CCodeMaker maker;
    maker.SetAuthor("bench");
    maker.SetProjectName(job.module.name + " " + job.module.chineseName);
    maker.SetValidateStyle(3);
    maker.SetBeautify(true);
    if (job.bls) {
      maker.MakeBlsModuleHeader(job.folder + "Process.h", job.module.id, true);
      maker.MakeBlsModuleSource(job.folder + "Process.cpp", job.module.id, true);
    } else {
      maker.MakeFosModuleHeader(job.folder + "Process.h", job.module.id, true);
      maker.MakeFosModuleSource(job.folder + "Process.cpp", job.module.id, true);
    }
  }
}

// The function the single-text phases repeat: the first function of the
// middle module of its kind. Read before the timed part.
struct OneFunction {
  long module = 0;
  std::string code;
};

OneFunction PickFunction(bool bls) {
  const std::vector<Module> modules = ReadModules(bls);
  OneFunction picked;
  if (modules.empty()) return picked;
  picked.module = modules[modules.size() / 2].id;
  CMemRecord functions;
  ff::code::RunQuery(ff::code::QueryWithId(ff::res::FunctionQueryTemplate(bls), picked.module), functions);
  functions.GoTop();
  picked.code = gbk::Trim(functions.GetRef(bls ? ff::res::fn::CaptionBlsCode() : ff::res::fn::CaptionFosCode()));
  return picked;
}

// Runs the recorded SQL texts into a record, reading every value by caption.
// Returns the bytes read.
long long ReplayQueries(const std::vector<std::string>& queries) {
  long long bytes = 0;
  CMemRecord record;
  for (const std::string& sql : queries) {
    g_pConfigDB->Cmd(sql);
    g_pConfigDB->SelectInto(&record, true);
    const std::vector<std::string>& columns = record.Columns();
    for (record.GoTop(); !record.Eof(); record.Skip(1)) {
      for (const std::string& caption : columns) bytes += static_cast<long long>(record.GetRef(caption).size());
    }
  }
  return bytes;
}

std::vector<std::string> LoadQueries(const std::string& path) {
  std::vector<std::string> queries;
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) {
    std::fprintf(stderr, "ff-bench: cannot read %s\n", path.c_str());
    std::exit(1);
  }
  std::uint32_t size = 0;
  while (std::fread(&size, sizeof size, 1, in) == 1) {
    std::string sql(size, '\0');
    if (std::fread(sql.data(), 1, size, in) != size) break;
    queries.push_back(std::move(sql));
  }
  std::fclose(in);
  return queries;
}

// --- one phase in this process --------------------------------------------------

struct ChildArgs {
  std::string phase;
  std::string db;
  std::string out;      // a fresh folder for this child's files
  std::string record;   // file to record the SQL texts into ("" = none)
  std::vector<std::string> replay;  // yardstick: files of SQL texts
  int calls = 1;
  bool keep = false;  // leave the generated files (to compare two builds)
};

bool IsRepeatedPhase(const std::string& phase) {
  return phase == "fos-text" || phase == "bls-text" || phase == "snippet";
}

int RunChild(const ChildArgs& args) {
  RecordingStore* store = Connect(args.db);
  const fs::path out(args.out);
  fs::create_directories(out);

  long long bytes = 0;
  long long calls = 1;
  double seconds = 0;
  long long rssBefore = 0;
  long long queriesBefore = 0;
  double cpuStart = 0;
  double cpu = 0;

  if (!args.replay.empty()) {
    std::vector<std::string> queries;
    for (const std::string& file : args.replay) {
      std::vector<std::string> part = LoadQueries(file);
      queries.insert(queries.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
    }
    calls = args.calls;
    rssBefore = PeakRssKb();
    queriesBefore = store->queries;
    cpuStart = CpuSeconds();
    const auto start = Clock::now();
    for (long long i = 0; i < calls; ++i) bytes += ReplayQueries(queries);
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    cpu = CpuSeconds() - cpuStart;
  } else if (IsRepeatedPhase(args.phase)) {
    const bool bls = args.phase != "fos-text";
    const OneFunction function = PickFunction(bls);
    CCodeMaker maker;
    maker.SetAuthor("bench");
    std::string text;
    calls = args.record.empty() ? args.calls : 1;
    if (!args.record.empty()) store->RecordTo(args.record);
    rssBefore = PeakRssKb();
    queriesBefore = store->queries;
    cpuStart = CpuSeconds();
    const auto start = Clock::now();
    for (long long i = 0; i < calls; ++i) {
      if (args.phase == "fos-text") {
        maker.MakeFosFunctionText(function.module, function.code, text);
      } else if (args.phase == "bls-text") {
        maker.MakeBlsFunctionText(function.module, function.code, text);
      } else {
        maker.MakeBlsClientSnippet(function.module, true, function.code, text);
      }
      bytes += static_cast<long long>(text.size());
    }
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    cpu = CpuSeconds() - cpuStart;
    if (text.empty()) {
      std::fprintf(stderr, "ff-bench: %s made no text for %s\n", args.phase.c_str(), function.code.c_str());
      return 1;
    }
  } else {
    const bool headers = args.phase == "headers" || args.phase == "whole";
    const bool modules = args.phase == "modules" || args.phase == "whole";
    const std::vector<ModuleJob> jobs = modules ? PrepareModules(out) : std::vector<ModuleJob>();
    if (!args.record.empty()) store->RecordTo(args.record);
    rssBefore = PeakRssKb();
    queriesBefore = store->queries;
    cpuStart = CpuSeconds();
    const auto start = Clock::now();
    if (headers) MakeHeaders(out);
    if (modules) MakeModules(jobs);
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    cpu = CpuSeconds() - cpuStart;
    bytes = TreeBytes(out);
    if (bytes == 0) {
      std::fprintf(stderr, "ff-bench: %s wrote nothing\n", args.phase.c_str());
      return 1;
    }
  }
  const long long peak = PeakRssKb();
  const long long queries = store->queries - queriesBefore;
  DisconnectConfigDB();
  std::error_code ignored;
  if (!args.keep) fs::remove_all(out, ignored);
  std::printf("RESULT %.6f %.6f %lld %lld %lld %lld %lld\n", seconds, cpu, bytes, calls, queries, rssBefore, peak);
  return 0;
}

// --- the parent -------------------------------------------------------------------

struct Measured {
  double seconds = 0;
  double cpu = 0;
  long long bytes = 0;
  long long calls = 0;
  long long queries = 0;
  long long rssBeforeKb = 0;
  long long peakKb = 0;
};

std::string SelfPath() {
  std::error_code error;
  fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string("/proc/self/exe") : self.string();
}

// Starts this program with `args` and reads its RESULT line.
bool RunInChild(const std::vector<std::string>& args, Measured& result) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return false;
  const std::string self = SelfPath();
  pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) {
    dup2(pipeFds[1], STDOUT_FILENO);
    close(pipeFds[0]);
    close(pipeFds[1]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(self.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(self.c_str(), argv.data());
    _exit(127);
  }
  close(pipeFds[1]);
  std::string output;
  char buffer[4096];
  ssize_t n;
  while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) output.append(buffer, static_cast<size_t>(n));
  close(pipeFds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  const size_t at = output.rfind("RESULT ");
  if (at == std::string::npos) return false;
  return std::sscanf(output.c_str() + at, "RESULT %lf %lf %lld %lld %lld %lld %lld", &result.seconds, &result.cpu,
                     &result.bytes, &result.calls, &result.queries, &result.rssBeforeKb, &result.peakKb) == 7;
}

struct Row {
  std::string name;
  std::vector<Measured> runs;
  Measured median;  // median time; largest peak
  double yardstick = 0;  // seconds of the row's queries alone, when given
};

Measured Summarise(std::vector<Measured> runs) {
  std::sort(runs.begin(), runs.end(), [](const Measured& a, const Measured& b) { return a.seconds < b.seconds; });
  Measured m = runs[runs.size() / 2];
  for (const Measured& r : runs) {
    m.peakKb = std::max(m.peakKb, r.peakKb);
    m.rssBeforeKb = std::max(m.rssBeforeKb, r.rssBeforeKb);
  }
  return m;
}

std::string Human(double bytesPerSecond) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", bytesPerSecond / (1024.0 * 1024.0));
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Measures the FidForge generators on the large synthetic configuration database."};
  std::string db;
  std::string outRoot;
  int runs = 3;
  int calls = 2000;
  std::uint64_t seed = 1;
  double scale = 1.0;
  bool strict = false;
  ChildArgs child;
  app.add_option("--db", db, "The benchmark database (made with the seed and scale when missing)");
  app.add_option("--out", outRoot, "Scratch folder for the generated files (default: beside the database)");
  app.add_option("--runs", runs, "Fresh processes per whole-database measurement; the median is shown")
      ->capture_default_str()
      ->check(CLI::PositiveNumber);
  app.add_option("--calls", calls, "Repetitions of the single function text and snippet")
      ->capture_default_str()
      ->check(CLI::PositiveNumber);
  app.add_option("--seed", seed, "Seed of a database that has to be made")->capture_default_str();
  app.add_option("--scale", scale, "Scale of a database that has to be made")->capture_default_str();
  app.add_flag("--strict", strict, "Exit with status 3 when a target is missed");
  // Internal: one measurement in this process.
  app.add_option("--phase", child.phase)->group("");
  app.add_option("--child-out", child.out)->group("");
  app.add_option("--record", child.record)->group("");
  app.add_option("--replay", child.replay)->group("");
  app.add_option("--child-calls", child.calls)->group("");
  app.add_flag("--keep-output", child.keep)->group("");
  CLI11_PARSE(app, argc, argv);

  if (!child.phase.empty()) {
    child.db = db;
    return RunChild(child);
  }

  const bool standardSize = scale == 1.0;
  if (db.empty()) {
    // The file name carries the seed, the scale and a digest of the schema,
    // so that a changed schema (an index more) makes a new database.
    char digest[32];
    std::snprintf(digest, sizeof digest, "%08zx", std::hash<std::string_view>{}(ff::data::SchemaSql()) & 0xffffffffu);
    char scaleText[32] = "";
    if (scale != 1.0) std::snprintf(scaleText, sizeof scaleText, "-x%g", scale);
    db = (fs::path(SelfPath()).parent_path().parent_path() / "bench" /
          ("bench-seed" + std::to_string(seed) + scaleText + "-" + digest + ".sqlite"))
             .string();
  }
  if (!fs::exists(db)) {
    fs::create_directories(fs::path(db).parent_path());
    ff::bench::BenchCounts counts;
    std::string error;
    const auto start = Clock::now();
    if (!ff::bench::MakeBenchDatabase(db, seed, ff::bench::BenchScale{}.Scaled(scale), false, &counts, error)) {
      std::fprintf(stderr, "ff-bench: %s\n", error.c_str());
      return 1;
    }
    std::printf("made %s in %.2f s\n", db.c_str(), std::chrono::duration<double>(Clock::now() - start).count());
  }
  if (outRoot.empty()) outRoot = (fs::path(db).parent_path() / "bench-out").string();
  fs::create_directories(outRoot);
  const fs::path recordDir = fs::path(outRoot) / "queries";
  fs::create_directories(recordDir);

  int serial = 0;
  auto childOut = [&] { return (fs::path(outRoot) / ("run-" + std::to_string(getpid()) + "-" + std::to_string(++serial))).string(); };

  // The database's size and the repeated functions, for the heading.
  {
    Connect(db);
    auto count = [](const char* table) {
      CMemRecord record;
      ff::code::RunQuery(std::string("SELECT COUNT(*) N FROM ") + table, record);
      return gbk::AtoL(record.GetRef("N", 0));
    };
    std::printf("database %s (%.1f MB): %ld FIDs, %ld+%ld modules, %ld+%ld functions, %ld+%ld parameters (FOS+BLS)\n",
                db.c_str(), static_cast<double>(fs::file_size(db)) / (1024.0 * 1024.0), count("T151"),
                count("T158"), count("T164"), count("T154"), count("T161"), count("T156"), count("T162"));
    const OneFunction fos = PickFunction(false), bls = PickFunction(true);
    std::printf("repeated: FOS function %s of module %ld, BLS function %s of module %ld (text and snippet)\n",
                gbk::ToUtf8(fos.code).c_str(), fos.module, gbk::ToUtf8(bls.code).c_str(), bls.module);
    DisconnectConfigDB();
  }

  const std::vector<std::string> phases = {"headers", "modules", "whole", "fos-text", "bls-text", "snippet"};

  // Untimed runs that record the SQL texts of each phase.
  std::map<std::string, std::string> recorded;
  for (const char* phase : {"headers", "modules", "fos-text", "bls-text", "snippet"}) {
    const std::string file = (recordDir / (std::string(phase) + ".sql")).string();
    Measured ignored;
    if (!RunInChild({"--db", db, "--phase", phase, "--child-out", childOut(), "--record", file}, ignored)) {
      std::fprintf(stderr, "ff-bench: recording the queries of %s failed\n", phase);
      return 1;
    }
    recorded[phase] = file;
  }

  std::vector<Row> rows;
  for (const std::string& phase : phases) {
    const bool repeated = IsRepeatedPhase(phase);
    const int processes = repeated ? 1 : runs;
    const std::string callText = std::to_string(repeated ? calls : 1);
    std::vector<std::string> replay;
    if (phase == "whole") {
      replay = {recorded["headers"], recorded["modules"]};
    } else {
      replay = {recorded[phase]};
    }

    Row generated{phase, {}, {}, 0};
    Row queries{phase + " queries", {}, {}, 0};
    for (int i = 0; i < processes; ++i) {
      Measured m;
      if (!RunInChild({"--db", db, "--phase", phase, "--child-out", childOut(), "--child-calls", callText}, m)) {
        std::fprintf(stderr, "ff-bench: phase %s failed\n", phase.c_str());
        return 1;
      }
      generated.runs.push_back(m);
      std::vector<std::string> args = {"--db", db, "--phase", "queries", "--child-out", childOut(), "--child-calls",
                                       callText};
      for (const std::string& file : replay) {
        args.push_back("--replay");
        args.push_back(file);
      }
      if (!RunInChild(args, m)) {
        std::fprintf(stderr, "ff-bench: the queries of %s failed\n", phase.c_str());
        return 1;
      }
      queries.runs.push_back(m);
    }
    generated.median = Summarise(generated.runs);
    queries.median = Summarise(queries.runs);
    generated.yardstick = queries.median.seconds;
    rows.push_back(generated);
    rows.push_back(queries);
  }

  // The table. A run whose CPU time falls well short of its wall time
  // waited for the CPU (or the disk): another process competed with it.
  constexpr double kBusyShare = 0.85;
  bool contended = false;
  std::printf("\n%-18s %6s %8s %8s %12s %9s %9s %8s %9s %9s %7s\n", "measurement", "calls", "time s", "cpu s",
              "per call ms", "MB out", "MB/s", "queries", "peak MB", "+growth", "ratio");
  for (const Row& row : rows) {
    const Measured& m = row.median;
    const double perCall = m.calls > 0 ? m.seconds * 1000.0 / static_cast<double>(m.calls) : 0;
    char ratio[16] = "";
    if (row.yardstick > 0) std::snprintf(ratio, sizeof ratio, "%.2f", m.seconds / row.yardstick);
    const bool busy = m.cpu < kBusyShare * m.seconds;
    contended = contended || busy;
    std::printf("%-18s %6lld %8.3f %8.3f %12.3f %9.2f %9s %8lld %9.1f %9.1f %7s%s\n", row.name.c_str(), m.calls,
                m.seconds, m.cpu, perCall, static_cast<double>(m.bytes) / (1024.0 * 1024.0),
                Human(m.seconds > 0 ? static_cast<double>(m.bytes) / m.seconds : 0).c_str(), m.queries,
                static_cast<double>(m.peakKb) / 1024.0,
                static_cast<double>(m.peakKb - m.rssBeforeKb) / 1024.0, ratio, busy ? " *" : "");
  }
  std::printf(
      "\ntime: wall-clock, median of %d fresh processes (one process for the repeated texts); cpu: user and\n"
      "system time of that run; MB out: generated bytes (for the query rows: bytes of the values read);\n"
      "peak: the process's VmHWM (a yardstick's includes the SQL texts it replays, loaded beforehand);\n"
      "+growth: VmHWM growth during the measurement; ratio: generation time over the time of its own\n"
      "queries alone.\n",
      runs);
  if (contended) {
    std::printf(
        "* cpu under %.0f%% of time: the run waited, most likely for a CPU another process held (load average\n"
        "  now %s); the wall-clock figures are not the machine's. Run again when it is quiet.\n",
        kBusyShare * 100, LoadAverage().c_str());
  }

  // The targets.
  auto find = [&rows](const std::string& name) -> const Row& {
    for (const Row& row : rows)
      if (row.name == name) return row;
    return rows.front();
  };
  bool met = true;
  auto target = [&met](bool ok, const std::string& text) {
    met = met && ok;
    std::printf("  %-6s %s\n", ok ? "met" : "MISSED", text.c_str());
  };
  std::printf("\ntargets:\n");
  const Row& whole = find("whole");
  char line[200];
  if (standardSize) {
    std::snprintf(line, sizeof line, "whole database (headers and all module sources) under 3 s: %.3f s",
                  whole.median.seconds);
    target(whole.median.seconds < 3.0, line);
  } else {
    std::printf("  %-6s %s\n", "-", "the 3 s target is set for the standard database (--scale 1)");
  }
  for (const char* name : {"headers", "modules", "whole"}) {
    const Row& row = find(name);
    std::snprintf(line, sizeof line, "%s at most twice its queries: %.2f x", name, row.median.seconds / row.yardstick);
    target(row.median.seconds <= 2.0 * row.yardstick, line);
  }
  // The yardstick holds its recorded SQL texts in memory; its peak is not
  // the generators'.
  long long peak = 0;
  for (const Row& row : rows)
    if (row.yardstick > 0) peak = std::max(peak, row.median.peakKb);
  std::snprintf(line, sizeof line, "peak memory under 100 MB in every generation: %.1f MB",
                static_cast<double>(peak) / 1024.0);
  target(peak < 100 * 1024, line);

  std::error_code ignored;
  fs::remove_all(recordDir, ignored);
  return strict && !met ? 3 : 0;
}
