#include "dialogs/trend.h"

#include <climits>

#include "board/globals.h"
#include "platform/file_io.h"

TrendRecord g_Trend;
std::string g_GraphFile;

namespace {

int32_t GetLe32(const unsigned char* b) {
  const uint32_t v = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                     (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
  return static_cast<int32_t>(v);
}

void PutLe32(unsigned char* b, int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  b[0] = static_cast<unsigned char>(v & 0xFF);
  b[1] = static_cast<unsigned char>((v >> 8) & 0xFF);
  b[2] = static_cast<unsigned char>((v >> 16) & 0xFF);
  b[3] = static_cast<unsigned char>((v >> 24) & 0xFF);
}

}  // namespace

TrendRecord InitialTrend() {
  TrendRecord r;
  r.games = 2;
  r.wins = 1;
  r.trend[0] = 50;
  return r;
}

bool TrendIsSound(const TrendRecord& r) {
  if (r.games < 1 || r.wins < 0 || r.wins > r.games) return false;
  for (int32_t p : r.trend)
    if (p < 0 || p > 100) return false;
  return true;
}

namespace {
// Longer files are read too, as damaged records that a game end may replace;
// a file beyond this is no trend file of ours and is left alone.
constexpr size_t kReadLimit = 65536;

TrendRecord ReadTrend(const std::string& path, FileState& state) {
  std::string data;
  state = ReadWholeFile(path, data, kReadLimit);
  if (state != FileState::Read || data.size() != kTrendFileSize) return InitialTrend();
  const auto* buf = reinterpret_cast<const unsigned char*>(data.data());

  TrendRecord r;
  r.games = GetLe32(buf);
  r.wins = GetLe32(buf + 4);
  for (int i = 0; i < kTrendEntries; ++i) r.trend[i] = GetLe32(buf + 8 + 4 * i);
  return TrendIsSound(r) ? r : InitialTrend();
}
}  // namespace

TrendRecord ReadTrendFile(const std::string& path) {
  FileState state;
  return ReadTrend(path, state);
}

bool WriteTrendFile(const std::string& path, const TrendRecord& r) {
  if (path.empty()) return false;
  unsigned char buf[kTrendFileSize];
  PutLe32(buf, r.games);
  PutLe32(buf + 4, r.wins);
  for (int i = 0; i < kTrendEntries; ++i) PutLe32(buf + 8 + 4 * i, r.trend[i]);

  return ReplaceFile(path, buf, sizeof buf);
}

int AddGameToTrend(TrendRecord& r, bool humanWon) {
  if (!TrendIsSound(r)) r = InitialTrend();

  int last = -1;
  for (int i = kTrendEntries - 1; i >= 0; --i) {
    if (r.trend[i] != 0) {
      last = i;
      break;
    }
  }
  int slot = last + 1;
  if (last == kTrendEntries - 1) {
    for (int i = 1; i < kTrendEntries; ++i) r.trend[i - 1] = r.trend[i];
    slot = kTrendEntries - 1;
  }

  // Only a record of two thousand million games could reach the limit; halving
  // first keeps the share and the arithmetic sound.
  if (r.games == INT32_MAX) {
    r.games /= 2;
    r.wins /= 2;
  }
  ++r.games;
  if (humanWon) ++r.wins;
  // Older games weigh less and less; the share is unchanged by the halving.
  if (r.games >= 16 && r.games % 2 == 0 && r.wins % 2 == 0) {
    r.games /= 2;
    r.wins /= 2;
  }
  const int64_t percent = static_cast<int64_t>(r.wins) * 100 / r.games;
  r.trend[slot] = static_cast<int32_t>(percent < 0 ? 0 : percent > 100 ? 100 : percent);
  return slot;
}

void UpdateTrendFile(int winner) {
  g_Trend = TrendRecord{};
  FileState state;
  g_Trend = ReadTrend(g_GraphFile, state);
  AddGameToTrend(g_Trend, winner == SideHuman);
  // A file that could not be read would not take a write in place either.
  if (state != FileState::Unusable) (void)WriteTrendFile(g_GraphFile, g_Trend);
}
