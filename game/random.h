// The one source of chance in the game: the deal, the names and the computer
// players' turn factors all draw from it.
//
// A clock-seeded generator gives a new sequence at every seeding, even twice
// within one clock tick. A seeded generator ignores the game's requests to seed
// from the clock, so that a seed replays a whole game exactly.
#pragma once

#include <cstdint>

namespace vozi {

class Random {
 public:
  static Random fromClock();
  static Random seeded(std::uint64_t seed);

  void seedFromClock();
  // A uniform integer in lo..hi inclusive.
  int uniform(int lo, int hi);

 private:
  Random(std::uint64_t seed, bool followsClock);
  std::uint64_t next();

  std::uint64_t state_;
  bool followsClock_;
};

}  // namespace vozi
