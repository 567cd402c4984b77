#include "app/audio/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cassert>
#include <filesystem>
#include <system_error>
#include <unordered_map>

namespace vozi {

namespace {

constexpr int kSampleRate = 44100;
constexpr int kOutputChannels = 2;
// 512 frames is under 12 ms at 44.1 kHz: the player hears a key taken at once.
constexpr int kBufferFrames = 512;
// Far more than the game ever sounds together, so a burst of cues never has
// to cut one short to make room.
constexpr int kMixChannels = 32;

// SDL_mixer owns the device and the channels globally; two objects would fight.
std::atomic<int> liveInstances{0};

struct ChunkDeleter {
  void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
struct MusicDeleter {
  void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
using MusicPtr = std::unique_ptr<Mix_Music, MusicDeleter>;

std::string withoutTrailingSlash(std::string directory) {
  while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
  return directory;
}

}  // namespace

struct SdlAudio::Impl {
  bool audioSubsystem = false;
  bool mixerInitialised = false;
  bool device = false;
  int rate = 0;
  int channels = 0;
  int bytesPerFrame = 0;
  std::unordered_map<std::string, ChunkPtr> cues;
  // A piece once opened stays open: asking for it again costs no file work.
  std::unordered_map<std::string, MusicPtr> music;
  std::string musicPlayingPath;
  Mix_Music* musicPlaying = nullptr;
  // Written by SDL's audio thread after every mixing pass.
  std::atomic<int> lastPassFrames{0};
  std::atomic<long long> totalFrames{0};

  static void SDLCALL noteMixingPass(void* self, Uint8* /*stream*/, int bytes);
  bool openDevice();
  void loadCues(const std::string& soundsDirectory);
  Mix_Music* openMusic(const std::string& path);
  void closeDevice();
};

void SDLCALL SdlAudio::Impl::noteMixingPass(void* self, Uint8* /*stream*/, int bytes) {
  auto& impl = *static_cast<Impl*>(self);
  const int frames = bytes / impl.bytesPerFrame;
  impl.lastPassFrames.store(frames, std::memory_order_relaxed);
  impl.totalFrames.fetch_add(frames, std::memory_order_relaxed);
}

bool SdlAudio::Impl::openDevice() {
  // The window belongs to Qt: SDL may not install signal handlers or start
  // its video side, only the audio subsystem.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "vozi");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  audioSubsystem = true;

  Mix_Init(MIX_INIT_MP3);  // without MP3 support the music is silent, cues still play
  mixerInitialised = true;
  // The device may choose its own rate and channel count (SDL converts at
  // load time), but not its buffer size: that is the latency the player hears.
  constexpr int kAllowedChanges =
      SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE;
  if (Mix_OpenAudioDevice(kSampleRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames, nullptr,
                          kAllowedChanges) != 0) {
    return false;
  }
  Uint16 format = 0;
  if (Mix_QuerySpec(&rate, &format, &channels) == 0) {
    Mix_CloseAudio();
    return false;
  }
  bytesPerFrame = channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
  assert(bytesPerFrame > 0);
  Mix_AllocateChannels(kMixChannels);
  Mix_SetPostMix(&Impl::noteMixingPass, this);
  device = true;
  return true;
}

void SdlAudio::Impl::loadCues(const std::string& soundsDirectory) {
  const std::string directory = withoutTrailingSlash(soundsDirectory);
  std::error_code error;
  for (auto it = std::filesystem::directory_iterator(directory, error);
       !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    const std::filesystem::path& file = it->path();
    if (file.extension() != ".wav" || !it->is_regular_file(error)) continue;
    const std::string key = directory + "/" + file.filename().string();
    // Decoded and converted to the device's format now, so playing is a copy.
    ChunkPtr chunk(Mix_LoadWAV(file.c_str()));
    if (chunk) cues[key] = std::move(chunk);
  }
}

Mix_Music* SdlAudio::Impl::openMusic(const std::string& path) {
  if (const auto found = music.find(path); found != music.end()) return found->second.get();
  // A missing file is not remembered, so a piece put in place later still plays.
  MusicPtr opened(Mix_LoadMUS(path.c_str()));
  if (!opened) return nullptr;
  return music.emplace(path, std::move(opened)).first->second.get();
}

void SdlAudio::Impl::closeDevice() {
  if (device) {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_SetPostMix(nullptr, nullptr);
    cues.clear();
    music.clear();
    Mix_CloseAudio();
    device = false;
  }
  if (mixerInitialised) Mix_Quit();
  if (audioSubsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  mixerInitialised = false;
  audioSubsystem = false;
}

SdlAudio::SdlAudio(const std::string& soundsDirectory) : impl_(std::make_unique<Impl>()) {
  [[maybe_unused]] const int others = liveInstances.fetch_add(1);
  assert(others == 0 && "one SdlAudio per program");
  if (!impl_->openDevice()) {
    // No sound device (a server, CI): the game goes on in silence.
    impl_->closeDevice();
    return;
  }
  impl_->loadCues(soundsDirectory);
}

SdlAudio::~SdlAudio() {
  impl_->closeDevice();
  liveInstances.fetch_sub(1);
}

void SdlAudio::playCue(const std::string& path) {
  if (!impl_->device) return;
  const auto found = impl_->cues.find(path);
  if (found == impl_->cues.end()) return;
  // The first free channel; with every channel busy the new cue is dropped
  // rather than cutting off one that is sounding.
  Mix_PlayChannel(-1, found->second.get(), 0);
}

void SdlAudio::loopMusic(const std::string& path) {
  if (!impl_->device) return;
  Mix_Music* piece = impl_->openMusic(path);
  // The request replaces what was playing even when its file is missing:
  // music that no longer fits the moment is worse than silence.
  if (piece == nullptr || Mix_PlayMusic(piece, -1) != 0) {
    Mix_HaltMusic();
    impl_->musicPlaying = nullptr;
    impl_->musicPlayingPath.clear();
    return;
  }
  impl_->musicPlaying = piece;
  impl_->musicPlayingPath = path;
}

void SdlAudio::stopAll() {
  if (!impl_->device) return;
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  impl_->musicPlaying = nullptr;
  impl_->musicPlayingPath.clear();
}

bool SdlAudio::hasDevice() const {
  return impl_->device;
}

int SdlAudio::bufferFrames() const {
  if (!impl_->device) return 0;
  const int measured = impl_->lastPassFrames.load(std::memory_order_relaxed);
  return measured > 0 ? measured : kBufferFrames;
}

int SdlAudio::sampleRate() const {
  return impl_->device ? impl_->rate : 0;
}

int SdlAudio::loadedCueCount() const {
  return static_cast<int>(impl_->cues.size());
}

bool SdlAudio::isMusicPlaying() const {
  return impl_->device && Mix_PlayingMusic() != 0;
}

int SdlAudio::playingCueCount() const {
  return impl_->device ? Mix_Playing(-1) : 0;
}

bool SdlAudio::hasCue(const std::string& path) const {
  return impl_->cues.contains(path);
}

double SdlAudio::cueSeconds(const std::string& path) const {
  const auto found = impl_->cues.find(path);
  if (found == impl_->cues.end()) return 0.0;
  const double frames = static_cast<double>(found->second->alen) / impl_->bytesPerFrame;
  return frames / impl_->rate;
}

std::string SdlAudio::musicPath() const {
  return isMusicPlaying() ? impl_->musicPlayingPath : std::string();
}

double SdlAudio::musicPositionSeconds() const {
  if (!isMusicPlaying() || impl_->musicPlaying == nullptr) return 0.0;
  const double position = Mix_GetMusicPosition(impl_->musicPlaying);
  return position > 0.0 ? position : 0.0;
}

double SdlAudio::musicSeconds() const {
  if (!isMusicPlaying() || impl_->musicPlaying == nullptr) return 0.0;
  const double length = Mix_MusicDuration(impl_->musicPlaying);
  return length > 0.0 ? length : 0.0;
}

long long SdlAudio::mixedFrames() const {
  return impl_->totalFrames.load(std::memory_order_relaxed);
}

}  // namespace vozi
