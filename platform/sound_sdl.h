#pragma once
// The sound player on SDL2_mixer. SDL is loaded and its audio subsystem started
// on the first sound, not before, and only the audio subsystem; without SDL the
// game is silent. SDL_AUDIODRIVER is honoured (tests run with "dummy").
#include <string>

#include "platform/sound.h"

struct Mix_Chunk;

class SdlSoundPlayer : public SoundPlayer {
 public:
  SdlSoundPlayer() = default;
  ~SdlSoundPlayer() override;
  SdlSoundPlayer(const SdlSoundPlayer&) = delete;
  SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

  void Play(const std::string& file, bool async) override;

  // A synchronous sound never holds the game longer than this.
  static constexpr int kMaxSyncMs = 10000;
  // Larger files are not loaded.
  static constexpr size_t kMaxFileBytes = 32u * 1024 * 1024;

  // Whether the audio device could be opened (false before the first sound).
  bool DeviceOpen() const { return m_state == State::Open; }

 private:
  enum class State { NotStarted, Open, Failed };
  bool EnsureOpen();
  void StopCurrent();

  State m_state = State::NotStarted;
  bool m_sdlStarted = false;
  Mix_Chunk* m_chunk = nullptr;  // the sound on our channel, freed when replaced
};
