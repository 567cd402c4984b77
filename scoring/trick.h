// The end of a trick: who took it, where its cards go, and what comes next.
#pragma once

#include "game/game.h"

namespace vozi {

// The seat whose card of the led suit is highest; ties go to the lower seat.
[[nodiscard]] int trickWinnerOf(const GameState& state);
// Resolves the complete trick on the table, shows it, and starts the next
// trick or scores the hand.
void resolveTrick(Game& game);

}  // namespace vozi
