#include "view/table_text.h"

#include <gtest/gtest.h>

#include "input/keys.h"
#include "support/table.h"

namespace vozi {
namespace {

using testing::TableGame;

std::string firstLine(const std::string& text) {
  return text.substr(0, text.find("\r\n"));
}

TEST(StatusText, ExchangePhaseOfTheFirstHandHasSixLines) {
  TableGame table;
  table.game.state.phase = kPhaseExchange;
  table.deal(1, {"梅花2", "梅花3", "梅花4", "梅花5", "梅花6", "梅花7", "梅花8", "梅花9", "梅花10",
                 "梅花J", "梅花Q", "梅花K", "梅花A"});
  refreshStatusText(table.game);
  EXPECT_EQ(table.desktop.textBoxText,
            "当前牌局：准备换牌！\r\n第1局牌，还剩13圈牌。\r\n玩家：A；\r\n下家：B；\r\n对家：C；"
            "\r\n上家：D；\r\n");
}

TEST(StatusText, ListsTrickCardsBySeatAndThePlayersPointCards) {
  TableGame table;
  table.deal(1, {"梅花2"});
  table.putInTrick(3, "梅花5");
  table.putInTrick(4, "梅花9");
  table.seat(1).pointCards = testing::cards({"红心3", "黑桃Q"});
  refreshStatusText(table.game);
  const std::string& text = table.desktop.textBoxText;
  EXPECT_EQ(firstLine(text), "当前牌局：梅花5，梅花9，准备出牌！");
  EXPECT_NE(text.find("\r\nA目前获得以下分数牌：\r\n红心3；黑桃Q；\r\n上轮出牌情况："),
            std::string::npos);
  EXPECT_NE(text.find("第1局牌，还剩1圈牌。\r\n"), std::string::npos);
}

TEST(LastTrickText, FollowsThePlayingOrderWithOrWithoutNames) {
  TableGame table;
  const char* played[] = {"梅花3", "梅花K", "梅花5", "梅花9"};  // seats 1..4
  const int turn[] = {4, 1, 2, 3};                              // seat 2 led
  for (int seat = 1; seat <= 4; ++seat) {
    table.seat(seat).playedCards = {testing::card(played[seat - 1])};
    table.seat(seat).lastTrickTurn = turn[seat - 1];
  }
  EXPECT_EQ(lastTrickText(table.game), "B-梅花K；C-梅花5；D-梅花9；A-梅花3；");
  table.desktop.setChecked(MenuItem::ShowNames, false);
  EXPECT_EQ(lastTrickText(table.game), "梅花K；梅花5；梅花9；梅花3；");

  table.deal(1, {"方块2"});
  refreshStatusText(table.game);
  EXPECT_NE(table.desktop.textBoxText.find("上轮出牌情况：\r\n梅花K；梅花5；梅花9；梅花3；\r\n"),
            std::string::npos);
}

TEST(OptionLine, MarksChosenCardsInTheExchangeAndReceivedCardsInPlay) {
  TableGame table;
  table.deal(1, {"梅花2", "红心A"});
  table.seat(1).card(2).marked = 1;
  table.game.state.cursor = 2;
  table.game.state.phase = kPhaseExchange;
  refreshOptionLine(table.game);
  EXPECT_EQ(table.desktop.optionLines, std::vector<std::string>{"红心A，已选中"});
  table.game.state.phase = kPhasePlay;
  refreshOptionLine(table.game);
  EXPECT_EQ(table.desktop.optionLines, std::vector<std::string>{"红心A，换入牌"});
  table.game.state.cursor = 1;
  refreshOptionLine(table.game);
  EXPECT_EQ(table.desktop.optionLines, std::vector<std::string>{"梅花2"});
  EXPECT_EQ(table.desktop.selectedLine, 0);
  EXPECT_TRUE(table.desktop.optionListFocused);
}

TEST(OptionLine, BringsTheCursorBackOntoTheHand) {
  TableGame table;
  table.deal(1, {"梅花2", "梅花3", "梅花4"});
  for (const auto& [before, after] : {std::pair{9, 3}, std::pair{0, 1}, std::pair{-2, 1}}) {
    table.game.state.cursor = before;
    refreshOptionLine(table.game);
    EXPECT_EQ(table.game.state.cursor, after);
    EXPECT_EQ(table.desktop.optionLines.back(), table.seat(1).card(after).name);
  }
}

struct KeyCase {
  const char* what;
  int key;
  int mask;
  const char* phase;
  int cursorBefore;
  std::vector<std::string> cues;
  bool refreshed;
  int cursorAfter;
};

class NavigationKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NavigationKeys, MoveTheCursorOrAnswerBan) {
  const KeyCase& c = GetParam();
  TableGame table;
  table.deal(1, {"梅花2", "方块3", "黑桃4", "红心5"});
  table.game.state.phase = c.phase;
  table.game.state.cursor = c.cursorBefore;
  onOptionListKey(table.game, c.key, c.mask);
  EXPECT_EQ(table.desktop.cues(), c.cues);
  EXPECT_EQ(!table.desktop.callsOf(CallKind::AppendLine).empty(), c.refreshed);
  EXPECT_EQ(table.game.state.cursor, c.cursorAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NavigationKeys,
    ::testing::Values(
        KeyCase{"LeftOnFirst", kKeyLeft, 0, kPhasePlay, 1, {"ban"}, false, 1},
        KeyCase{"Left", kKeyLeft, 0, kPhaseExchange, 3, {}, true, 2},
        KeyCase{"RightOnLast", kKeyRight, 0, kPhasePlay, 4, {"ban"}, false, 4},
        KeyCase{"Right", kKeyRight, 0, kPhasePlay, 2, {}, true, 3},
        KeyCase{"PageUpOnFirst", kKeyPageUp, 0, kPhasePlay, 1, {"click2"}, true, 1},
        KeyCase{"PageUp", kKeyPageUp, 0, kPhaseExchange, 3, {"click2"}, true, 1},
        KeyCase{"PageDown", kKeyPageDown, 0, kPhasePlay, 2, {"click2"}, true, 4},
        KeyCase{"ShiftLeft", kKeyLeft, kModShift, kPhasePlay, 3, {}, false, 3},
        KeyCase{"CtrlSpace", kKeySpace, kModCtrl, kPhasePlay, 1, {}, false, 1},
        KeyCase{"AltUp", kKeyUp, kModAlt, kPhaseExchange, 1, {}, false, 1},
        KeyCase{"DownInPlay", kKeyDown, 0, kPhasePlay, 2, {}, false, 2},
        KeyCase{"OtherKey", 65, 0, kPhasePlay, 2, {}, false, 2},
        KeyCase{"UpChoosesInExchange", kKeyUp, 0, kPhaseExchange, 2, {"choose"}, true, 2},
        KeyCase{"DownOnUnchosen", kKeyDown, 0, kPhaseExchange, 2, {"ban"}, true, 2},
        KeyCase{"SpaceWithNothingChosen", kKeySpace, 0, kPhaseExchange, 2, {"ban"}, false, 2}),
    [](const auto& param) { return std::string(param.param.what); });

TEST(NavigationKeys, OneCardHandRefusesMovesAndJumpsOntoIt) {
  TableGame table;
  table.deal(1, {"红心5"});
  for (int key : {kKeyLeft, kKeyRight}) onOptionListKey(table.game, key, 0);
  for (int key : {kKeyPageUp, kKeyPageDown}) onOptionListKey(table.game, key, 0);
  EXPECT_EQ(table.desktop.cues(), (std::vector<std::string>{"ban", "ban", "click2", "click2"}));
  EXPECT_EQ(table.desktop.optionLines, std::vector<std::string>{"红心5"});
}

TEST(OptionListFocus, RewritesTheStatusTextOnlyDuringAHand) {
  TableGame table;
  table.deal(1, {"红心5"});
  onOptionListFocus(table.game);
  EXPECT_EQ(table.desktop.callsOf(CallKind::SetText).size(), 1u);
  table.game.state.phase.clear();
  onOptionListFocus(table.game);
  EXPECT_EQ(table.desktop.callsOf(CallKind::SetText).size(), 1u);
}

}  // namespace
}  // namespace vozi
