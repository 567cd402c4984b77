// The player's card: checked against the rules of the game, refused with every
// rule it breaks, or put into the trick and the turn passed on.
#pragma once

#include <string>

#include "game/game.h"

namespace vozi {

// The messages of every rule the card at the cursor breaks, in rule order;
// empty when the card may be played.
[[nodiscard]] std::string refusalText(const GameState& state);
void playHumanCard(Game& game);

}  // namespace vozi
