#pragma once
// Plays wave files by name. Failures are silent: a missing file or a missing
// sound device simply plays nothing.
#include <string>

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // A relative name is relative to the current directory. Synchronous play
  // returns when the sound has ended; asynchronous play returns at once. A new
  // sound stops the one still playing.
  virtual void Play(const std::string& file, bool async) = 0;
};
