// init-demo PATH: writes the demo configuration database to PATH.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "cli/commands.h"
#include "codetext/file_writer.h"
#include "data/embedded_sql.h"
#include "host/gbk_text.h"

namespace ff::cli {
namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// --check: the demo database is made in memory and compared with PATH byte
// for byte; nothing is written anywhere.
int CheckDemo(Context& context, const std::string& path, bool exists) {
  const std::string shown = gbk::FromUtf8(path);
  bool same = false;
  if (exists) {
    std::string bytes, error;
    if (!data::DemoDatabaseBytes(bytes, error)) {
      PrintError(error);
      return kFailure;
    }
    same = FileBytes(path) == bytes;
  }
  if (!same) context.Writer().NoteWouldChange();
  PrintLine((same ? "unchanged: " : "would change: ") + shown);
  return kOk;
}

int InitDemo(Context& context, const std::string& path) {
  const std::string shown = gbk::FromUtf8(path);
  struct stat info{};
#ifdef _WIN32
  const bool exists = ::stat(path.c_str(), &info) == 0;  // no links to tell apart
#else
  const bool exists = ::lstat(path.c_str(), &info) == 0;
#endif
  if (context.options.check) return CheckDemo(context, path, exists);
  if (exists && !context.options.force) {
    PrintError(shown + " already exists (give --force to replace it)");
    return kFailure;
  }
  if (exists && S_ISDIR(info.st_mode)) {
    PrintError(shown + " is a folder");
    return kFailure;
  }
  std::string error;
  if (!exists) {
    if (!data::CreateDatabase(path, true, error)) {
      PrintError(error);
      return kFailure;
    }
  } else {
    // Replacing: build beside the old file, then rename over it, so the
    // old file survives any failure.
    std::string temp = path + ".new-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
      PrintError("cannot create " + shown + ": " + gbk::FromUtf8(std::strerror(errno)));
      return kFailure;
    }
    ::close(fd);
    ::unlink(temp.c_str());
    if (!data::CreateDatabase(temp, true, error)) {
      PrintError(error);
      return kFailure;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
      int code = errno;
      ::unlink(temp.c_str());
      PrintError("cannot replace " + shown + ": " + gbk::FromUtf8(std::strerror(code)));
      return kFailure;
    }
  }
  PrintUtf8Line("demo database written to " + path);  // the path as the system spells it
  return kOk;
}

}  // namespace

FF_CLI_COMMAND(10, [](CLI::App& app, Context& context, int* status) {
  auto* command = app.add_subcommand("init-demo", "Write the demo configuration database to PATH");
  auto path = std::make_shared<std::string>();
  command->add_option("PATH", *path, "SQLite file to create")->required();
  command->callback([&context, status, path] { *status = InitDemo(context, *path); });
});

}  // namespace ff::cli
