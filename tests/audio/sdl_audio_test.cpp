// The sound backend against SDL's dummy driver, which mixes in real time
// without a sound card. Run from the program's folder, beside sounds/ and music/.
#include "app/audio/sdl_audio.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

namespace vozi {
namespace {

namespace fs = std::filesystem;

// Waits for the mixer to get somewhere; gives up after a few seconds so a
// stuck mixer fails the test instead of hanging it.
bool waitUntil(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// Waits until the mixer has sent `seconds` more sound to the device.
bool waitForMixing(const SdlAudio& audio, double seconds) {
  const long long target =
      audio.mixedFrames() + static_cast<long long>(seconds * audio.sampleRate()) + 1;
  return waitUntil([&] { return audio.mixedFrames() >= target; });
}

void writeLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A mono 16-bit 44.1 kHz WAV file holding a quiet 440 Hz tone.
void writeToneWav(const fs::path& path, double seconds) {
  constexpr std::uint32_t kRate = 44100;
  const auto frames = static_cast<std::uint32_t>(seconds * kRate);
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  writeLittleEndian(out, 36 + frames * 2, 4);
  out.write("WAVEfmt ", 8);
  writeLittleEndian(out, 16, 4);         // format chunk size
  writeLittleEndian(out, 1, 2);          // PCM
  writeLittleEndian(out, 1, 2);          // mono
  writeLittleEndian(out, kRate, 4);      // frames per second
  writeLittleEndian(out, kRate * 2, 4);  // bytes per second
  writeLittleEndian(out, 2, 2);          // bytes per frame
  writeLittleEndian(out, 16, 2);         // bits per sample
  out.write("data", 4);
  writeLittleEndian(out, frames * 2, 4);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double sample = 4000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * i / kRate);
    writeLittleEndian(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)), 2);
  }
}

// A folder of its own under the system's temporary folder, removed afterwards.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = fs::temp_directory_path() /
            ("vozi-audio-" + std::string(test->name()) + "-" + std::to_string(::getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  [[nodiscard]] const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

struct ShippedCue {
  const char* name;
  double longestSeconds;
};

// Every cue the game sounds. The outcomes of a hand and the exchange may take
// longer; a cue that answers a key must be over before the next key.
constexpr std::array<ShippedCue, 16> kShippedCues{{
    {"start", 0.5},
    {"begin", 0.5},
    {"place", 0.5},
    {"close", 0.5},
    {"putpig", 0.5},
    {"putheart", 0.5},
    {"win1", 1.25},
    {"win2", 1.25},
    {"lose1", 1.25},
    {"lose2", 1.25},
    {"ban", 0.5},
    {"click2", 0.5},
    {"choose", 0.5},
    {"cancel", 0.5},
    {"exchange", 1.25},
    {"locate", 0.5},
}};

constexpr std::array<const char*, 3> kShippedMusic{"music/begin.mp3", "music/game.mp3",
                                                   "music/congratulations.mp3"};

std::string cuePath(const char* name) {
  return std::string("sounds/") + name + ".wav";
}

TEST(SdlAudioTest, DecodesEveryCueTheGameSoundsAtStart) {
  SdlAudio audio;
  ASSERT_TRUE(audio.hasDevice());
  EXPECT_EQ(audio.loadedCueCount(), static_cast<int>(kShippedCues.size()));
  for (const ShippedCue& cue : kShippedCues) {
    SCOPED_TRACE(cue.name);
    EXPECT_TRUE(audio.hasCue(cuePath(cue.name)));
    EXPECT_GT(audio.cueSeconds(cuePath(cue.name)), 0.0);
    EXPECT_LE(audio.cueSeconds(cuePath(cue.name)), cue.longestSeconds);
  }
}

TEST(SdlAudioTest, EveryPieceOfMusicOpensAndPlays) {
  SdlAudio audio;
  ASSERT_TRUE(audio.hasDevice());
  for (const char* piece : kShippedMusic) {
    SCOPED_TRACE(piece);
    audio.loopMusic(piece);
    EXPECT_TRUE(audio.isMusicPlaying());
    EXPECT_EQ(audio.musicPath(), piece);
    // Long enough not to nag, short enough to stay small.
    EXPECT_GE(audio.musicSeconds(), 8.0);
    EXPECT_LE(audio.musicSeconds(), 20.0);
  }
}

TEST(SdlAudioTest, ACueSoundsOnceAndEndsByItself) {
  SdlAudio audio;
  const std::string locate = cuePath("locate");
  audio.playCue(locate);
  EXPECT_EQ(audio.playingCueCount(), 1);
  ASSERT_TRUE(waitForMixing(audio, audio.cueSeconds(locate) + 0.05));
  EXPECT_EQ(audio.playingCueCount(), 0);
}

TEST(SdlAudioTest, CuesInQuickSuccessionSoundTogether) {
  struct Burst {
    std::vector<std::string> cues;
  };
  const std::vector<Burst> bursts{
      {{cuePath("close"), cuePath("putpig")}},
      {{cuePath("ban"), cuePath("ban")}},
      {{cuePath("place"), cuePath("putheart"), cuePath("win2"), cuePath("exchange")}},
  };
  SdlAudio audio;
  for (const Burst& burst : bursts) {
    audio.stopAll();
    for (const std::string& cue : burst.cues) audio.playCue(cue);
    EXPECT_EQ(audio.playingCueCount(), static_cast<int>(burst.cues.size()))
        << "burst starting with " << burst.cues.front();
  }
}

TEST(SdlAudioTest, EveryCueAtOnceOverMusicCutsNoneShort) {
  SdlAudio audio;
  audio.loopMusic("music/game.mp3");
  for (const ShippedCue& cue : kShippedCues) audio.playCue(cuePath(cue.name));
  EXPECT_EQ(audio.playingCueCount(), static_cast<int>(kShippedCues.size()));
  EXPECT_TRUE(audio.isMusicPlaying());
}

TEST(SdlAudioTest, MusicLoopsPastItsEnd) {
  TemporaryFolder folder;
  const fs::path piece = folder.path() / "short.wav";
  constexpr double kPieceSeconds = 0.1;
  writeToneWav(piece, kPieceSeconds);
  SdlAudio audio;
  audio.loopMusic(piece.string());
  ASSERT_TRUE(audio.isMusicPlaying());
  ASSERT_TRUE(waitForMixing(audio, 4 * kPieceSeconds));
  EXPECT_TRUE(audio.isMusicPlaying());
  EXPECT_EQ(audio.musicPath(), piece.string());
}

TEST(SdlAudioTest, ARequestReplacesTheMusicAndStartsItFromItsBeginning) {
  struct Change {
    const char* first;
    const char* second;
  };
  constexpr std::array<Change, 2> kChanges{{
      {"music/begin.mp3", "music/game.mp3"},
      {"music/game.mp3", "music/game.mp3"},  // the same piece again restarts it
  }};
  constexpr double kPlayedSeconds = 0.3;
  SdlAudio audio;
  for (const Change& change : kChanges) {
    SCOPED_TRACE(std::string(change.first) + " then " + change.second);
    audio.loopMusic(change.first);
    ASSERT_TRUE(waitUntil([&] { return audio.musicPositionSeconds() >= kPlayedSeconds; }));
    audio.loopMusic(change.second);
    EXPECT_EQ(audio.musicPath(), change.second);
    EXPECT_LT(audio.musicPositionSeconds(), kPlayedSeconds);
  }
}

TEST(SdlAudioTest, StopAllSilencesTheMusicAndEveryCue) {
  SdlAudio audio;
  audio.loopMusic("music/begin.mp3");
  audio.playCue(cuePath("win2"));
  audio.playCue(cuePath("exchange"));
  ASSERT_TRUE(audio.isMusicPlaying());
  ASSERT_EQ(audio.playingCueCount(), 2);
  audio.stopAll();
  EXPECT_FALSE(audio.isMusicPlaying());
  EXPECT_EQ(audio.playingCueCount(), 0);
  EXPECT_EQ(audio.musicPath(), "");
}

TEST(SdlAudioTest, AMissingCuePlaysNothing) {
  SdlAudio audio;
  audio.playCue("sounds/nosuchcue.wav");
  audio.playCue("");
  EXPECT_EQ(audio.playingCueCount(), 0);
}

TEST(SdlAudioTest, AMissingPieceOfMusicLeavesSilence) {
  SdlAudio audio;
  audio.loopMusic("music/nosuchpiece.mp3");
  EXPECT_FALSE(audio.isMusicPlaying());
  // Asked for in place of a piece that is playing, it still replaces it.
  audio.loopMusic("music/begin.mp3");
  ASSERT_TRUE(audio.isMusicPlaying());
  audio.loopMusic("music/nosuchpiece.mp3");
  EXPECT_FALSE(audio.isMusicPlaying());
  EXPECT_EQ(audio.musicPath(), "");
}

TEST(SdlAudioTest, BrokenAndForeignFilesInTheSoundsFolderAreSkipped) {
  TemporaryFolder folder;
  writeToneWav(folder.path() / "good.wav", 0.05);
  std::ofstream(folder.path() / "broken.wav") << "not a sound at all";
  std::ofstream(folder.path() / "empty.wav");
  writeToneWav(folder.path() / "notes.txt", 0.05);
  const std::string directory = folder.path().string();
  SdlAudio audio(directory);
  EXPECT_EQ(audio.loadedCueCount(), 1);
  EXPECT_TRUE(audio.hasCue(directory + "/good.wav"));
  audio.playCue(directory + "/broken.wav");
  audio.playCue(directory + "/empty.wav");
  EXPECT_EQ(audio.playingCueCount(), 0);
  audio.playCue(directory + "/good.wav");
  EXPECT_EQ(audio.playingCueCount(), 1);
}

TEST(SdlAudioTest, AMissingSoundsFolderLeavesNoCuesButMusicStillPlays) {
  SdlAudio audio("nosuchfolder");
  EXPECT_TRUE(audio.hasDevice());
  EXPECT_EQ(audio.loadedCueCount(), 0);
  audio.loopMusic("music/begin.mp3");
  EXPECT_TRUE(audio.isMusicPlaying());
}

TEST(SdlAudioTest, WithoutASoundDeviceEveryCallIsSilent) {
  const char* const chosen = std::getenv("SDL_AUDIODRIVER");
  const std::string driver = chosen != nullptr ? chosen : "";
  ::setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
  {
    SdlAudio audio;
    EXPECT_FALSE(audio.hasDevice());
    audio.playCue(cuePath("ban"));
    audio.loopMusic("music/game.mp3");
    EXPECT_EQ(audio.loadedCueCount(), 0);
    EXPECT_EQ(audio.playingCueCount(), 0);
    EXPECT_FALSE(audio.isMusicPlaying());
    EXPECT_EQ(audio.bufferFrames(), 0);
    audio.stopAll();
  }
  if (chosen != nullptr) {
    ::setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
  } else {
    ::unsetenv("SDL_AUDIODRIVER");
  }
  // The device opens again once there is one.
  SdlAudio audio;
  EXPECT_TRUE(audio.hasDevice());
}

TEST(SdlAudioTest, MixesInBuffersShortEnoughToAnswerAKeyAtOnce) {
  SdlAudio audio;
  ASSERT_TRUE(waitUntil([&] { return audio.mixedFrames() > 0; }));
  EXPECT_GT(audio.bufferFrames(), 0);
  EXPECT_LE(audio.bufferFrames(), 512);
  EXPECT_LE(1000.0 * audio.bufferFrames() / audio.sampleRate(), 12.0);
}

}  // namespace
}  // namespace vozi
