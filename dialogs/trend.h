#pragma once
// The trend file: the human's win percentage over the last recorded games,
// kept as one raw little-endian record beside the program.
#include <cstdint>
#include <string>

constexpr int kTrendEntries = 50;

struct TrendRecord {
  int32_t games = 0;  // weighted number of recorded games
  int32_t wins = 0;   // weighted number of those the human won
  // Win percentage after each recorded game, oldest first; 0 marks an unused entry.
  int32_t trend[kTrendEntries] = {};
  bool operator==(const TrendRecord&) const = default;
};
static_assert(sizeof(TrendRecord) == 208);
constexpr size_t kTrendFileSize = 208;

// The record of the last game end; all zero until the first one.
extern TrendRecord g_Trend;
// Full path of the trend file, set at start-up.
extern std::string g_GraphFile;

// The record a new trend starts from: two games, one won, 50 %.
TrendRecord InitialTrend();

// A record that the arithmetic can trust: games at least 1, wins within
// 0..games, every percentage within 0..100.
bool TrendIsSound(const TrendRecord& r);

// The record from the file, or the initial record when the file is missing,
// not a regular file, not exactly 208 bytes long or damaged.
TrendRecord ReadTrendFile(const std::string& path);
// Writes the record through a temporary file renamed over the old one. A path
// that exists but is no regular file is left alone. False when nothing was written.
bool WriteTrendFile(const std::string& path, const TrendRecord& r);

// Adds one game to the record; returns the slot that took its percentage.
int AddGameToTrend(TrendRecord& r, bool humanWon);

// The game end: reads g_GraphFile into g_Trend, adds the game and writes the
// file back, unless the file is there but could not be read. Failures of the
// file change nothing but the file; none is reported.
void UpdateTrendFile(int winner);
