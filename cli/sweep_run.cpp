#include "cli/sweep_run.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "cli/engine_setup.h"
#include "document/number_format.h"
#include "engine/signal_engine.h"
#include "measure/engine_eye.h"
#include "stateye/stat_eye.h"

namespace tovan {
namespace {

// The points of one sweep and what the threads have made of them. The command line
// sets no noise, so an engine's draws from the shared random generator add exactly
// zero and no point depends on another.
class SharedSweep {
 public:
  SharedSweep(const CliOptions& options, const SweepRequest& sweep, ProgressBar& progress)
      : options_(options),
        sweep_(sweep),
        progress_(progress),
        eyes_(sweep.values.size()),
        statEyes_(sweep.values.size()),
        firstFailure_(static_cast<int>(sweep.values.size())) {}

  // One thread's work: its own engine takes unclaimed points in ascending order until
  // none is left before the first failure.
  void Work() {
    const auto engine = std::make_unique<SignalEngine>();
    ConfigureEngine(*engine, options_);
    for (int i = next_.fetch_add(1); i < firstFailure_.load(); i = next_.fetch_add(1)) {
      WriteSweptValue(*engine, options_, sweep_.parameter, sweep_.values[i]);
      const EyeComparison eye = MeasureEngineEye(*engine);
      if (engine->Failed()) return NoteFailure(i);
      eyes_[i] = eye;
      if (options_.statEye)
        statEyes_[i] = ComputeStatEyeFigures(EngineEyeSignal(*engine), *options_.statEye).figures;
      const std::lock_guard lock(progressMutex_);
      progress_.Update(++finished_);
    }
  }

  // Every point before the first failure was claimed and finished by some thread.
  std::vector<SweepRow> Rows() const {
    std::vector<SweepRow> rows;
    rows.reserve(static_cast<std::size_t>(firstFailure_.load()));
    for (int i = 0; i < firstFailure_.load(); ++i) rows.push_back({sweep_.values[i], *eyes_[i], statEyes_[i]});
    return rows;
  }

 private:
  void NoteFailure(int i) {
    int known = firstFailure_.load();
    while (i < known && !firstFailure_.compare_exchange_weak(known, i)) {
    }
  }

  const CliOptions& options_;
  const SweepRequest& sweep_;
  ProgressBar& progress_;
  std::vector<std::optional<EyeComparison>> eyes_;  // each written by the thread that claimed it
  std::vector<std::optional<EyeAtBer>> statEyes_;   // likewise, with --stat-eye
  std::atomic<int> next_{0};
  std::atomic<int> firstFailure_;  // the number of points while none has failed
  std::mutex progressMutex_;
  int finished_ = 0;
};

}  // namespace

int DefaultSweepJobs() {
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

std::vector<SweepRow> SweepRows(const CliOptions& options, const SweepRequest& sweep, int jobs,
                                ProgressBar& progress) {
  SharedSweep shared(options, sweep, progress);
  const int threads = std::min(jobs, static_cast<int>(sweep.values.size()));
  {
    // The calling thread does its share too; the others are joined at the end of the block.
    std::vector<std::jthread> helpers;
    for (int t = 1; t < threads; ++t) helpers.emplace_back([&shared] { shared.Work(); });
    shared.Work();
  }
  progress.Finish();
  return shared.Rows();
}

int RunSweep(const CliOptions& options, std::ostream& out, std::ostream& err, bool showProgress) {
  if (!options.sweep) return 0;
  const SweepRequest& sweep = *options.sweep;
  ProgressBar progress(err, static_cast<int>(sweep.values.size()), showProgress);
  const std::vector<SweepRow> rows =
      SweepRows(options, sweep, options.jobs.value_or(DefaultSweepJobs()), progress);
  const std::string text =
      options.json ? SweepDocument(sweep.parameter, rows) + "\n" : SweepCsv(sweep.parameter, rows);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (rows.size() == sweep.values.size()) return 0;
  err << "tovan-cli: the computation failed at " << sweep.parameter.name << " "
      << PlainText(sweep.values[rows.size()]) << "; only the rows before it are written\n";
  return 1;
}

}  // namespace tovan
