#include "view/sound.h"

#include <gtest/gtest.h>

#include "game/match.h"
#include "support/table.h"

namespace vozi {
namespace {

using Names = std::vector<std::string>;

struct MusicDesk {
  RecordingPlatform desktop;
  Game game{desktop};
  MusicDesk() {
    onWindowCreated(game);
    desktop.clearLog();
  }
};

TEST(Music, SwitchingOffSilencesAndSwitchingOnRestartsThePieceLastAskedFor) {
  MusicDesk desk;
  playMusic(desk.game, "game");
  toggleMusic(desk.game);
  EXPECT_FALSE(desk.desktop.isChecked(MenuItem::Music));
  EXPECT_EQ(desk.desktop.callsOf(CallKind::StopAll).size(), 1u);
  toggleMusic(desk.game);
  EXPECT_TRUE(desk.desktop.isChecked(MenuItem::Music));
  EXPECT_EQ(desk.desktop.music(), (Names{"game", "game"}));
}

TEST(Music, ARequestWhileSwitchedOffIsRememberedButNotPlayed) {
  MusicDesk desk;
  toggleMusic(desk.game);
  playMusic(desk.game, "congratulations");
  EXPECT_TRUE(desk.desktop.music().empty());
  EXPECT_EQ(desk.game.state.currentMusic, "congratulations");
  toggleMusic(desk.game);
  EXPECT_EQ(desk.desktop.music(), Names{"congratulations"});
}

TEST(Music, ANewMatchWhileSwitchedOffPlaysGameOnlyWhenSwitchedOn) {
  MusicDesk desk;
  toggleMusic(desk.game);
  startMatch(desk.game);
  EXPECT_TRUE(desk.desktop.music().empty());
  EXPECT_EQ(desk.game.state.currentMusic, "game");
  toggleMusic(desk.game);
  EXPECT_EQ(desk.desktop.music(), Names{"game"});
}

TEST(Music, SwitchingOffRightAfterStartStopsTheOpeningMusic) {
  RecordingPlatform desktop;
  Game game(desktop);
  onWindowCreated(game);
  toggleMusic(game);
  EXPECT_EQ(desktop.music(), Names{"begin"});
  EXPECT_EQ(desktop.calls.back().kind, CallKind::StopAll);
}

TEST(Cues, PlayFromTheSoundsFolderInTheOrderAsked) {
  MusicDesk desk;
  playCue(desk.game, "locate");
  playCue(desk.game, "putpig");
  ASSERT_EQ(desk.desktop.callsOf(CallKind::PlayWav).size(), 2u);
  EXPECT_EQ(desk.desktop.callsOf(CallKind::PlayWav)[0]->text, "sounds/locate.wav");
  EXPECT_EQ(desk.desktop.cues(), (Names{"locate", "putpig"}));
}

}  // namespace
}  // namespace vozi
