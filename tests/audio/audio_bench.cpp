// What the sound backend costs the game's thread: starting one cue (it must
// not delay the key press it confirms), switching the music, and the start-up
// that decodes every cue. Also prints how much sound one output buffer holds,
// the delay between a key press and its cue.
//
// Runs in the program's folder; uses SDL's dummy driver unless
// SDL_AUDIODRIVER names another.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "app/audio/sdl_audio.h"

namespace {

const std::array<std::string, 16> kCues{
    "sounds/start.wav",  "sounds/begin.wav",    "sounds/place.wav",    "sounds/close.wav",
    "sounds/putpig.wav", "sounds/putheart.wav", "sounds/win1.wav",     "sounds/win2.wav",
    "sounds/lose1.wav",  "sounds/lose2.wav",    "sounds/ban.wav",      "sounds/click2.wav",
    "sounds/choose.wav", "sounds/cancel.wav",   "sounds/exchange.wav", "sounds/locate.wav",
};

void BM_PlayCue(benchmark::State& state) {
  vozi::SdlAudio audio;
  if (!audio.hasDevice()) {
    state.SkipWithError("no sound device");
    return;
  }
  std::size_t started = 0;
  for (auto _ : state) {
    audio.playCue(kCues[started % kCues.size()]);
    // Free the channels now and then, so that every call really starts a cue
    // instead of finding all channels busy.
    if (++started % kCues.size() == 0) {
      state.PauseTiming();
      audio.stopAll();
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_PlayCue);

void BM_LoopMusic(benchmark::State& state) {
  vozi::SdlAudio audio;
  if (!audio.hasDevice()) {
    state.SkipWithError("no sound device");
    return;
  }
  const std::array<std::string, 2> pieces{"music/begin.mp3", "music/game.mp3"};
  std::size_t requests = 0;
  for (auto _ : state) audio.loopMusic(pieces[requests++ % pieces.size()]);
}
BENCHMARK(BM_LoopMusic)->Unit(benchmark::kMicrosecond);

// The first request for a piece opens its file; later ones find it open.
void BM_FirstMusicRequest(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto audio = std::make_unique<vozi::SdlAudio>();
    state.ResumeTiming();
    audio->loopMusic("music/game.mp3");
    state.PauseTiming();
    audio.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstMusicRequest)->Unit(benchmark::kMicrosecond)->Iterations(20);

// Opening the device and decoding every cue, as the program does once at start.
// Closing is left out: it happens at exit, after the window has gone.
void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    auto audio = std::make_unique<vozi::SdlAudio>();
    benchmark::DoNotOptimize(audio->loadedCueCount());
    state.PauseTiming();
    audio.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

void printOutputLatency() {
  vozi::SdlAudio audio;
  if (!audio.hasDevice()) {
    std::printf("No sound device: everything is silent.\n");
    return;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (audio.mixedFrames() == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  std::printf("Cues decoded: %d\n", audio.loadedCueCount());
  std::printf("Output buffer: %d frames at %d Hz = %.2f ms (%s)\n", audio.bufferFrames(),
              audio.sampleRate(), 1000.0 * audio.bufferFrames() / audio.sampleRate(),
              audio.mixedFrames() > 0 ? "measured" : "as opened; the mixer has not run yet");
}

}  // namespace

int main(int argc, char** argv) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::error_code error;
  std::filesystem::current_path(VOZI_RUNTIME_DIR, error);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  printOutputLatency();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
