// The three-card exchange: the player chooses three cards with Up, takes one
// back with Down and confirms with Space; the hand's partner gives three.
#pragma once

#include "game/game.h"

namespace vozi {

void chooseCard(Game& game);
void unchooseCard(Game& game);
void confirmExchange(Game& game);

}  // namespace vozi
