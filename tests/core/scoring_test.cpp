#include <gtest/gtest.h>

#include "scoring/hand_score.h"
#include "scoring/match_end.h"
#include "scoring/trick.h"
#include "support/table.h"

namespace vozi {
namespace {

using testing::namesOf;
using testing::TableGame;
using Names = std::vector<std::string>;

// Four cards in the trick, led by `leader`, then the seats after it; every seat
// keeps one more card so that the hand goes on after the trick.
void layTrick(TableGame& table, int leader, std::vector<const char*> cardsInOrder) {
  for (int seat = 1; seat <= 4; ++seat) table.deal(seat, {"方块2"});
  table.seat(1).hand.cards = {testing::card("方块3")};
  for (int i = 0; i < 4; ++i) table.putInTrick((leader - 1 + i) % 4 + 1, cardsInOrder[i]);
}

TEST(ResolveTrick, OnlyTheLedSuitCanTakeIt) {
  TableGame table;
  layTrick(table, 2, {"方块5", "梅花A", "黑桃K", "方块4"});
  EXPECT_EQ(trickWinnerOf(table.game.state), 2);
}

TEST(ResolveTrick, PointCardsReachTheWinnerInSeatOrderAndTheQueensPlayerIsKept) {
  TableGame table;
  // Seat 3 leads; seat 1 takes it with 黑桃A; seat 4 and seat 2 add hearts.
  layTrick(table, 3, {"黑桃Q", "红心9", "黑桃A", "红心4"});
  resolveTrick(table.game);
  EXPECT_EQ(table.game.state.trickWinner, 1);
  EXPECT_EQ(namesOf(table.seat(1).pointCards), (Names{"红心4", "黑桃Q", "红心9"}));
  EXPECT_EQ(table.game.state.spadeQueenPlayer, 3);
  EXPECT_EQ(table.game.state.heartsPlayed, 2);
  EXPECT_EQ(table.game.state.ledSuit, 0);
  EXPECT_EQ(table.game.state.trickPosition, 1);
  for (int seat = 1; seat <= 4; ++seat) {
    EXPECT_TRUE(table.seat(seat).trickCard.isEmpty());
    EXPECT_EQ(table.seat(seat).trickTurn, 0);
  }
  EXPECT_EQ(table.seat(3).lastTrickTurn, 1);
  EXPECT_EQ(table.desktop.messages().front(), "本轮出牌：\r\nC-黑桃Q；D-红心9；A-黑桃A；B-红心4；");
}

TEST(ResolveTrick, TrickWithoutPointsAddsNone) {
  TableGame table;
  layTrick(table, 1, {"梅花5", "梅花9", "方块K", "梅花3"});
  resolveTrick(table.game);
  for (int seat = 1; seat <= 4; ++seat) EXPECT_TRUE(table.seat(seat).pointCards.empty());
  EXPECT_EQ(table.game.state.heartsPlayed, 0);
}

TEST(ResolveTrick, ADiscardedHeartCountsOnlyOnceTheTrickIsResolved) {
  TableGame table;
  layTrick(table, 1, {"梅花5", "红心9", "梅花3", "梅花4"});
  EXPECT_EQ(table.game.state.heartsPlayed, 0);
  resolveTrick(table.game);
  EXPECT_EQ(table.game.state.heartsPlayed, 1);
}

void givePoints(TableGame& table, int seat, std::initializer_list<const char*> names) {
  for (const char* name : names) table.seat(seat).pointCards.push_back(testing::card(name));
}

const std::initializer_list<const char*> kAllPoints = {"红心2", "红心3", "红心4", "红心5",  "红心6",
                                                       "红心7", "红心8", "红心9", "红心10", "红心J",
                                                       "红心Q", "红心K", "红心A", "黑桃Q"};

TEST(ScoreHand, ShootingTheMoonGivesEveryoneElseTwentySix) {
  for (int shooter : {1, 2}) {
    TableGame table;
    givePoints(table, shooter, kAllPoints);
    scoreHand(table.game);
    for (int seat = 1; seat <= 4; ++seat) {
      EXPECT_EQ(table.seat(seat).handScores, std::vector<int>{seat == shooter ? 0 : 26});
    }
    EXPECT_EQ(table.desktop.cues().front(), shooter == 1 ? "win2" : "lose2");
    const std::string result = table.desktop.messages().front();
    EXPECT_EQ(result.rfind("第1局红心大战结束，得分如下：\r\nA：得分", 0), 0u);
    const std::string ending = "本局" + table.seat(shooter).name + "获得了大满贯！";
    EXPECT_EQ(result.substr(result.size() - ending.size()), ending);
  }
}

TEST(ScoreHand, CountsHeartsAndTheQueenAndNamesTheLowestSeat) {
  TableGame table;
  givePoints(table, 2, {"黑桃Q", "红心2", "红心3", "红心4"});
  givePoints(table, 3, {"红心5"});
  givePoints(table, 4,
             {"红心6", "红心7", "红心8", "红心9", "红心10", "红心J", "红心Q", "红心K", "红心A"});
  table.seat(3).totalScore = 10;
  scoreHand(table.game);
  EXPECT_EQ(table.desktop.messages().front(),
            "第1局红心大战结束，得分如下：\r\nA：得分0，总分0；\r\nB：得分16，总分16；\r\n"
            "C：得分1，总分11；\r\nD：得分9，总分9；\r\n本局A胜出！");
  EXPECT_EQ(table.desktop.cues().front(), "win1");
}

TEST(ScoreHand, TieForLowestGoesToTheLowerSeat) {
  TableGame table;
  givePoints(table, 1, {"红心2"});
  givePoints(table, 2, kAllPoints);
  table.seat(2).pointCards.erase(table.seat(2).pointCards.begin());  // 13 cards: no moon
  scoreHand(table.game);
  const std::string result = table.desktop.messages().front();
  EXPECT_NE(result.find("本局C胜出！"), std::string::npos);
  EXPECT_EQ(table.desktop.cues().front(), "lose1");
}

TEST(ScoreHand, AHundredIsEnoughToEndTheMatch) {
  for (int before : {98, 99}) {
    TableGame table;
    const int totals[] = {before, 80, 60, 20};
    for (int seat = 1; seat <= 4; ++seat) table.seat(seat).totalScore = totals[seat - 1];
    table.seat(1).handScores = {before};
    givePoints(table, 1, {"红心2"});
    givePoints(table, 2, {"红心3", "红心4", "红心5"});
    givePoints(table, 4,
               {"红心6", "红心7", "红心8", "红心9", "红心10", "红心J", "红心Q", "红心K", "红心A",
                "黑桃Q"});
    table.game.state.handsPlayed = 2;
    for (int seat = 2; seat <= 4; ++seat) table.seat(seat).handScores = {totals[seat - 1]};
    scoreHand(table.game);
    const bool ended = before + 1 >= 100;
    EXPECT_EQ(table.game.state.phase.empty(), ended) << before;
    EXPECT_EQ(table.game.state.handsPlayed, ended ? 0 : 3) << before;
    if (ended) {
      EXPECT_TRUE(table.game.state.players.empty());
      EXPECT_FALSE(table.desktop.optionListEnabled);
      EXPECT_FALSE(table.desktop.isEnabled(MenuItem::ScoreTable));
    }
  }
}

TEST(EndMatch, LowestTotalIsChampionTiesToTheLowerSeat) {
  TableGame table;
  const int totals[] = {102, 44, 44, 44};
  for (int seat = 1; seat <= 4; ++seat) table.seat(seat).totalScore = totals[seat - 1];
  table.game.state.handsPlayed = 9;
  EXPECT_EQ(championOf(table.game.state), 2);
  EXPECT_EQ(matchScoreOf(table.game.state, 2), 2296);
  endMatch(table.game);
  EXPECT_EQ(table.desktop.messages().front(),
            "本次红心大战结束，共历时9局牌。\r\n最终B以44的得分夺冠，恭喜！\r\nB本次得到2296分的好"
            "成绩！");
  EXPECT_EQ(table.desktop.calls.back().kind, CallKind::FocusText);
}

}  // namespace
}  // namespace vozi
