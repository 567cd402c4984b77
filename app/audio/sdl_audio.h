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
  // (relative to the current directory), keyed by the path the game plays it
  // by: "sounds/<name>.wav", or "<soundsDirectory>/<name>.wav".
  // One object per program: it owns SDL's audio subsystem while it lives.
  explicit SdlAudio(const std::string& soundsDirectory = "sounds");
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // Starts a cue and returns at once; a cue that was not decoded plays nothing.
  void playCue(const std::string& path);
  // Replaces the music playing with this file, from its beginning, looping.
  // A file that cannot be opened leaves the music stopped.
  void loopMusic(const std::string& path);
  // Silences the music and every cue.
  void stopAll();

  [[nodiscard]] bool hasDevice() const;
  // Frames the mixer fills per pass: as measured once it has run, before that
  // the size it was opened with; 0 without a device.
  [[nodiscard]] int bufferFrames() const;
  [[nodiscard]] int sampleRate() const;
  [[nodiscard]] int loadedCueCount() const;
  [[nodiscard]] bool isMusicPlaying() const;
  [[nodiscard]] int playingCueCount() const;

  [[nodiscard]] bool hasCue(const std::string& path) const;
  // Length of a decoded cue, 0 for one that was not decoded.
  [[nodiscard]] double cueSeconds(const std::string& path) const;
  // The file of the music playing, "" when none is.
  [[nodiscard]] std::string musicPath() const;
  // Position in, and length of, the music playing; 0 when none is.
  [[nodiscard]] double musicPositionSeconds() const;
  [[nodiscard]] double musicSeconds() const;
  // Frames mixed and sent to the device since it was opened.
  [[nodiscard]] long long mixedFrames() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vozi
