// Names for the three computer seats: a champion of the ranking may sit at the
// table again, otherwise a name is made up, English or Chinese, male or female.
#pragma once

#include <string>

#include "game/game.h"

namespace vozi {

void nameComputerSeats(Game& game);
[[nodiscard]] std::string generateName(Game& game, bool english, bool male);

}  // namespace vozi
