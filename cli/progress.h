// A counter on stderr for the runs that take a while (every module, the
// site, the headers), drawn as git draws one: a single line rewritten in
// place, "Writing modules:  45% (45/100)", ended with ", done.". It is shown
// only when stderr is a terminal and only once the run has taken about a
// second; a pipe or a log file gets nothing.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace ff::cli {

class ClearingUI;

class Progress {
 public:
  Progress(std::string title, size_t total);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // `done` of the total are finished.
  void Set(size_t done);
  // The same, for a run that learns its total as it goes.
  void Set(size_t done, size_t total) {
    total_ = total;
    Set(done);
  }
  // Ends the counter: ", done." when all is done, else the line is taken
  // away. The destructor does it too.
  void Done();

 private:
  void Draw(bool last);

  std::string title_;
  size_t total_;
  size_t done_ = 0;
  bool enabled_;
  bool shown_ = false;
  std::unique_ptr<ClearingUI> clearing_;  // installed while the counter is on the screen
  std::chrono::steady_clock::time_point start_, drawn_;
};

// Takes the counter line off the terminal before other text goes there:
// `toStdout` for standard output, which shares the screen only when it is
// a terminal too. The counter comes back with its next step.
void ClearProgressLine(bool toStdout);

}  // namespace ff::cli
