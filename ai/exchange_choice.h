// Which card a computer seat gives away in the three-card exchange.
#pragma once

#include "game/game_state.h"

namespace vozi {

// Picks the best unmarked card of the seat's hand to give, marks it and
// returns its 1-based position. Called three times in a row, it returns three
// different cards, best first.
int chooseExchangeCard(GameState& state, int seat);

}  // namespace vozi
