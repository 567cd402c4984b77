// The three texts through which the player follows the table: the option line
// (the card under the cursor), the status text of the text box, and the
// last-trick text. A screen reader speaks them; their wording is fixed.
#pragma once

#include <string>

#include "game/game.h"

namespace vozi {

// Rewrites the card list with the card under the cursor, focuses it and
// rewrites the status text.
void refreshOptionLine(Game& game);
void refreshStatusText(Game& game);
[[nodiscard]] std::string lastTrickText(const Game& game);

// The option line for a card, as the list shows it in the current phase.
[[nodiscard]] std::string optionLineFor(const GameState& state, const Card& card);

}  // namespace vozi
