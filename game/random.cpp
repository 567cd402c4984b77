#include "game/random.h"

#include <atomic>
#include <cassert>
#include <chrono>
#include <random>

namespace vozi {
namespace {

std::uint64_t splitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// The clock alone repeats within one tick; a per-process entropy word and a
// counter of seedings make every seeding distinct.
std::uint64_t clockSeed() {
  static const std::uint64_t processEntropy =
      (static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}();
  static std::atomic<std::uint64_t> seedings{0};
  const auto ticks =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::uint64_t mix = ticks ^ processEntropy;
  mix = splitMix(mix) ^ seedings.fetch_add(1, std::memory_order_relaxed);
  return splitMix(mix);
}

}  // namespace

Random::Random(std::uint64_t seed, bool followsClock) : state_(seed), followsClock_(followsClock) {}

Random Random::fromClock() {
  return Random(clockSeed(), true);
}

Random Random::seeded(std::uint64_t seed) {
  return Random(seed, false);
}

void Random::seedFromClock() {
  if (followsClock_) state_ = clockSeed();
}

std::uint64_t Random::next() {
  return splitMix(state_);
}

int Random::uniform(int lo, int hi) {
  assert(lo <= hi);
  const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
  // Rejection keeps every value equally likely.
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % span;
  std::uint64_t draw = next();
  while (draw >= limit) draw = next();
  return static_cast<int>(lo + static_cast<std::int64_t>(draw % span));
}

}  // namespace vozi
