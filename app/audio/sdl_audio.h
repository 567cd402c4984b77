// Sound output over SDL2_mixer: short cues decoded once at start and mixed over
// each other, and one piece of music streamed from its MP3 file in an endless
// loop. Without a sound device everything here is silent and nothing fails.
#pragma once

#include <memory>
#include <string>

namespace vozi {

class SdlAudio {
 public:
  // Opens the output device and decodes every "*.wav" in `soundsDirectory`
  // (relative to the current directory), keyed by "sounds/<name>.wav".
  explicit SdlAudio(const std::string& soundsDirectory = "sounds");
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // Starts a cue and returns at once; a cue that was not decoded plays nothing.
  void playCue(const std::string& path);
  // Replaces the music playing with this file, from its beginning, looping.
  void loopMusic(const std::string& path);
  // Silences the music and every cue.
  void stopAll();

  [[nodiscard]] bool hasDevice() const;
  [[nodiscard]] int bufferFrames() const;
  [[nodiscard]] int sampleRate() const;
  [[nodiscard]] int loadedCueCount() const;
  [[nodiscard]] bool isMusicPlaying() const;
  [[nodiscard]] int playingCueCount() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vozi
