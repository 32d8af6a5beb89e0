#include "cli/progress_bar.h"

#include <algorithm>

namespace tovan {

std::string ProgressLine(int done, int total, int barWidth) {
  const int clampedTotal = std::max(total, 1);
  const int clampedDone = std::clamp(done, 0, clampedTotal);
  const int filled =
      static_cast<int>(static_cast<long long>(clampedDone) * barWidth / clampedTotal);
  std::string bar(static_cast<std::size_t>(filled), '=');
  if (filled < barWidth) bar += clampedDone > 0 ? ">" : " ";
  bar.resize(static_cast<std::size_t>(std::max(barWidth, 0)), ' ');
  const std::string totalText = std::to_string(total);
  std::string doneText = std::to_string(done);
  if (doneText.size() < totalText.size())
    doneText.insert(0, totalText.size() - doneText.size(), ' ');
  return "[" + bar + "] " + doneText + "/" + totalText;
}

ProgressBar::ProgressBar(std::ostream& out, int total, bool enabled,
                         std::chrono::steady_clock::duration delay)
    : out_(out),
      total_(total),
      enabled_(enabled),
      showFrom_(std::chrono::steady_clock::now() + delay) {}

void ProgressBar::Update(int done) {
  if (!enabled_ || std::chrono::steady_clock::now() < showFrom_) return;
  std::string line = ProgressLine(done, total_);
  if (line == shown_) return;
  out_ << '\r' << line << std::flush;
  shown_ = std::move(line);
}

void ProgressBar::Finish() {
  if (shown_.empty()) return;
  out_ << '\r' << std::string(shown_.size(), ' ') << '\r' << std::flush;
  shown_.clear();
}

}  // namespace tovan
