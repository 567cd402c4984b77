// Thousands of seeded matches, a referee checking every play, trick and hand.
// The number of matches comes from VOZI_SOAK_MATCHES so that the sanitizer
// build, slower by far, can run its own share.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/rules_checker.h"
#include "tools/sim/simulator.h"

namespace vozi {
namespace {

int soakMatches() {
  const char* configured = std::getenv("VOZI_SOAK_MATCHES");
  return configured ? std::atoi(configured) : 500;
}

TEST(Soak, ThousandsOfMatchesKeepTheRules) {
  const int matches = soakMatches();
  constexpr int kMatchesPerSeed = 50;
  int played = 0;
  for (std::uint64_t seed = 1; played < matches; ++seed) {
    sim::Simulator simulator(seed, nullptr, ".");
    testing::RulesChecker referee(simulator.game().state);
    simulator.setObserver(&referee);
    const sim::Summary summary = simulator.run(std::min(kMatchesPerSeed, matches - played));
    ASSERT_FALSE(summary.stuck) << "seed " << seed;
    ASSERT_TRUE(referee.faults.empty()) << "seed " << seed << "\n" << referee.report();
    ASSERT_EQ(referee.matchesChecked, summary.matches);
    played += summary.matches;
  }
}

}  // namespace
}  // namespace vozi
