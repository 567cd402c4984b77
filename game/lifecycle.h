// Program start and stop as the game sees them, and the two resets that put the
// state back between matches.
#pragma once

#include "game/game.h"

namespace vozi {

inline constexpr const char* kGameName = "vozi";
inline constexpr const char* kVersionText = "(1.11)";

// Clears the state between matches. Level 0 counts as 100; level 2 and above
// also discard the players. The text box is cleared unless keepText is set.
void resetGameState(Game& game, int level, bool keepText = false);

// The no-match state of the window: names, menu states, handsPlayed 0.
void setIdleState(Game& game);

void onWindowCreated(Game& game);
void onWindowDestroyed(Game& game);

}  // namespace vozi
