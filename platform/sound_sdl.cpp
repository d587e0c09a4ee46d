#include "platform/sound_sdl.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

namespace {

// SDL and its mixer are loaded with the first sound, not with the program: they
// bring some thirty libraries (sound servers, codecs) that would otherwise be
// mapped, and slow down, every start of the game.
struct SdlApi {
  decltype(&::SDL_SetHint) SDL_SetHint = nullptr;
  decltype(&::SDL_InitSubSystem) SDL_InitSubSystem = nullptr;
  decltype(&::SDL_QuitSubSystem) SDL_QuitSubSystem = nullptr;
  decltype(&::SDL_RWFromConstMem) SDL_RWFromConstMem = nullptr;
  decltype(&::SDL_GetTicks64) SDL_GetTicks64 = nullptr;
  decltype(&::SDL_Delay) SDL_Delay = nullptr;
  decltype(&::Mix_OpenAudio) Mix_OpenAudio = nullptr;
  decltype(&::Mix_CloseAudio) Mix_CloseAudio = nullptr;
  decltype(&::Mix_AllocateChannels) Mix_AllocateChannels = nullptr;
  decltype(&::Mix_LoadWAV_RW) Mix_LoadWAV_RW = nullptr;
  decltype(&::Mix_PlayChannel) Mix_PlayChannel = nullptr;
  decltype(&::Mix_HaltChannel) Mix_HaltChannel = nullptr;
  decltype(&::Mix_FreeChunk) Mix_FreeChunk = nullptr;
  decltype(&::Mix_Playing) Mix_Playing = nullptr;
  decltype(&::Mix_QuerySpec) Mix_QuerySpec = nullptr;
};

template <typename F>
bool Load(void* lib, const char* name, F* f) {
  *f = reinterpret_cast<F>(::dlsym(lib, name));
  return *f != nullptr;
}

// The functions, once loaded; null until the first sound and when SDL is missing.
const SdlApi* g_sdl = nullptr;

bool LoadSdl() {
  static const bool loaded = [] {
    void* sdl = ::dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    void* mix = sdl != nullptr ? ::dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL) : nullptr;
    if (mix == nullptr) return false;
    static SdlApi a;
    bool ok = true;
    ok = Load(sdl, "SDL_SetHint", &a.SDL_SetHint) && ok;
    ok = Load(sdl, "SDL_InitSubSystem", &a.SDL_InitSubSystem) && ok;
    ok = Load(sdl, "SDL_QuitSubSystem", &a.SDL_QuitSubSystem) && ok;
    ok = Load(sdl, "SDL_RWFromConstMem", &a.SDL_RWFromConstMem) && ok;
    ok = Load(sdl, "SDL_GetTicks64", &a.SDL_GetTicks64) && ok;
    ok = Load(sdl, "SDL_Delay", &a.SDL_Delay) && ok;
    ok = Load(mix, "Mix_OpenAudio", &a.Mix_OpenAudio) && ok;
    ok = Load(mix, "Mix_CloseAudio", &a.Mix_CloseAudio) && ok;
    ok = Load(mix, "Mix_AllocateChannels", &a.Mix_AllocateChannels) && ok;
    ok = Load(mix, "Mix_LoadWAV_RW", &a.Mix_LoadWAV_RW) && ok;
    ok = Load(mix, "Mix_PlayChannel", &a.Mix_PlayChannel) && ok;
    ok = Load(mix, "Mix_HaltChannel", &a.Mix_HaltChannel) && ok;
    ok = Load(mix, "Mix_FreeChunk", &a.Mix_FreeChunk) && ok;
    ok = Load(mix, "Mix_Playing", &a.Mix_Playing) && ok;
    ok = Load(mix, "Mix_QuerySpec", &a.Mix_QuerySpec) && ok;
    if (ok) g_sdl = &a;
    return ok;
  }();
  return loaded;
}

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
  if (g_sdl->Mix_QuerySpec(&freq, &format, &channels) == 0 || freq <= 0 || channels <= 0) return 0;
  const uint64_t bytesPerFrame = static_cast<uint64_t>(SDL_AUDIO_BITSIZE(format) / 8) * static_cast<uint64_t>(channels);
  if (bytesPerFrame == 0) return 0;
  return static_cast<uint32_t>(static_cast<uint64_t>(chunk->alen) * 1000 /
                               (bytesPerFrame * static_cast<uint64_t>(freq)));
}

}  // namespace

SdlSoundPlayer::~SdlSoundPlayer() {
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_quit = true;
  }
  m_wake.notify_all();
  if (m_closer.joinable()) m_closer.join();
  if (m_state == State::Open) Close();
}

bool SdlSoundPlayer::DeviceOpen() const {
  const std::lock_guard<std::mutex> lock(m_mutex);
  return m_state == State::Open;
}

bool SdlSoundPlayer::EnsureOpen() {
  if (m_state != State::Closed) return m_state == State::Open;
  // A device that never opened is not asked again; one that has played before
  // is asked again at the next sound (another program may have held it).
  m_state = m_openedOnce ? State::Closed : State::Failed;
  if (!LoadSdl()) return false;
  // The front end owns the signals; SDL must not take SIGINT and SIGTERM.
  g_sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (g_sdl->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (g_sdl->Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    g_sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  g_sdl->Mix_AllocateChannels(1);
  m_state = State::Open;
  m_openedOnce = true;
  // The closer before has closed the device and released the lock: it is ending.
  if (m_closer.joinable()) m_closer.join();
  try {
    m_closer = std::thread(&SdlSoundPlayer::CloseWhenIdle, this);
  } catch (const std::system_error&) {
    // Without a thread the device stays open until the player goes away.
  }
  return true;
}

void SdlSoundPlayer::Close() {
  StopCurrent();
  g_sdl->Mix_CloseAudio();
  g_sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
  m_state = State::Closed;
}

void SdlSoundPlayer::CloseWhenIdle() {
  std::unique_lock<std::mutex> lock(m_mutex);
  while (!m_quit) {
    const Clock::time_point due = m_lastSound + m_idleClose;
    if (Clock::now() < due) {
      m_wake.wait_until(lock, due);
    } else if (g_sdl->Mix_Playing(kChannel) != 0) {
      m_lastSound = Clock::now();  // a long sound: never cut it
    } else {
      Close();
      return;
    }
  }
}

void SdlSoundPlayer::StopCurrent() {
  if (m_chunk == nullptr) return;
  g_sdl->Mix_HaltChannel(kChannel);
  g_sdl->Mix_FreeChunk(m_chunk);
  m_chunk = nullptr;
}

void SdlSoundPlayer::Play(const std::string& file, bool async) {
  // Names from old settings files may still use the other system's separator.
  std::string path = file;
  std::replace(path.begin(), path.end(), '\\', '/');
  std::vector<unsigned char> data;
  if (!ReadWaveFile(path, data)) return;
  const std::lock_guard<std::mutex> lock(m_mutex);
  if (!EnsureOpen()) return;
  m_lastSound = Clock::now();
  SDL_RWops* rw = g_sdl->SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
  if (rw == nullptr) return;
  Mix_Chunk* chunk = g_sdl->Mix_LoadWAV_RW(rw, 1);
  if (chunk == nullptr) return;
  StopCurrent();  // one sound at a time: the new one replaces the old
  if (g_sdl->Mix_PlayChannel(kChannel, chunk, 0) < 0) {
    g_sdl->Mix_FreeChunk(chunk);
    return;
  }
  m_chunk = chunk;
  if (async) return;

  // Wait for the end, but at least the sound's length (a device may take the
  // data faster than it plays it) and never longer than kMaxSyncMs.
  const uint32_t length = ChunkMs(chunk);
  const uint64_t start = g_sdl->SDL_GetTicks64();
  const uint64_t minEnd = start + std::min<uint32_t>(length, kMaxSyncMs);
  const uint64_t maxEnd = start + std::min<uint64_t>(static_cast<uint64_t>(length) + 1000, kMaxSyncMs);
  for (;;) {
    const uint64_t now = g_sdl->SDL_GetTicks64();
    if (now >= maxEnd || (now >= minEnd && g_sdl->Mix_Playing(kChannel) == 0)) break;
    g_sdl->SDL_Delay(static_cast<Uint32>(std::min<uint64_t>(5, (now < minEnd ? minEnd : maxEnd) - now)));
  }
  StopCurrent();
  m_lastSound = Clock::now();
}
