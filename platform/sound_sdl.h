#pragma once
// The sound player on SDL2_mixer. SDL is loaded and its audio subsystem started
// on the first sound, not before, and only the audio subsystem; without SDL the
// game is silent. SDL_AUDIODRIVER is honoured (tests run with "dummy").
//
// An open audio device wakes the process dozens of times a second even in
// silence, and some drivers keep a thread of their own while the subsystem
// runs. So the device and the subsystem are shut again once no sound has
// played for a while, and opened again by the next sound.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "platform/sound.h"

struct Mix_Chunk;

class SdlSoundPlayer : public SoundPlayer {
 public:
  // idleClose: the silence after which the device is closed.
  explicit SdlSoundPlayer(std::chrono::milliseconds idleClose = std::chrono::seconds(2)) : m_idleClose(idleClose) {}
  ~SdlSoundPlayer() override;
  SdlSoundPlayer(const SdlSoundPlayer&) = delete;
  SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

  void Play(const std::string& file, bool async) override;

  // A synchronous sound never holds the game longer than this.
  static constexpr int kMaxSyncMs = 10000;
  // Larger files are not loaded.
  static constexpr size_t kMaxFileBytes = 32u * 1024 * 1024;

  // Whether the audio device is open now.
  bool DeviceOpen() const;

 private:
  using Clock = std::chrono::steady_clock;
  enum class State { Closed, Open, Failed };
  // These run with m_mutex held.
  bool EnsureOpen();
  void Close();
  void StopCurrent();
  // The closer's thread: it lives while the device is open and closes it after
  // m_idleClose of silence. While the device is closed no thread of ours runs.
  void CloseWhenIdle();

  const std::chrono::milliseconds m_idleClose;
  // Play and the closer both use SDL: one at a time.
  mutable std::mutex m_mutex;
  std::condition_variable m_wake;  // tells the closer that the player goes away
  std::thread m_closer;
  bool m_quit = false;
  State m_state = State::Closed;
  bool m_openedOnce = false;
  Clock::time_point m_lastSound;
  Mix_Chunk* m_chunk = nullptr;  // the sound on our channel, freed when replaced
};
