// The end of a match: the seat with the lowest total is champion, and its
// match score rewards few points taken in few hands.
#pragma once

#include "game/game.h"

namespace vozi {

// Lowest total wins; ties go to the lower seat.
[[nodiscard]] int championOf(const GameState& state);
// (100 − champion's total) × (50 − hands played).
[[nodiscard]] int matchScoreOf(const GameState& state, int champion);
void endMatch(Game& game);

}  // namespace vozi
