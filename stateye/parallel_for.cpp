#include "stateye/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace tovan {

void ParallelFor(int count, const std::function<void(int)>& job) {
  std::atomic<int> next{0};
  const auto work = [&] {
    for (int i = next++; i < count; i = next++) job(i);
  };
  const int helpers = std::min(count, static_cast<int>(std::thread::hardware_concurrency())) - 1;
  std::vector<std::thread> threads;
  for (int i = 0; i < helpers; ++i) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
}

}  // namespace tovan
