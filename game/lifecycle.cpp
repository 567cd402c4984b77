#include "game/lifecycle.h"

#include "game/card.h"
#include "view/sound.h"

namespace vozi {

void resetGameState(Game& game, int level, bool keepText) {
  GameState& state = game.state;
  state.handsPlayed = 0;
  if (level == 0) level = 100;
  if (level >= 2) state.players.clear();
  state.dealtHands.clear();
  state.pile.clear();
  game.platform.clearOptionList();
  if (!keepText) game.platform.setText("");
  state.selectedCount = 0;
  state.phase.clear();
}

void setIdleState(Game& game) {
  GameState& state = game.state;
  state.gameName = kGameName;
  state.versionText = kVersionText;
  state.gameTypeNames = {"简单型", "标准型"};
  state.playSuitNames = {"梅花", "方块", "黑桃", "红心"};
  game.platform.enableMenuItem(MenuItem::ScoreTable, false);
  game.platform.enableOptionList(false);
  state.handsPlayed = 0;
}

void onWindowCreated(Game& game) {
  setIdleState(game);
  buildMasterDeck(game.state);
  game.platform.setCaption(game.state.gameName + game.state.versionText);
  // The ranking is loaded here once its file exists.
  game.platform.setChecked(MenuItem::Music, true);
  playMusic(game, "begin");
}

void onWindowDestroyed(Game& /*game*/) {
  // The ranking is saved here, when its first place is filled, once its file exists.
}

}  // namespace vozi
