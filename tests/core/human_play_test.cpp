#include "input/human_play.h"

#include <gtest/gtest.h>

#include "support/table.h"

namespace vozi {
namespace {

using testing::TableGame;

struct RuleCase {
  const char* what;
  std::vector<const char*> hand;  // seat 1's hand; the card played is at the cursor
  int cursor;
  std::vector<const char*> trick;  // cards already in the trick, played up to seat 4
  int heartsPlayed;
  std::string refusal;  // "" = accepted
};

// Hands of 13 are a first trick; shorter hands a later one.
const std::vector<const char*> kThirteenWithClubTwo = {"梅花2", "梅花5", "方块3", "方块9", "黑桃4",
                                                       "黑桃Q", "黑桃A", "红心2", "红心5", "红心9",
                                                       "红心J", "红心K", "红心A"};
const std::vector<const char*> kThirteenNoClub = {"方块3", "方块9", "黑桃4", "黑桃Q", "黑桃A",
                                                  "红心2", "红心5", "红心7", "红心9", "红心10",
                                                  "红心J", "红心K", "红心A"};
const std::vector<const char*> kThirteenOnlyPoints = {"黑桃Q", "红心2", "红心3", "红心4", "红心5",
                                                      "红心6", "红心7", "红心8", "红心9", "红心10",
                                                      "红心J", "红心K", "红心A"};

class HumanRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(HumanRules, NameEveryRuleBrokenInOrder) {
  const RuleCase& c = GetParam();
  TableGame table;
  for (const char* name : c.hand) table.seat(1).hand.cards.push_back(testing::card(name));
  table.game.state.cursor = c.cursor;
  const int firstSeat = 4 - static_cast<int>(c.trick.size()) + 1;
  for (std::size_t i = 0; i < c.trick.size(); ++i) {
    table.putInTrick(firstSeat + static_cast<int>(i), c.trick[i]);
  }
  table.game.state.heartsPlayed = c.heartsPlayed;
  EXPECT_EQ(refusalText(table.game.state), c.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, HumanRules,
    ::testing::Values(
        RuleCase{"LeadingAHeartFirstBreaksThreeRules",
                 kThirteenWithClubTwo,
                 8,
                 {},
                 0,
                 "第一张牌只能出梅花2！\r\n第一轮不能出黑桃Q或红心牌！\r\n"
                 "红心未出现过，不能出红心牌！\r\n"},
        RuleCase{"LeadingTheClubTwoFirst", kThirteenWithClubTwo, 1, {}, 0, ""},
        RuleCase{"QueenOnClubsWhileHoldingClubs",
                 kThirteenWithClubTwo,
                 6,
                 {"梅花3"},
                 0,
                 "本轮须出梅花！\r\n第一轮不能出黑桃Q或红心牌！\r\n"},
        RuleCase{"DiamondOnClubsWithoutClubs", kThirteenNoClub, 2, {"梅花3", "梅花K"}, 0, ""},
        RuleCase{"HeartOnClubsWithoutClubs",
                 kThirteenNoClub,
                 7,
                 {"梅花3"},
                 0,
                 "第一轮不能出黑桃Q或红心牌！\r\n"},
        RuleCase{"QueenOnClubsWithoutClubs",
                 kThirteenNoClub,
                 4,
                 {"梅花3", "梅花4", "梅花5"},
                 0,
                 "第一轮不能出黑桃Q或红心牌！\r\n"},
        RuleCase{"HeartWhenHoldingOnlyHeartsAndTheQueen", kThirteenOnlyPoints, 2, {"梅花3"}, 0, ""},
        RuleCase{"QueenWhenHoldingOnlyHeartsAndTheQueen",
                 kThirteenOnlyPoints,
                 1,
                 {"梅花3"},
                 0,
                 "第一轮不能出黑桃Q或红心牌！\r\n"},
        RuleCase{"NotFollowingSuitLater",
                 {"方块3", "黑桃4", "红心5"},
                 2,
                 {"方块K"},
                 0,
                 "本轮须出方块！\r\n"},
        RuleCase{"LeadingHeartBeforeHeartsBroken",
                 {"黑桃4", "红心5"},
                 2,
                 {},
                 0,
                 "红心未出现过，不能出红心牌！\r\n"},
        RuleCase{"LeadingHeartWithOnlyHearts", {"红心5", "红心9"}, 1, {}, 0, ""},
        RuleCase{"LeadingHeartOnceHeartsBroken", {"黑桃4", "红心5"}, 2, {}, 1, ""},
        RuleCase{"DiscardingAHeartLater", {"黑桃4", "红心5"}, 2, {"方块K"}, 0, ""},
        RuleCase{"QueenIsNoHeartForTheLeadRule", {"黑桃Q", "红心5"}, 1, {}, 0, ""}),
    [](const auto& param) { return std::string(param.param.what); });

// Seats 2 to 4 hold one club each, so a club led by the player ends the trick.
void dealLastTrick(TableGame& table, std::initializer_list<const char*> humanHand) {
  table.deal(1, humanHand);
  table.deal(2, {"梅花3"});
  table.deal(3, {"梅花4"});
  table.deal(4, {"梅花5"});
}

TEST(PlayHumanCard, RefusalChangesNothingAndShowsOneBox) {
  TableGame table;
  table.deal(1, {"黑桃4", "红心5"});
  table.game.state.cursor = 2;
  playHumanCard(table.game);
  EXPECT_EQ(table.desktop.cues(), std::vector<std::string>{"ban"});
  EXPECT_EQ(table.desktop.messages(), std::vector<std::string>{"红心未出现过，不能出红心牌！\r\n"});
  EXPECT_EQ(table.seat(1).cardCount(), 2);
  EXPECT_EQ(table.game.state.trickPosition, 1);
  EXPECT_EQ(table.game.state.ledSuit, 0);
  EXPECT_EQ(table.game.state.cursor, 2);
}

TEST(PlayHumanCard, QueenSoundsLocateThenPutpig) {
  TableGame table;
  table.deal(1, {"黑桃Q", "黑桃3"});
  table.deal(2, {"黑桃4", "红心2"});
  table.deal(3, {"黑桃5", "红心3"});
  table.deal(4, {"黑桃6", "红心4"});
  playHumanCard(table.game);
  const auto cues = table.desktop.cues();
  ASSERT_GE(cues.size(), 2u);
  EXPECT_EQ(cues[0], "locate");
  EXPECT_EQ(cues[1], "putpig");
  EXPECT_EQ(table.game.state.spadeQueenPlayer, 1);
}

TEST(PlayHumanCard, FirstHeartOfTheHandSoundsPutheartOnlyOnce) {
  for (int flagBefore : {0, 1}) {
    TableGame table;
    dealLastTrick(table, {"红心5"});
    table.game.state.heartsPlayed = 1;
    table.game.state.heartsFlag = flagBefore;
    playHumanCard(table.game);
    const auto cues = table.desktop.cues();
    EXPECT_EQ(cues[0], "locate");
    EXPECT_EQ(cues[1] == "putheart", flagBefore == 0);
  }
}

TEST(PlayHumanCard, DiscardMarksThePlayerVoidInTheLedSuit) {
  TableGame table;
  table.deal(1, {"方块3", "黑桃4"});
  table.deal(2, {"梅花K", "梅花A"});
  table.putInTrick(2, "梅花3");
  table.putInTrick(3, "梅花4");
  table.putInTrick(4, "梅花5");
  table.deal(3, {"梅花6"});
  table.deal(4, {"梅花7"});
  table.game.state.currentPlayer = 1;
  playHumanCard(table.game);
  EXPECT_EQ(table.seat(1).voidIn(kClubs), 1);
  EXPECT_EQ(table.seat(1).voidIn(kDiamonds), 0);
  EXPECT_EQ(testing::namesOf(table.seat(1).playedCards), std::vector<std::string>{"方块3"});
}

TEST(PlayHumanCard, CursorStaysSoTheNextCardSlidesUnderIt) {
  TableGame table;
  table.deal(1, {"梅花6", "梅花8", "梅花9"});
  table.deal(2, {"梅花3", "梅花J"});
  table.deal(3, {"梅花4", "梅花Q"});
  table.deal(4, {"梅花5", "梅花K"});
  table.game.state.cursor = 2;
  playHumanCard(table.game);  // whoever takes the trick, the turn comes back to seat 1
  ASSERT_EQ(table.game.state.currentPlayer, 1);
  EXPECT_EQ(table.desktop.optionLines.back(), "梅花9");
  EXPECT_EQ(table.game.state.cursor, 2);
}

}  // namespace
}  // namespace vozi
