#include "ai/survey.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tests/ai/table_fixture.h"

namespace vozi {
namespace {

// The survey of the seat whose turn it is.
TurnSurvey surveyOfSeatToPlay(const GameState& state) {
  return gatherSurvey(state, state.currentPlayer);
}

struct SurveyCase {
  const char* name;
  GameState table;
  TurnSurvey expected;
};

void PrintTo(const SurveyCase& row, std::ostream* out) {
  *out << row.name;
}

class SurveyTest : public ::testing::TestWithParam<SurveyCase> {};

TEST_P(SurveyTest, GathersEveryField) {
  const TurnSurvey survey = surveyOfSeatToPlay(GetParam().table);
  const TurnSurvey& expected = GetParam().expected;
  EXPECT_EQ(survey.suitCount, expected.suitCount);
  EXPECT_EQ(survey.holdsSpadeQueen, expected.holdsSpadeQueen);
  EXPECT_EQ(survey.holdsHighSpade, expected.holdsHighSpade);
  EXPECT_EQ(survey.queenOut, expected.queenOut);
  EXPECT_EQ(survey.allHeartsGone, expected.allHeartsGone);
  EXPECT_EQ(survey.winningValue, expected.winningValue);
  EXPECT_EQ(survey.trickPoints, expected.trickPoints);
  EXPECT_EQ(survey.voidsToCome, expected.voidsToCome);
  EXPECT_EQ(survey.moonCandidate, expected.moonCandidate);
  EXPECT_EQ(survey.playedInSuit, expected.playedInSuit);
}

// Arrays below are by suit: clubs, diamonds, spades, hearts.
std::vector<SurveyCase> surveyCases() {
  return {
      // Seat 2 has won tricks 2 and 3 with diamonds that the others could not
      // follow, and now leads trick 4.
      {"LeaderSeesAnEmptyTrickAndThreeSeatsToCome",
       Table()
           .hand(2, "方块5 黑桃K 红心2 红心9 红心J")
           .played(1, "梅花2 黑桃4 黑桃5")
           .played(2, "方块A 方块K 方块Q")
           .played(3, "梅花K 方块6 黑桃3")
           .played(4, "梅花4 黑桃J 黑桃8")
           .voidIn(2, kClubs)  // its own void is not a seat to come
           .voidIn(1, kDiamonds)
           .voidIn(3, kDiamonds)
           .voidIn(4, kDiamonds)
           .leads(2)
           .build(),
       {.suitCount = {0, 1, 1, 3},
        .holdsHighSpade = true,
        .queenOut = true,
        .voidsToCome = {0, 3, 0, 0},
        .playedInSuit = {3, 4, 5, 0}}},
      // Seat 1 took 红心3 in trick 2 and leads trick 3; seat 2 throws the queen.
      {"QueenInTheTrickIsStillOutAndWorthThirteen",
       Table()
           .hand(4, "方块9 方块J 黑桃A")
           .played(1, "梅花2 方块A")
           .played(2, "梅花K 方块2")
           .played(3, "梅花5 红心3")
           .played(4, "梅花A 方块6")
           .points(1, "红心3")
           .voidIn(2, kDiamonds)
           .voidIn(3, kDiamonds)
           .trick(1, "方块5 黑桃Q 红心2")
           .build(),
       {.suitCount = {0, 2, 1, 0},
        .holdsHighSpade = true,
        .queenOut = true,
        .winningValue = 5,
        .trickPoints = 14,
        .playedInSuit = {4, 3, 0, 1}}},
      {"QueenInOwnHandIsNotOut",
       Table().hand(3, "梅花6 黑桃2 黑桃Q").trick(1, "黑桃3 黑桃A").build(),
       {.suitCount = {1, 0, 2, 0}, .holdsSpadeQueen = true, .winningValue = 14}},
      {"QueenInACompletedTrickIsNotOutAndThirteenHeartsAreAllGone",
       Table()
           .hand(3, "梅花6 梅花9 方块2")
           .played(4, "黑桃Q")
           .heartsPlayed(13)
           .trick(2, "梅花8")
           .build(),
       {.suitCount = {2, 1, 0, 0},
        .allHeartsGone = true,
        .winningValue = 8,
        .playedInSuit = {0, 0, 1, 0}}},
  };
}

INSTANTIATE_TEST_SUITE_P(Tables, SurveyTest, ::testing::ValuesIn(surveyCases()),
                         [](const auto& row) { return std::string(row.param.name); });

struct MoonCase {
  const char* name;
  GameState table;
  int expectedCandidate;
};

void PrintTo(const MoonCase& row, std::ostream* out) {
  *out << row.name;
}

class MoonCandidateTest : public ::testing::TestWithParam<MoonCase> {};

TEST_P(MoonCandidateTest, IsTheSeatToComeHoldingEveryPointCard) {
  EXPECT_EQ(surveyOfSeatToPlay(GetParam().table).moonCandidate, GetParam().expectedCandidate);
}

std::vector<MoonCase> moonCases() {
  return {
      {"SeatToComeHoldingEveryPointCard",
       Table().points(4, "红心2 红心3").trick(1, "梅花5").build(), 4},
      {"SeatThatHasAlreadyPlayedToThisTrick",
       Table().points(4, "红心2 红心3").trick(4, "梅花5 梅花6").build(), 0},
      {"NoPointCardTakenYet", Table().trick(1, "梅花5").build(), 0},
      {"PointCardsSplitBetweenSeatsToCome",
       Table().points(3, "红心2").points(4, "黑桃Q").trick(1, "梅花5").build(), 0},
      {"SeatToComeHoldingOnlySomeOfThePointCards",
       Table().points(1, "红心2").points(4, "红心3").trick(1, "梅花5").build(), 0},
      {"SeatToPlayItselfHoldingEveryPointCard",
       Table().points(2, "红心2 红心3").trick(1, "梅花5").build(), 0},
  };
}

INSTANTIATE_TEST_SUITE_P(Tables, MoonCandidateTest, ::testing::ValuesIn(moonCases()),
                         [](const auto& row) { return std::string(row.param.name); });

struct UnseenCase {
  const char* name;
  GameState table;
  const char* card;
  int expectedScore;
};

void PrintTo(const UnseenCase& row, std::ostream* out) {
  *out << row.name;
}

class UnseenHigherScoreTest : public ::testing::TestWithParam<UnseenCase> {};

TEST_P(UnseenHigherScoreTest, IsTenPerHigherCardNotSeen) {
  const GameState& state = GetParam().table;
  const int seat = state.currentPlayer;
  const int position = positionOf(state, seat, GetParam().card);
  ASSERT_GT(position, 0);
  EXPECT_EQ(unseenHigherScore(state, seat, position), GetParam().expectedScore);
}

std::vector<UnseenCase> unseenCases() {
  return {
      {"EveryHigherCardPlayedOrHeld",
       Table()
           .hand(2, "梅花10 梅花K 方块3")
           .played(1, "梅花J")
           .played(3, "梅花Q")
           .played(4, "梅花A")
           .leads(2)
           .build(),
       "梅花10", 0},
      {"NothingOfTheSuitPlayedYet", Table().hand(2, "方块2 方块5 黑桃3").leads(2).build(), "方块2",
       110},
      // Only completed tricks count as seen.
      {"HigherCardInTheTrickUnderWayIsUnseen",
       Table().hand(3, "梅花K 梅花2").trick(1, "梅花5 梅花A").build(), "梅花K", 10},
      {"LowerCardsAndOtherSuitsDoNotCount",
       Table()
           .hand(2, "黑桃10 黑桃3")
           .played(1, "黑桃2 黑桃9 方块A")
           .played(3, "黑桃4 红心K")
           .leads(2)
           .build(),
       "黑桃10", 40},
  };
}

INSTANTIATE_TEST_SUITE_P(Tables, UnseenHigherScoreTest, ::testing::ValuesIn(unseenCases()),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vozi
