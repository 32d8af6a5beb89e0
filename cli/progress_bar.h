#pragma once

#include <chrono>
#include <ostream>
#include <string>

namespace tovan {

// "[=========>          ]  45/100": done of total as a bar of barWidth characters.
std::string ProgressLine(int done, int total, int barWidth = 40);

// A progress bar on a terminal for work that turns out to be slow: nothing is drawn
// until delay has passed since construction, then each Update redraws the line in
// place ('\r'), and Finish blanks it again so that later output starts clean. When
// not enabled (not a terminal) it writes nothing at all.
class ProgressBar {
 public:
  ProgressBar(std::ostream& out, int total, bool enabled,
              std::chrono::steady_clock::duration delay = std::chrono::seconds(1));
  void Update(int done);
  void Finish();

 private:
  std::ostream& out_;
  int total_;
  bool enabled_;
  std::chrono::steady_clock::time_point showFrom_;
  std::string shown_;
};

}  // namespace tovan
