#include "platform/sound_sdl.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;

// An 8-bit mono PCM wave file of the given length.
std::string MakeWave(int ms, int rate = 11025) {
  const uint32_t samples = static_cast<uint32_t>(rate) * static_cast<uint32_t>(ms) / 1000;
  std::string w;
  const auto u32 = [&w](uint32_t v) {
    for (int i = 0; i < 4; ++i) w += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  const auto u16 = [&w](uint16_t v) {
    w += static_cast<char>(v & 0xFF);
    w += static_cast<char>(v >> 8);
  };
  w += "RIFF";
  u32(36 + samples);
  w += "WAVEfmt ";
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(static_cast<uint32_t>(rate));
  u32(static_cast<uint32_t>(rate));  // bytes per second
  u16(1);                            // block align
  u16(8);                            // bits per sample
  w += "data";
  u32(samples);
  for (uint32_t i = 0; i < samples; ++i) w += static_cast<char>((i / 10) % 2 ? 0xA0 : 0x60);
  return w;
}

double MsSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

size_t Threads() {
  const std::filesystem::directory_iterator tasks("/proc/self/task");
  return static_cast<size_t>(std::distance(begin(tasks), end(tasks)));
}

// Waits until the player has shut the device and SDL's audio subsystem and
// every thread they brought has ended; false when that took over 3 s.
bool AllShut(const SdlSoundPlayer& player, size_t threads) {
  const auto start = Clock::now();
  while (player.DeviceOpen() || SDL_WasInit(SDL_INIT_AUDIO) != 0 || Threads() != threads) {
    if (MsSince(start) > 3000) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

class SdlSound : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("SDL_AUDIODRIVER", "dummy", 1); }
  TempDir dir;
};

}  // namespace

TEST_F(SdlSound, BadFilesAreSilentAndQuick) {
  SdlSoundPlayer player;
  WriteText(dir.File("text.wav"), "this is not a sound file at all\n");
  WriteText(dir.File("empty.wav"), "");
  WriteText(dir.File("header.wav"), MakeWave(50).substr(0, 20));  // cut inside the format block
  std::string corrupt = MakeWave(50);
  corrupt[20] = 0x34;  // an unknown encoding
  corrupt[21] = 0x12;
  WriteText(dir.File("corrupt.wav"), corrupt);
  ASSERT_EQ(::mkfifo(dir.File("fifo.wav").c_str(), 0600), 0);

  const auto start = Clock::now();
  const auto both = [&player](const std::string& file) {
    player.Play(file, false);
    player.Play(file, true);
  };
  for (const char* name : {"missing.wav", "text.wav", "empty.wav", "fifo.wav"}) both(dir.File(name));
  both("");
  both(dir.path().string());  // a directory
  // Nothing that looked like a wave file was asked for: the device stays closed.
  EXPECT_FALSE(player.DeviceOpen());
  // Files that look like wave files but do not decode open the device, no more.
  both(dir.File("header.wav"));
  both(dir.File("corrupt.wav"));
  EXPECT_LT(MsSince(start), 2000.0);
}

TEST_F(SdlSound, SyncWaitsForTheSoundAsyncReturnsAtOnce) {
  const std::string wave = dir.File("beep.wav");
  WriteText(wave, MakeWave(50));
  WriteText(dir.File("long.wav"), MakeWave(400));
  {
    SdlSoundPlayer player;
    // The first sound starts the audio subsystem.
    auto t = Clock::now();
    player.Play(wave, false);
    ASSERT_TRUE(player.DeviceOpen()) << "the dummy audio driver should open";
    double took = MsSince(t);
    EXPECT_GE(took, 45.0);
    EXPECT_LT(took, 3000.0);

    t = Clock::now();
    player.Play(wave, false);
    took = MsSince(t);
    EXPECT_GE(took, 45.0);
    EXPECT_LT(took, 1500.0);

    // A name from an old settings file, with the other system's separators.
    std::string old = wave;
    std::replace(old.begin(), old.end(), '/', '\\');
    t = Clock::now();
    player.Play(old, false);
    EXPECT_GE(MsSince(t), 45.0);

    // Asynchronous sounds return at once, and a new one replaces the last.
    t = Clock::now();
    player.Play(dir.File("long.wav"), true);
    player.Play(wave, true);
    player.Play(dir.File("long.wav"), true);
    EXPECT_LT(MsSince(t), 300.0);
    // A synchronous sound cuts a playing asynchronous one short.
    t = Clock::now();
    player.Play(wave, false);
    took = MsSince(t);
    EXPECT_GE(took, 45.0);
    EXPECT_LT(took, 1500.0);
    player.Play(dir.File("long.wav"), true);  // still playing when the player goes away
  }
  // A second player after the first has closed the device works as well.
  SdlSoundPlayer again;
  const auto t = Clock::now();
  again.Play(wave, false);
  EXPECT_TRUE(again.DeviceOpen());
  EXPECT_GE(MsSince(t), 45.0);
}

// The default sounds the build writes beside the programs: each decodes, is
// heard (not all near silence), has a sensible length, and plays through the
// player for about that long. The dice sound is played synchronously, so it
// must stay short.
TEST_F(SdlSound, DefaultSoundsAreHeardAndShort) {
  const struct {
    const char* name;
    int minMs, maxMs;
  } kSounds[] = {{"dice.wav", 150, 600},
                 {"piece.wav", 20, 300},
                 {"hit.wav", 50, 500},
                 {"youwin.wav", 300, 2500},
                 {"youlose.wav", 300, 2500}};
  const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  SdlSoundPlayer player;
  for (const auto& sound : kSounds) {
    SCOPED_TRACE(sound.name);
    const std::string file = (folder / sound.name).string();
    SDL_AudioSpec spec{};
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    ASSERT_NE(SDL_LoadWAV(file.c_str(), &spec, &data, &bytes), nullptr) << SDL_GetError();
    ASSERT_EQ(spec.format, AUDIO_S16LSB);
    std::vector<int16_t> samples(bytes / 2);
    std::memcpy(samples.data(), data, samples.size() * 2);
    SDL_FreeWAV(data);
    const double ms = 1000.0 * static_cast<double>(samples.size()) / (spec.freq * spec.channels);
    EXPECT_GE(ms, sound.minMs);
    EXPECT_LE(ms, sound.maxMs);
    int peak = 0;
    size_t loud = 0;
    for (int16_t s : samples) {
      peak = std::max(peak, std::abs(static_cast<int>(s)));
      if (std::abs(static_cast<int>(s)) > 1000) ++loud;
    }
    EXPECT_GT(peak, 8000);
    EXPECT_GT(loud, samples.size() / 20);

    const auto t = Clock::now();
    player.Play(file, false);
    EXPECT_TRUE(player.DeviceOpen());
    EXPECT_GE(MsSince(t), ms - 20);
  }
}

// An open device wakes the game dozens of times a second: it is shut after a
// silence and opened again by the next sound, never while a sound plays.
TEST_F(SdlSound, ClosesWhenSilentAndOpensAgain) {
  const std::string beep = dir.File("beep.wav"), sound = dir.File("sound.wav"), longer = dir.File("long.wav");
  WriteText(beep, MakeWave(50));
  WriteText(sound, MakeWave(400));
  WriteText(longer, MakeWave(1000));
  const size_t threads = Threads();
  SdlSoundPlayer player(std::chrono::milliseconds(300));
  const auto sleep = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };

  // The silence is counted from the end of a synchronous sound.
  auto t = Clock::now();
  player.Play(sound, false);
  EXPECT_GE(MsSince(t), 395.0);
  sleep(100);
  EXPECT_TRUE(player.DeviceOpen());
  EXPECT_TRUE(AllShut(player, threads));

  // A sound longer than the silence plays to its end.
  t = Clock::now();
  player.Play(longer, true);
  EXPECT_LT(MsSince(t), 300.0);
  EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  sleep(500);
  EXPECT_TRUE(player.DeviceOpen());
  EXPECT_TRUE(AllShut(player, threads));
  EXPECT_GE(MsSince(t), 1000.0);

  // The next sound opens the device again and plays whole.
  t = Clock::now();
  player.Play(beep, false);
  EXPECT_TRUE(player.DeviceOpen());
  EXPECT_GE(MsSince(t), 45.0);
  EXPECT_LT(MsSince(t), 1500.0);
  // Each sound starts the silence anew.
  sleep(200);
  player.Play(beep, true);
  sleep(200);
  EXPECT_TRUE(player.DeviceOpen());
  EXPECT_TRUE(AllShut(player, threads));

  // A device that played before is asked again after it failed once.
  ::setenv("SDL_AUDIODRIVER", "none", 1);
  player.Play(beep, false);
  EXPECT_FALSE(player.DeviceOpen());
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  player.Play(beep, false);
  EXPECT_TRUE(player.DeviceOpen());
}
