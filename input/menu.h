// The menu bar's commands, as the window hands them to the game.
#pragma once

#include "game/game.h"

namespace vozi {

inline constexpr const char* kWebPageAddress = "https://www.gnu.org/software/";

// The item's caption in the menu bar, with its access key.
[[nodiscard]] const char* menuCaption(MenuItem item);

// Runs the command of a menu item (or of its Ctrl shortcut).
void onMenuCommand(Game& game, MenuItem item);

void toggleShowNames(Game& game);
void openHelpFile(Game& game, const std::string& fileName);
void showAbout(Game& game);
void exitProgram(Game& game);

}  // namespace vozi
