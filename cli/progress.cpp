#include "cli/progress.h"

#include <unistd.h>

#include <cstdio>
#include <utility>

#include "host/file_error.h"
#include "host/user_interface.h"

namespace ff::cli {
namespace {

using Clock = std::chrono::steady_clock;
// A run shorter than this needs no counter; after it, the counter is
// redrawn no more often than a terminal can show.
constexpr auto kDelay = std::chrono::seconds(1);
constexpr auto kRedraw = std::chrono::milliseconds(100);

size_t g_shownWidth = 0;  // the width of the counter line on the screen, 0: none

void Clear() {
  if (g_shownWidth == 0) return;
  std::fprintf(stderr, "\r%*s\r", static_cast<int>(g_shownWidth), "");
  std::fflush(stderr);
  g_shownWidth = 0;
}

}  // namespace

// The engine's messages and questions reach the console through the user
// interface: while a counter runs, each first takes the counter line away.
class ClearingUI : public UserInterface {
 public:
  ClearingUI() : inner_(UI()), installed_(InstalledUserInterface()) { SetUserInterface(this); }
  ~ClearingUI() override { SetUserInterface(installed_); }
  void ShowMessage(const std::string& text) override {
    Clear();
    inner_.ShowMessage(text);
  }
  bool AskYesNo(const std::string& question) override {
    Clear();
    return inner_.AskYesNo(question);
  }
  bool AskOverwrite(const std::string& path, const std::string& question) override {
    Clear();
    return inner_.AskOverwrite(path, question);
  }
  void ReportFileError(const CFileException& error) override {
    Clear();
    inner_.ReportFileError(error);
  }

 private:
  UserInterface& inner_;
  UserInterface* installed_;
};

Progress::Progress(std::string title, size_t total)
    : title_(std::move(title)), total_(total), enabled_(::isatty(STDERR_FILENO) == 1), start_(Clock::now()) {}

Progress::~Progress() { Done(); }

void Progress::Done() {
  if (!enabled_) return;
  enabled_ = false;
  if (shown_ && done_ == total_) {
    Draw(true);
  } else {
    Clear();
  }
  clearing_.reset();
}

void Progress::Set(size_t done) {
  done_ = done;
  if (!enabled_) return;
  const auto now = Clock::now();
  if (now - start_ < kDelay || (g_shownWidth != 0 && now - drawn_ < kRedraw)) return;
  drawn_ = now;
  Draw(false);
}

void Progress::Draw(bool last) {
  const unsigned percent = total_ == 0 ? 100 : static_cast<unsigned>(done_ * 100 / total_);
  std::string line = title_ + ": " + (percent < 10 ? "  " : percent < 100 ? " " : "") + std::to_string(percent) +
                     "% (" + std::to_string(done_) + "/" + std::to_string(total_) + ")";
  if (last) line += ", done.";
  const size_t width = line.size();
  if (width < g_shownWidth) line.append(g_shownWidth - width, ' ');
  std::fprintf(stderr, "\r%s%s", line.c_str(), last ? "\n" : "");
  std::fflush(stderr);
  g_shownWidth = last ? 0 : width;
  shown_ = true;
  if (!clearing_) clearing_ = std::make_unique<ClearingUI>();
}

void ClearProgressLine(bool toStdout) {
  if (g_shownWidth == 0) return;
  if (toStdout && ::isatty(STDOUT_FILENO) != 1) return;
  Clear();
}

}  // namespace ff::cli
