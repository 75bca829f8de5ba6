// What the generators and the merge ask of a file on disk before they touch
// it. The rest of the engine asks here instead of calling the system, so
// that another platform means another file beside this one.
#pragma once

#include <filesystem>
#include <string>

namespace ff {

// True when `path` (the system's bytes) is a file that can be opened for
// reading. A folder opens, but it is no file to read.
bool IsReadableFile(const std::string& path);

// 0 when the existing file `path` may be written, else the system's error
// number: the user lacks the right, or the file has no write bit for
// anybody (as a root user's write would still go through, but the owner
// meant it to be kept).
int WriteRefused(const std::string& path);

enum class ReadOutcome { Read, Missing, NotAFile, Failed };
// The whole file into `bytes`. `error` is the system's error number for
// Failed.
ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes, int& error);

// Where the last folder separator of `path` (the system's bytes) is, or
// npos: '/' on every system, '\\' too on Windows.
size_t LastSeparator(const std::string& path);

// `path` (the system's bytes) as std::filesystem takes it, and back. On
// Windows the engine's paths are UTF-8, which std::filesystem would read in
// the C library's locale instead.
std::filesystem::path FsPath(const std::string& path);
std::string PathString(const std::filesystem::path& path);

// The running program's name as the desktop program gave it ("" without
// one): the author of generated files when nobody set one.
std::string ProgramName();

}  // namespace ff
