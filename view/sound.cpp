#include "view/sound.h"

namespace vozi {

void playCue(Game& game, const std::string& name) {
  game.platform.playWav("sounds/" + name + ".wav");
}

void playMusic(Game& game, const std::string& name) {
  game.state.currentMusic = name;
  if (!name.empty() && game.platform.isChecked(MenuItem::Music)) {
    game.platform.loopMp3("music/" + name + ".mp3");
  }
}

void toggleMusic(Game& game) {
  if (game.platform.isChecked(MenuItem::Music)) {
    game.platform.setChecked(MenuItem::Music, false);
    game.platform.stopAllAudio();
  } else {
    game.platform.setChecked(MenuItem::Music, true);
    playMusic(game, game.state.currentMusic);
  }
}

}  // namespace vozi
