// Writes the game's default sounds named on the command line as 16-bit mono
// wave files (the name with ".wav") into the folder given: all of them
// computed here, so that a fresh build is not silent.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;  // -1..1

// A fixed noise source, so that every build writes the same files.
struct Noise {
  uint32_t state = 12345;
  double Next() {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / static_cast<double>(1u << 23) - 1.0;
  }
};

int Frames(double ms) { return static_cast<int>(ms * kRate / 1000.0); }

// A knock: a burst of noise and a low tone dying away fast, added at startMs.
void AddKnock(Samples& out, double startMs, double lengthMs, double toneHz, double loudness, Noise& noise) {
  const int start = Frames(startMs);
  const int length = Frames(lengthMs);
  if (out.size() < static_cast<size_t>(start + length)) out.resize(static_cast<size_t>(start + length), 0.0);
  for (int i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double decay = std::exp(-t * 6000.0 / lengthMs);
    const double tone = std::sin(2.0 * kPi * toneHz * t);
    out[static_cast<size_t>(start + i)] += loudness * decay * (0.6 * noise.Next() + 0.4 * tone);
  }
}

// A tune of equal notes, each with a soft start and end to avoid clicks.
Samples Tune(const std::vector<double>& notesHz, double noteMs) {
  Samples out;
  const int length = Frames(noteMs);
  const int ramp = Frames(8);
  for (double hz : notesHz)
    for (int i = 0; i < length; ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double edge = std::min({1.0, static_cast<double>(i) / ramp, static_cast<double>(length - i) / ramp});
      const double wave = std::sin(2.0 * kPi * hz * t) + 0.3 * std::sin(4.0 * kPi * hz * t);
      out.push_back(0.45 * edge * std::exp(-t * 3.0) * wave);
    }
  return out;
}

Samples Dice() {
  Samples out;
  Noise noise;
  // Dice rattling in a cup, then landing: knocks closer and louder at the end.
  const double starts[] = {0, 35, 60, 100, 125, 170, 205, 240, 290, 315};
  for (size_t i = 0; i < std::size(starts); ++i)
    AddKnock(out, starts[i], 40, 1800.0 + 300.0 * static_cast<double>(i % 3), 0.35 + 0.04 * static_cast<double>(i),
             noise);
  return out;
}

Samples Piece() {
  Samples out;
  Noise noise;
  AddKnock(out, 0, 60, 900, 0.7, noise);
  return out;
}

Samples Hit() {
  Samples out;
  Noise noise;
  AddKnock(out, 0, 90, 500, 0.8, noise);
  AddKnock(out, 45, 120, 250, 0.6, noise);
  return out;
}

bool WriteWave(const std::string& path, const Samples& samples) {
  std::vector<unsigned char> bytes;
  auto put = [&bytes](uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
  };
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
  put(36 + dataBytes, 4);
  bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);  // mono
  put(kRate, 4);
  put(kRate * 2, 4);
  put(2, 2);
  put(16, 2);
  bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
  put(dataBytes, 4);
  for (double s : samples) {
    const auto value = static_cast<int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
    put(static_cast<uint16_t>(value), 2);
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

// Each default sound by its name: the build names the ones to write (its list
// of default sounds), and a name without a sound here fails the build.
std::optional<Samples> SoundNamed(const std::string& name) {
  const double c5 = 523.25, e5 = 659.26, g5 = 783.99, c6 = 1046.5;
  const double g4 = 392.0, e4 = 329.63, c4 = 261.63;
  if (name == "dice") return Dice();
  if (name == "piece") return Piece();
  if (name == "hit") return Hit();
  if (name == "youwin") return Tune({c5, e5, g5, c6}, 160);
  if (name == "youlose") return Tune({g4, e4, c4, c4 / 2 * 1.5}, 220);
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s FOLDER NAME...\n", argv[0]);
    return 2;
  }
  // Every name is known before the first file is written.
  std::vector<Samples> sounds;
  for (int i = 2; i < argc; ++i) {
    std::optional<Samples> samples = SoundNamed(argv[i]);
    if (!samples) {
      std::fprintf(stderr, "no sound is computed for the name %s\n", argv[i]);
      return 1;
    }
    sounds.push_back(std::move(*samples));
  }
  const std::string folder = std::string(argv[1]) + "/";
  for (int i = 2; i < argc; ++i) {
    const std::string file = folder + argv[i] + ".wav";
    if (!WriteWave(file, sounds[static_cast<size_t>(i - 2)])) {
      std::fprintf(stderr, "cannot write %s\n", file.c_str());
      return 1;
    }
  }
  return 0;
}
