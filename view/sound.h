// Sound cues and background music. A cue confirms an event at once; music
// loops behind the game while 游戏音乐(&M) carries its check mark.
#pragma once

#include <string>

#include "game/game.h"

namespace vozi {

// Starts the cue "sounds/<name>.wav" and returns at once.
void playCue(Game& game, const std::string& name);
// Remembers the piece as currentMusic and starts it when music is switched on.
void playMusic(Game& game, const std::string& name);
// The 游戏音乐(&M) command: switches music off (silencing everything) or on.
void toggleMusic(Game& game);

}  // namespace vozi
