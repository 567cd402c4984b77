#include "game/lifecycle.h"

#include <gtest/gtest.h>

#include "game/recording_platform.h"

namespace vozi {
namespace {

TEST(Startup, WindowCreatedRunsItsStepsInOrder) {
  RecordingPlatform desktop;
  Game game(desktop);
  onWindowCreated(game);

  std::vector<CallKind> kinds;
  for (const Call& call : desktop.calls) kinds.push_back(call.kind);
  EXPECT_EQ(kinds,
            (std::vector<CallKind>{CallKind::EnableMenu, CallKind::EnableList, CallKind::Caption,
                                   CallKind::SetChecked, CallKind::LoopMp3}));
  EXPECT_FALSE(desktop.isEnabled(MenuItem::ScoreTable));
  EXPECT_FALSE(desktop.optionListEnabled);
  EXPECT_EQ(desktop.callsOf(CallKind::Caption).front()->text, "vozi(1.11)");
  EXPECT_TRUE(desktop.isChecked(MenuItem::Music));
  EXPECT_EQ(desktop.music(), std::vector<std::string>{"begin"});
  EXPECT_EQ(game.state.currentMusic, "begin");
  EXPECT_EQ(game.state.masterDeck[14].name, "梅花2");
  EXPECT_EQ(game.state.playSuitNames, (std::vector<std::string>{"梅花", "方块", "黑桃", "红心"}));
  EXPECT_EQ(game.state.gameTypeNames, (std::vector<std::string>{"简单型", "标准型"}));
  EXPECT_TRUE(game.state.phase.empty());
  EXPECT_EQ(game.state.handsPlayed, 0);
}

GameState stateOfAMatchUnderWay() {
  GameState state;
  state.phase = kPhasePlay;
  state.handsPlayed = 3;
  state.players.resize(4);
  state.players[0].name = "A";
  state.dealtHands.resize(4);
  state.pile.resize(2);
  state.selectedCount = 2;
  state.cursor = 5;
  state.ledSuit = 2;
  state.currentMusic = "game";
  return state;
}

TEST(ResetGameState, LevelOneKeepsPlayersAndClearsTheTable) {
  RecordingPlatform desktop;
  Game game(desktop);
  game.state = stateOfAMatchUnderWay();
  desktop.setText("状态");
  resetGameState(game, 1);

  EXPECT_EQ(game.state.players.size(), 4u);
  EXPECT_TRUE(game.state.dealtHands.empty());
  EXPECT_TRUE(game.state.pile.empty());
  EXPECT_TRUE(game.state.phase.empty());
  EXPECT_EQ(game.state.handsPlayed, 0);
  EXPECT_EQ(game.state.selectedCount, 0);
  EXPECT_EQ(desktop.textBoxText, "");
  EXPECT_TRUE(desktop.optionLines.empty());
  // Left for the next match or hand to set.
  EXPECT_EQ(game.state.cursor, 5);
  EXPECT_EQ(game.state.ledSuit, 2);
  EXPECT_EQ(game.state.currentMusic, "game");
}

TEST(ResetGameState, LevelZeroDiscardsPlayersAndCanKeepTheText) {
  RecordingPlatform desktop;
  Game game(desktop);
  game.state = stateOfAMatchUnderWay();
  desktop.setText("排行榜");
  resetGameState(game, 0, true);

  EXPECT_TRUE(game.state.players.empty());
  EXPECT_EQ(desktop.textBoxText, "排行榜");
  EXPECT_TRUE(game.state.phase.empty());
}

}  // namespace
}  // namespace vozi
