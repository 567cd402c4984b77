#include "scoring/match_end.h"

#include <cmath>

#include "game/lifecycle.h"

namespace vozi {

int championOf(const GameState& state) {
  int lowest = 1000;
  int champion = 0;
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    if (state.player(seat).totalScore < lowest) {
      lowest = state.player(seat).totalScore;
      champion = seat;
    }
  }
  return champion;
}

int matchScoreOf(const GameState& state, int champion) {
  const double score = (100.0 - state.player(champion).totalScore) * (50.0 - state.handsPlayed);
  return static_cast<int>(std::trunc(score));
}

void endMatch(Game& game) {
  GameState& state = game.state;
  const int champion = championOf(state);
  const int matchScore = matchScoreOf(state, champion);
  const Player& winner = state.player(champion);
  game.events->matchEnded(champion, matchScore);
  game.platform.showMessage(
      "本次红心大战结束，共历时" + std::to_string(state.handsPlayed) + "局牌。\r\n最终" +
          winner.name + "以" + std::to_string(winner.totalScore) + "的得分夺冠，恭喜！\r\n" +
          winner.name + "本次得到" + std::to_string(matchScore) + "分的好成绩！",
      Buttons::Ok);
  // The champion's place in the ranking, its file and the ranking view come here.
  resetGameState(game, 0, true);
  setIdleState(game);
  game.platform.enableOptionList(false);
  game.platform.focusTextBox();
}

}  // namespace vozi
