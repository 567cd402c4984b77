// Starting a match (开始牌局(&B)) and every hand of it.
#pragma once

#include "game/game.h"

namespace vozi {

// The 开始牌局(&B) command.
void startMatch(Game& game);
// Shuffles, deals and sorts, clears the hand's state and opens the hand with
// the exchange or with the first trick.
void startHand(Game& game);
void enableTableControls(Game& game);
// Seat 2, 3 or 4: the partner of the hand's exchange.
[[nodiscard]] int exchangePartner(const GameState& state);

}  // namespace vozi
