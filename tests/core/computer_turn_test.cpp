#include "ai/computer_turn.h"

#include <gtest/gtest.h>

#include "ai/turn_order.h"
#include "game/random.h"
#include "support/table.h"

namespace vozi {
namespace {

using testing::TableGame;

const Card& chosenCard(TableGame& table, int seat, CardChoice choice) {
  return table.seat(seat).card(choice.position);
}

TEST(ComputerChoice, FirstTrickLeaderPlaysTheClubTwoAtOnce) {
  TableGame table;
  table.deal(2, {"梅花2", "梅花A", "方块K", "方块A", "黑桃K", "黑桃A", "红心2", "红心3", "红心4",
                 "红心5", "红心6", "红心7", "红心8"});
  Random random = Random::seeded(1);
  const CardChoice choice = chooseComputerCard(table.game.state, random, 2, 10);
  EXPECT_EQ(chosenCard(table, 2, choice).name, "梅花2");
  EXPECT_FALSE(choice.drawnAtRandom);
}

TEST(ComputerChoice, FirstTrickFollowerPlaysItsHighestClub) {
  TableGame table;
  table.putInTrick(1, "梅花2");
  table.deal(2, {"梅花5", "梅花J", "方块K", "方块A", "黑桃K", "黑桃A", "红心2", "红心3", "红心4",
                 "红心5", "红心6", "红心7", "红心8"});
  Random random = Random::seeded(1);
  EXPECT_EQ(chosenCard(table, 2, chooseComputerCard(table.game.state, random, 2, 9)).name, "梅花J");
}

TEST(ComputerChoice, FirstTrickWithoutClubsDiscardsTheFrontmostHighCardNotAPointCard) {
  TableGame table;
  table.putInTrick(1, "梅花2");
  table.deal(2, {"方块A", "黑桃Q", "黑桃A", "红心2", "红心3", "红心4", "红心5", "红心6", "红心7",
                 "红心8", "红心9", "红心10", "红心A"});
  Random random = Random::seeded(1);
  const CardChoice choice = chooseComputerCard(table.game.state, random, 2, 12);
  EXPECT_EQ(chosenCard(table, 2, choice).name, "方块A");
  EXPECT_EQ(table.seat(2).voidIn(kClubs), 1);
}

TEST(ComputerChoice, DrawsAtRandomWhenEveryCardScoresZero) {
  const struct {
    const char* what;
    std::vector<const char*> hand;
    bool firstTrick;
  } cases[] = {
      {"leading only hearts before hearts are broken", {"红心2", "红心9", "红心A"}, false},
      {"first trick, only hearts and the queen",
       {"黑桃Q", "红心2", "红心3", "红心4", "红心5", "红心6", "红心7", "红心8", "红心9", "红心10",
        "红心J", "红心K", "红心A"},
       true},
  };
  for (const auto& c : cases) {
    std::set<int> positions;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
      TableGame table;
      for (const char* name : c.hand) table.seat(3).hand.cards.push_back(testing::card(name));
      if (c.firstTrick) table.putInTrick(2, "梅花2");
      Random random = Random::seeded(seed);
      const CardChoice choice = chooseComputerCard(table.game.state, random, 3, 10);
      EXPECT_TRUE(choice.drawnAtRandom) << c.what;
      positions.insert(choice.position);
    }
    EXPECT_GT(positions.size(), 1u) << c.what;
  }
}

TEST(ComputerChoice, MarksItsOwnVoidOnlyWhenItCannotFollow) {
  for (bool canFollow : {true, false}) {
    TableGame table;
    table.putInTrick(1, "方块5");
    if (canFollow) {
      table.deal(2, {"方块9", "黑桃3"});
    } else {
      table.deal(2, {"梅花9", "黑桃3"});
    }
    Random random = Random::seeded(1);
    (void)chooseComputerCard(table.game.state, random, 2, 10);
    EXPECT_EQ(table.seat(2).voidIn(kDiamonds), canFollow ? 0 : 1);
    EXPECT_EQ(table.seat(2).voidIn(kClubs) + table.seat(2).voidIn(kSpades), 0);
  }
}

TEST(ComputerTurn, SeatTwoLeadsAndTheChainEndsWithThePlayersAnnouncement) {
  TableGame table;
  table.deal(1, {"梅花9", "方块9"});
  table.deal(2, {"梅花3", "方块3"});
  table.deal(3, {"梅花4", "方块4"});
  table.deal(4, {"梅花5", "方块5"});
  table.game.state.trickWinner = 2;
  table.game.state.heartsPlayed = 1;
  beginTrick(table.game);

  EXPECT_EQ(table.game.state.currentPlayer, 1);
  EXPECT_EQ(table.game.state.trickPosition, 4);
  const std::string announcement = table.desktop.messages().back();
  std::string expected;
  for (int seat = 2; seat <= 4; ++seat) {
    expected += table.seat(seat).name + "-" + table.seat(seat).trickCard.name + "，";
  }
  EXPECT_EQ(announcement, expected + "\r\n准备出牌！");
  EXPECT_EQ(table.desktop.cues().back(), "place");
  EXPECT_EQ(table.desktop.calls.back().kind, CallKind::SetText);  // the option line came after
}

TEST(ComputerTurn, HeartAfterAnEarlierHeartOfTheHandHasNoCue) {
  TableGame table;
  table.deal(1, {"梅花9"});
  table.deal(2, {"红心9"});
  table.game.state.heartsFlag = 1;
  table.putInTrick(3, "方块5");
  table.putInTrick(4, "方块6");
  table.putInTrick(1, "方块7");
  table.seat(1).hand.cards.clear();
  table.deal(3, {});
  table.deal(4, {});
  table.game.state.handsPlayed = 1;
  playComputerTurn(table.game, 2);
  const auto cues = table.desktop.cues();
  EXPECT_EQ(std::count(cues.begin(), cues.end(), "putheart"), 0);
}

TEST(ComputerTurn, FourthCardGoesStraightToTheTricksResolution) {
  TableGame table;
  table.deal(1, {"梅花9"});
  table.deal(2, {"梅花A"});
  table.deal(3, {"梅花K"});
  table.deal(4, {"梅花3", "方块3"});
  table.putInTrick(1, "梅花10");
  table.putInTrick(2, "梅花J");
  table.putInTrick(3, "梅花Q");
  table.game.state.currentPlayer = 4;
  playComputerTurn(table.game, 4);
  EXPECT_EQ(table.game.state.trickWinner, 3);
  EXPECT_EQ(table.desktop.messages().front().rfind("本轮出牌：\r\n", 0), 0u);
  EXPECT_EQ(table.seat(4).playedCards.back().name, "梅花3");
}

TEST(TurnOrder, PlayerHoldingTheClubTwoLeadsWithCloseAndABareBox) {
  TableGame table;
  table.deal(1, {"梅花2", "梅花3", "梅花4", "梅花5", "梅花6", "梅花7", "梅花8", "梅花9", "梅花10",
                 "梅花J", "梅花Q", "梅花K", "梅花A"});
  beginTrick(table.game);
  EXPECT_EQ(table.game.state.currentPlayer, 1);
  EXPECT_EQ(table.desktop.cues(), std::vector<std::string>{"close"});
  EXPECT_EQ(table.desktop.messages(), std::vector<std::string>{"准备出牌！"});
  EXPECT_EQ(table.desktop.optionLines, std::vector<std::string>{"梅花2"});
}

TEST(TurnOrder, AnnouncementFollowsTheNamesCheckMark) {
  TableGame table;
  table.deal(1, {"梅花9"});
  table.putInTrick(3, "梅花3");
  table.putInTrick(4, "梅花K");
  announceHumanTurn(table.game);
  table.desktop.setChecked(MenuItem::ShowNames, false);
  announceHumanTurn(table.game);
  EXPECT_EQ(table.desktop.messages(), (std::vector<std::string>{"C-梅花3，D-梅花K，\r\n准备出牌！",
                                                                "梅花3，梅花K，\r\n准备出牌！"}));
}

}  // namespace
}  // namespace vozi
