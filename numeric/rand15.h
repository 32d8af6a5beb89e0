#pragma once

#include <cstdlib>

namespace tovan {

// The program's one noise source: the C library's rand, reduced to 0 ... 32767, the
// range its users scale for. Unchanged where the runtime's RAND_MAX is 32767; on
// runtimes with a larger RAND_MAX the unreduced value would scale the noise up to
// 65536 times too large.
inline int Rand15() { return std::rand() % 32768; }

}  // namespace tovan
