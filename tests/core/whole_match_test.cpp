// Whole matches played through the card list's key handler by a random player
// on the recording desktop, with a referee watching every play.
#include <gtest/gtest.h>

#include "support/rules_checker.h"
#include "tools/sim/simulator.h"

namespace vozi {
namespace {

TEST(WholeMatch, EveryTrickAndHandKeepsTheRules) {
  for (std::uint64_t seed : {1u, 2u, 3u}) {
    sim::Simulator simulator(seed, nullptr, ".");
    testing::RulesChecker referee(simulator.game().state);
    simulator.setObserver(&referee);
    const sim::Summary summary = simulator.run(1);
    EXPECT_FALSE(summary.stuck);
    EXPECT_EQ(summary.matches, 1);
    EXPECT_EQ(summary.tricks, summary.hands * 13);
    EXPECT_EQ(referee.handsChecked, summary.hands);
    EXPECT_GT(summary.refusals, 0) << "the random player tries illegal cards too";
    EXPECT_TRUE(referee.faults.empty()) << referee.report();
  }
}

TEST(WholeMatch, ASeedReplaysTheSameTrace) {
  std::ostringstream first, second, other;
  sim::Simulator(9, &first, ".").run(1);
  sim::Simulator(9, &second, ".").run(1);
  sim::Simulator(10, &other, ".").run(1);
  EXPECT_EQ(first.str(), second.str());
  EXPECT_NE(first.str(), other.str());
  EXPECT_NE(first.str().find(R"({"ev":"matchEnd","champion":)"), std::string::npos);
}

}  // namespace
}  // namespace vozi
