// One computer seat's whole turn: every card of its hand is scored, the best
// is played, and the turn passes on to the next seat, to the player, or to the
// resolution of the trick.
#pragma once

#include "ai/survey.h"
#include "game/game.h"

namespace vozi {

struct CardChoice {
  int position = 0;  // 1-based in the seat's hand
  bool drawnAtRandom = false;
};

// Plays the turn of seat 2, 3 or 4 and everything that follows it up to the
// player's next turn.
void playComputerTurn(Game& game, int seat);

// The choice of a turn: the best-scored card, or a card drawn at random when no
// card scores above 0. Marks the seat void in the led suit when it has none.
[[nodiscard]] CardChoice chooseComputerCard(GameState& state, Random& random, int seat,
                                            int turnFactor);

}  // namespace vozi
