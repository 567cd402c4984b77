#include <gtest/gtest.h>

#include <ostream>

#include "ai/card_scores.h"
#include "ai/survey.h"
#include "tests/ai/table_fixture.h"

namespace vozi {
namespace {

// Ten point cards, every one taken by the same seat.
constexpr const char* kTenHearts = "红心2 红心3 红心4 红心5 红心6 红心7 红心8 红心9 红心10 红心J";

struct FollowCase {
  const char* name;
  GameState table;  // the seat to play holds the card, of the led suit
  const char* card;
  int turnFactor;
  int expectedScore;
};

void PrintTo(const FollowCase& row, std::ostream* out) {
  *out << row.name;
}

class FollowScoreTest : public ::testing::TestWithParam<FollowCase> {};

TEST_P(FollowScoreTest, ScoresTheCard) {
  const FollowCase& row = GetParam();
  const GameState& state = row.table;
  const int seat = state.currentPlayer;
  const int position = positionOf(state, seat, row.card);
  ASSERT_GT(position, 0) << row.card << " is not in the hand";
  const Card& card = state.player(seat).card(position);
  ASSERT_EQ(card.playSuit, state.ledSuit);
  const TurnSurvey survey = gatherSurvey(state, seat);
  EXPECT_EQ(scoreFollow(state, card, survey, row.turnFactor), row.expectedScore);
}

// Clubs led, 梅花10 winning; seats 3 and 4 still to play, none of them void.
GameState clubTenLedToSecondSeat() {
  return Table().hand(2, "梅花4 梅花K 方块3").hand(3, "黑桃Q").trick(1, "梅花10").build();
}

// Seat 4 plays last to a pointless club trick.
GameState clubTenLedToLastSeat() {
  return Table()
      .hand(4, "梅花4 梅花K 方块3")
      .hand(3, "黑桃Q")
      .trick(1, "梅花10 梅花2 梅花3")
      .build();
}

// Seat 4, still to play, has taken all ten point cards taken so far; seat 1,
// also still to play, is known void in clubs.
GameState clubTenLedBeforeTheMoonShooter() {
  return Table()
      .hand(3, "梅花4 梅花K 梅花A")
      .points(4, kTenHearts)
      .heartsPlayed(10)
      .voidIn(1, kClubs)
      .trick(2, "梅花10")
      .build();
}

std::vector<FollowCase> followCases() {
  return {
      {"LowCardUnderTheWinnerIsShed", clubTenLedToSecondSeat(), "梅花4", 8, 4 + 15},
      {"CardThatWouldTakeTheTrickScoresItsValue", clubTenLedToSecondSeat(), "梅花K", 8, 13},
      {"LastSeatLowCardIsShed", clubTenLedToLastSeat(), "梅花4", 8, 4 + 15},
      {"LastSeatTakesAPointlessTrickWithItsHighestCard", clubTenLedToLastSeat(), "梅花K", 8,
       13 + 15},
      // Last, but the trick holds a point: taking it is weighed, not welcomed.
      {"LastSeatDividesAWinnerByThePointsInTheTrick",
       Table().hand(4, "方块9 黑桃3").hand(3, "黑桃Q").trick(1, "方块5 红心6 方块2").build(),
       "方块9", 8, 9 / 2 + 1},
      {"QueenUnderTheKingIsThrownFirst", Table().hand(2, "黑桃3 黑桃Q").trick(1, "黑桃K").build(),
       "黑桃Q", 8, 30},
      // The holder's winner would gain 5, but the queen itself is never
      // risked on a trick with a seat still to play.
      {"QueenThatWouldTakeTheTrickScoresOne",
       Table().hand(2, "黑桃3 黑桃Q").trick(1, "黑桃9").build(), "黑桃Q", 8, 1},
      {"LastSeatKeepsTheQueenOffAPointlessTrick",
       Table().hand(4, "黑桃3 黑桃Q").trick(1, "黑桃9 黑桃2 黑桃4").build(), "黑桃Q", 8, 1},
      {"LastSeatShedsALowSpade",
       Table().hand(4, "黑桃3 黑桃Q").trick(1, "黑桃9 黑桃2 黑桃4").build(), "黑桃3", 8, 3 + 15},
      {"HighSpadeScoresTwoWhileTheQueenIsOut",
       Table().hand(2, "黑桃3 黑桃K").hand(3, "黑桃Q").trick(1, "黑桃9").build(), "黑桃K", 8, 2},
      {"LowSpadeUnderTheWinnerWhileTheQueenIsOut",
       Table().hand(2, "黑桃3 黑桃K").hand(3, "黑桃Q").trick(1, "黑桃9").build(), "黑桃3", 8,
       3 + 15},
      {"HighSpadeIsNotCutOnceTheQueenIsPlayed",
       Table().hand(2, "黑桃3 黑桃K").played(4, "黑桃Q").trick(1, "黑桃9").build(), "黑桃K", 8,
       13 + 5},
      {"PointsInTheTrickDivideALowerWinner",
       Table().hand(3, "方块9 方块J").hand(4, "黑桃Q").trick(1, "方块5 红心6").build(), "方块9", 8,
       9 / 2 + 1},
      {"PointsInTheTrickDivideAHigherWinner",
       Table().hand(3, "方块9 方块J").hand(4, "黑桃Q").trick(1, "方块5 红心6").build(), "方块J", 8,
       11 / 2 + 1},
      {"VoidSeatToComeTurnsTheWinnerLow",
       Table().hand(2, "方块9 方块J").voidIn(4, kDiamonds).trick(1, "方块5").build(), "方块9", 8,
       15 - 9},
      {"QueenHeldRaisesTheWinnerByFive", Table().hand(2, "方块9 黑桃Q").trick(1, "方块5").build(),
       "方块9", 8, 9 + 5},
      {"AllHeartsGoneRaisesTheWinnerByThree",
       Table().hand(2, "方块9 黑桃3").heartsPlayed(13).trick(1, "方块5").build(), "方块9", 8,
       9 + 3},
      // Hearts led: the led heart is a point in the trick, and a void seat to
      // come does not turn the score again.
      {"HeartsLedLowestWinnerPreferred",
       Table().hand(2, "红心3 红心9 红心Q").voidIn(3, kHearts).trick(1, "红心5").build(), "红心9",
       8, (15 - 9) / 2 + 1},
      {"HeartsLedHigherWinnerScoresLess",
       Table().hand(2, "红心3 红心9 红心Q").voidIn(3, kHearts).trick(1, "红心5").build(), "红心Q",
       8, (15 - 12) / 2 + 1},
      {"HeartsLedCardUnderTheWinnerIsShed",
       Table().hand(2, "红心3 红心9 红心Q").voidIn(3, kHearts).trick(1, "红心5").build(), "红心3",
       8, 3 + 15},
      // Without the moon block 梅花K would score 15 - 13 and 梅花A 15 - 14.
      {"MoonBlockScoresTheKingItsValue", clubTenLedBeforeTheMoonShooter(), "梅花K", 9, 13},
      {"MoonBlockPrefersTheAce", clubTenLedBeforeTheMoonShooter(), "梅花A", 9, 14},
      {"MoonBlockLeavesACardThatCannotTake", clubTenLedBeforeTheMoonShooter(), "梅花4", 9, 4 + 15},
      {"NoMoonBlockWhenPointCardsDoNotExceedTurnFactorKing", clubTenLedBeforeTheMoonShooter(),
       "梅花K", 10, 15 - 13},
      {"NoMoonBlockWhenPointCardsDoNotExceedTurnFactorAce", clubTenLedBeforeTheMoonShooter(),
       "梅花A", 10, 15 - 14},
  };
}

INSTANTIATE_TEST_SUITE_P(Tables, FollowScoreTest, ::testing::ValuesIn(followCases()),
                         [](const auto& row) { return std::string(row.param.name); });

struct DiscardCase {
  const char* card;
  int turnFactor;
  int expectedScore;
};

TEST(DiscardScore, PrefersTheQueenThenHeartsRaisedByTurnFactorThenHighCards) {
  const DiscardCase cases[] = {
      {"黑桃Q", 8, 32}, {"红心A", 8, 22},  {"方块K", 8, 13},  {"红心2", 8, 10},
      {"梅花A", 8, 14}, {"红心2", 12, 14}, {"黑桃K", 12, 13},
  };
  for (const DiscardCase& row : cases) {
    SCOPED_TRACE(::testing::Message() << row.card << " with turnFactor " << row.turnFactor);
    EXPECT_EQ(scoreDiscard(cardNamed(row.card), row.turnFactor), row.expectedScore);
  }
}

}  // namespace
}  // namespace vozi
