// Who leads each trick, and how the player is told that it is his turn.
#pragma once

#include "game/game.h"

namespace vozi {

// Gives the lead to the holder of 梅花2 in a hand's first trick, else to the
// last trick's winner, and starts the trick.
void beginTrick(Game& game);
// Tells the player which cards already lie in the trick and waits for the box.
void announceHumanTurn(Game& game);

}  // namespace vozi
