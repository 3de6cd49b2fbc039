#pragma once
// Reproducible random numbers for the randomised comparisons: a seed gives the same sequence
// on every machine and standard library, so a failing case can be found again.

#include <cstdint>

namespace armakon::testsupport {

class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
  // Uniform in [low, high).
  double uniform(double low, double high) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return low + (high - low) * static_cast<double>(state_ >> 11) / 9007199254740992.0;
  }
  // Uniform in 0 .. n - 1.
  int below(int n) { return static_cast<int>(uniform(0.0, n)) % n; }

 private:
  std::uint64_t state_;
};

}  // namespace armakon::testsupport
