#include "game/random.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace vozi {
namespace {

std::vector<int> draws(Random& random, int count) {
  std::vector<int> values;
  for (int i = 0; i < count; ++i) values.push_back(random.uniform(1, 1000000));
  return values;
}

TEST(Random, EverySeedingFromTheClockGivesANewSequence) {
  Random random = Random::fromClock();
  std::set<std::vector<int>> sequences;
  for (int i = 0; i < 1000; ++i) {  // far faster than one clock tick of a coarse clock
    random.seedFromClock();
    sequences.insert(draws(random, 4));
  }
  EXPECT_EQ(sequences.size(), 1000u);
}

TEST(Random, ASeededGeneratorReplaysAndIgnoresTheClock) {
  Random first = Random::seeded(42);
  Random second = Random::seeded(42);
  second.seedFromClock();
  EXPECT_EQ(draws(first, 50), draws(second, 50));
  Random other = Random::seeded(43);
  Random again = Random::seeded(42);
  EXPECT_NE(draws(other, 50), draws(again, 50));
}

TEST(Random, UniformCoversTheClosedRangeEvenly) {
  Random random = Random::seeded(7);
  std::vector<int> counts(5, 0);
  const int total = 50000;
  for (int i = 0; i < total; ++i) {
    const int value = random.uniform(8, 12);
    ASSERT_GE(value, 8);
    ASSERT_LE(value, 12);
    ++counts[static_cast<std::size_t>(value - 8)];
  }
  for (int count : counts) EXPECT_NEAR(count, total / 5, total / 50);
  EXPECT_EQ(random.uniform(3, 3), 3);
}

}  // namespace
}  // namespace vozi
