#include "ai/exchange_choice.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/ai/table_fixture.h"

namespace vozi {
namespace {

constexpr int kPartner = 3;

std::vector<std::string> namesOf(const std::vector<Card>& cards) {
  std::vector<std::string> names;
  for (const Card& card : cards) names.push_back(card.name);
  return names;
}

TEST(ExchangeChoice, ThreeCallsPickThreeCardsBestFirstAndMarkOnlyThose) {
  // Scores: 黑桃A 29, 黑桃Q 30 - 5 × 3 + 12 = 27, 红心A 14 × 3 / 2 + 5 = 26,
  // then 梅花K 13 + 5 = 18; the rest lower.
  GameState state = Table()
                        .hand(kPartner,
                              "梅花2 梅花9 梅花K 方块3 方块8 方块10 方块J "
                              "黑桃4 黑桃Q 黑桃A 红心5 红心6 红心A")
                        .build();
  const std::vector<std::string> handBefore = namesOf(state.player(kPartner).hand.cards);

  std::vector<int> picked;
  for (int call = 0; call < 3; ++call) picked.push_back(chooseExchangeCard(state, kPartner));

  EXPECT_EQ(picked, (std::vector<int>{10, 9, 13}));
  const std::vector<Card>& hand = state.player(kPartner).hand.cards;
  EXPECT_EQ(namesOf(hand), handBefore);
  for (int position = 1; position <= static_cast<int>(hand.size()); ++position) {
    const bool wasPicked = position == 10 || position == 9 || position == 13;
    EXPECT_EQ(hand.at(position - 1).marked, wasPicked ? 1 : 0) << hand.at(position - 1).name;
  }
}

struct ExchangeCase {
  const char* name;
  const char* hand;
  std::vector<std::string> expectedPicks;  // in the order of the three calls
};

void PrintTo(const ExchangeCase& row, std::ostream* out) {
  *out << row.name;
}

class ExchangeChoiceTest : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeChoiceTest, PicksTheHighestScoresFirst) {
  GameState state = Table().hand(kPartner, GetParam().hand).build();
  std::vector<std::string> picks;
  for (int call = 0; call < 3; ++call) {
    picks.push_back(state.player(kPartner).card(chooseExchangeCard(state, kPartner)).name);
  }
  EXPECT_EQ(picks, GetParam().expectedPicks);
}

std::vector<ExchangeCase> exchangeCases() {
  return {
      // Five spades: 黑桃Q scores 12, below 梅花K (13) and above 梅花8 (8).
      {"QueenAmongFiveSpadesScoresOnlyTwelve",
       "梅花2 梅花3 梅花4 梅花5 梅花6 梅花7 梅花8 梅花K 黑桃2 黑桃3 黑桃4 黑桃5 黑桃Q",
       {"梅花K", "黑桃Q", "梅花8"}},
      // Three diamonds gain 5: 方块9 14 beats 梅花K 13 of a five-card suit.
      {"SuitOfThreeGainsFive",
       "梅花2 梅花3 梅花4 梅花5 梅花K 方块2 方块3 方块9 黑桃2 黑桃3 黑桃4 黑桃5 黑桃6",
       {"方块9", "梅花K", "方块3"}},
      // Two spades: 黑桃Q 32 beats 黑桃A 29; long minor suits score their value.
      {"QueenWithFewSpadesIsGivenFirst",
       "梅花2 梅花3 梅花4 梅花5 梅花6 方块2 方块3 方块4 方块5 方块6 方块7 黑桃Q 黑桃A",
       {"黑桃Q", "黑桃A", "方块7"}},
      // A lone 梅花2 scores 27, 黑桃A 29; six hearts are raised by half only (红心7 10).
      {"AceOfSpadesBeforeALoneClubTwo",
       "梅花2 方块3 方块4 方块5 方块6 黑桃3 黑桃A 红心2 红心3 红心4 红心5 红心6 红心7",
       {"黑桃A", "梅花2", "红心7"}},
      // 红心K among five hearts scores 13 × 3 / 2 = 19: after 方块4 (19), which
      // is nearer the front, and before 方块2 (17).
      {"HeartKingInFiveHeartsScoresNineteen",
       "梅花2 梅花3 梅花4 梅花5 方块2 方块4 黑桃2 黑桃3 红心2 红心3 红心4 红心5 红心K",
       {"方块4", "红心K", "方块2"}},
      // 梅花9 and 方块9 in suits of two both score 24; 梅花2 and 方块2 both 17.
      {"EqualScoresGoToTheCardNearerTheFront",
       "梅花2 梅花9 方块2 方块9 黑桃2 黑桃3 黑桃4 黑桃5 红心2 红心3 红心4 红心5 红心6",
       {"梅花9", "方块9", "梅花2"}},
  };
}

INSTANTIATE_TEST_SUITE_P(Hands, ExchangeChoiceTest, ::testing::ValuesIn(exchangeCases()),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vozi
