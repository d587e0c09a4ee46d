#include "platform/sound_sdl.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

constexpr int kChannel = 0;

// Reads a wave file whole without ever blocking (a FIFO, a directory or a huge
// file is refused), so that a bad name costs no time and no device.
bool ReadWaveFile(const std::string& path, std::vector<unsigned char>& out) {
  if (path.empty()) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 12 ||
      static_cast<uint64_t>(st.st_size) > SdlSoundPlayer::kMaxFileBytes) {
    ::close(fd);
    return false;
  }
  out.resize(static_cast<size_t>(st.st_size));
  size_t got = 0;
  while (got < out.size()) {
    const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  out.resize(got);
  // Only RIFF wave files are sounds here; the mixer would also try other formats.
  return got >= 12 && std::equal(out.begin(), out.begin() + 4, "RIFF") &&
         std::equal(out.begin() + 8, out.begin() + 12, "WAVE");
}

uint32_t ChunkMs(const Mix_Chunk* chunk) {
  int freq = 0, channels = 0;
  Uint16 format = 0;
  if (Mix_QuerySpec(&freq, &format, &channels) == 0 || freq <= 0 || channels <= 0) return 0;
  const uint64_t bytesPerFrame = static_cast<uint64_t>(SDL_AUDIO_BITSIZE(format) / 8) * static_cast<uint64_t>(channels);
  if (bytesPerFrame == 0) return 0;
  return static_cast<uint32_t>(static_cast<uint64_t>(chunk->alen) * 1000 / (bytesPerFrame * static_cast<uint64_t>(freq)));
}

}  // namespace

SdlSoundPlayer::~SdlSoundPlayer() {
  StopCurrent();
  if (m_state == State::Open) Mix_CloseAudio();
  if (m_sdlStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundPlayer::EnsureOpen() {
  if (m_state != State::NotStarted) return m_state == State::Open;
  m_state = State::Failed;  // a device that failed once is not asked again
  // The front end owns the signals; SDL must not take SIGINT and SIGTERM.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  m_sdlStarted = true;
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return false;
  Mix_AllocateChannels(1);
  m_state = State::Open;
  return true;
}

void SdlSoundPlayer::StopCurrent() {
  if (m_chunk == nullptr) return;
  Mix_HaltChannel(kChannel);
  Mix_FreeChunk(m_chunk);
  m_chunk = nullptr;
}

void SdlSoundPlayer::Play(const std::string& file, bool async) {
  // Names from old settings files may still use the other system's separator.
  std::string path = file;
  std::replace(path.begin(), path.end(), '\\', '/');
  std::vector<unsigned char> data;
  if (!ReadWaveFile(path, data)) return;
  if (!EnsureOpen()) return;
  SDL_RWops* rw = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
  if (rw == nullptr) return;
  Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
  if (chunk == nullptr) return;
  StopCurrent();  // one sound at a time: the new one replaces the old
  if (Mix_PlayChannel(kChannel, chunk, 0) < 0) {
    Mix_FreeChunk(chunk);
    return;
  }
  m_chunk = chunk;
  if (async) return;

  // Wait for the end, but at least the sound's length (a device may take the
  // data faster than it plays it) and never longer than kMaxSyncMs.
  const uint32_t length = ChunkMs(chunk);
  const uint64_t start = SDL_GetTicks64();
  const uint64_t minEnd = start + std::min<uint32_t>(length, kMaxSyncMs);
  const uint64_t maxEnd = start + std::min<uint64_t>(static_cast<uint64_t>(length) + 1000, kMaxSyncMs);
  for (;;) {
    const uint64_t now = SDL_GetTicks64();
    if (now >= maxEnd || (now >= minEnd && Mix_Playing(kChannel) == 0)) break;
    SDL_Delay(static_cast<Uint32>(std::min<uint64_t>(5, (now < minEnd ? minEnd : maxEnd) - now)));
  }
  StopCurrent();
}
