#include <gtest/gtest.h>

#include <ostream>

#include "ai/card_scores.h"
#include "ai/survey.h"
#include "tests/ai/table_fixture.h"

namespace vozi {
namespace {

struct LeadCase {
  const char* name;
  GameState table;  // the seat to play leads
  const char* card;
  int turnFactor;
  int expectedScore;
};

void PrintTo(const LeadCase& row, std::ostream* out) {
  *out << row.name;
}

class LeadScoreTest : public ::testing::TestWithParam<LeadCase> {};

TEST_P(LeadScoreTest, ScoresTheCard) {
  const LeadCase& row = GetParam();
  const GameState& state = row.table;
  const int seat = state.currentPlayer;
  ASSERT_EQ(state.trickPosition, 1);
  const int position = positionOf(state, seat, row.card);
  ASSERT_GT(position, 0) << row.card << " is not in the hand";
  const TurnSurvey survey = gatherSurvey(state, seat);
  EXPECT_EQ(scoreLead(state, seat, position, survey, row.turnFactor), row.expectedScore);
}

std::vector<LeadCase> leadCases() {
  return {
      // Three of six cards are spades: 6 / 3 + 1 = 3 is reached; higher spades
      // are unseen and three spades are too many for the short-suit rule.
      {"LowSpadeGainsTurnFactorWhenLongInSpades",
       Table().hand(2, "梅花3 梅花7 方块6 黑桃5 黑桃8 黑桃10").hand(3, "黑桃Q").leads(2).build(),
       "黑桃5", 9, 10 + 9},
      // Two spades are fewer than 7 / 3 + 1 = 3 and 黑桃A is held: no bonus;
      // the short-suit rule still applies, 10 × 3 + 10.
      {"LowSpadeGainsNothingWhenShortInSpadesAndHoldingTheAce",
       Table()
           .hand(2, "梅花3 梅花7 梅花9 方块6 方块8 黑桃5 黑桃A")
           .hand(3, "黑桃Q")
           .leads(2)
           .build(),
       "黑桃5", 8, 40},
      // Neither 黑桃K nor 黑桃A: the bonus is given, then (10 + 8) × 3 + 10.
      {"LowSpadeGainsTurnFactorWhenHoldingNothingAboveTheQueen",
       Table()
           .hand(2, "梅花3 梅花7 梅花9 方块6 方块8 黑桃5 黑桃9")
           .hand(3, "黑桃Q")
           .leads(2)
           .build(),
       "黑桃5", 8, 64},
      {"SpadesAreCutToAThirdWhileHoldingTheQueen",
       Table().hand(2, "梅花3 黑桃2 黑桃Q 黑桃K").leads(2).build(), "黑桃2", 8, 13 / 3 + 1},
      {"TwoSeatsToComeVoidInTheSuitCutItDown",
       Table()
           .hand(2, "梅花3 方块4 方块9 方块K")
           .voidIn(3, kDiamonds)
           .voidIn(4, kDiamonds)
           .leads(2)
           .build(),
       "方块4", 8, 11 / 4 + 1},
      {"VoidRuleTakesPrecedenceOverShortSuitRule",
       Table().hand(2, "梅花3 梅花5 梅花8 方块4 黑桃3 黑桃7").voidIn(1, kDiamonds).leads(2).build(),
       "方块4", 8, 11 / 3 + 1},
      // (12 + 8) × 3 + 10: the spade void is ignored while the queen is unplayed.
      {"SpadeVoidIsIgnoredWhileTheQueenIsUnplayed",
       Table()
           .hand(2, "梅花5 梅花6 梅花7 方块8 黑桃3")
           .hand(3, "黑桃Q")
           .voidIn(4, kSpades)
           .leads(2)
           .build(),
       "黑桃3", 8, 70},
      {"SpadeVoidCutsDownOnceTheQueenIsPlayed",
       Table()
           .hand(2, "梅花5 梅花6 梅花7 方块8 黑桃3")
           .played(1, "黑桃Q")
           .voidIn(4, kSpades)
           .leads(2)
           .build(),
       "黑桃3", 8, 12 / 3 + 1},
      {"LoneLowClubIsRaisedByItsCodeAndTen",
       Table().hand(2, "梅花3 方块3 黑桃4 黑桃6 黑桃8").leads(2).build(), "梅花3", 9, 12 * 1 + 10},
      {"LoneLowDiamondIsRaisedByItsCodeAndTen",
       Table().hand(2, "梅花3 方块3 黑桃4 黑桃6 黑桃8").leads(2).build(), "方块3", 9, 12 * 2 + 10},
      {"ShortSuitCardMustBeBelowTurnFactor",
       Table().hand(2, "梅花9 方块3 黑桃4 黑桃6 黑桃8").leads(2).build(), "梅花9", 9, 6},
      {"ShortSuitCardBelowTurnFactorIsRaised",
       Table().hand(2, "梅花9 方块3 黑桃4 黑桃6 黑桃8").leads(2).build(), "梅花9", 10, 6 + 10},
      // Five clubs gone is not fewer than 9 - 4.
      {"ShortSuitMustBeLittlePlayed",
       Table()
           .hand(2, "梅花3 方块3 黑桃4 黑桃6 黑桃8")
           .played(1, "梅花4 梅花5 梅花6")
           .played(3, "梅花7 梅花8")
           .leads(2)
           .build(),
       "梅花3", 9, 12},
      {"LoneHeartIsNotRaised", Table().hand(2, "梅花3 梅花4 梅花6 红心5").leads(2).build(), "红心5",
       9, 10},
      {"AceIsASureWinner", Table().hand(2, "梅花3 方块5 方块7 方块A").leads(2).build(), "方块A", 12,
       1},
      // 梅花J, 梅花Q and 梅花A are gone and 梅花K is in the hand.
      {"CardWhoseHigherCardsAreAllSeenIsASureWinner",
       Table()
           .hand(2, "梅花10 梅花K 方块3 方块6 方块7")
           .played(1, "梅花J")
           .played(3, "梅花Q")
           .played(4, "梅花A")
           .leads(2)
           .build(),
       "梅花10", 8, 1},
  };
}

INSTANTIATE_TEST_SUITE_P(Tables, LeadScoreTest, ::testing::ValuesIn(leadCases()),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vozi
