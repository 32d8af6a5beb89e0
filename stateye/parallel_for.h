#pragma once

#include <functional>

namespace tovan {

// Runs job(i) for i = 0 ... count - 1, each index on exactly one of as many threads as
// the machine has cores (the calling thread among them), and returns when all are
// done. The jobs must not depend on one another; then nothing depends on the number of
// threads.
void ParallelFor(int count, const std::function<void(int)>& job);

}  // namespace tovan
