// A generated file: where it goes and its bytes. Generators fill it and
// know nothing of the disk; the writer (codetext/file_writer.h) puts it
// there.
#pragma once

#include <string>
#include <string_view>

namespace ff {

struct GenFile {
  GenFile() = default;
  explicit GenFile(std::string path, std::string text = {}, bool asIs = false)
      : path(std::move(path)), text(std::move(text)), asIs(asIs) {}

  std::string path;    // the system's bytes (UTF-8 on Linux, never GBK)
  std::string text;    // GBK code, converted on the way out when the run asks for UTF-8
  bool asIs = false;   // bytes that go out as they are (web pages are UTF-8 whatever the code's encoding)

  void Write(std::string_view bytes) { text.append(bytes); }
};

enum class FileOutcome {
  Written,
  Unchanged,
  Declined,
  WouldChange,  // --check: the file is not written, but its bytes would change
};

}  // namespace ff
