#include "dialogs/trend.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "board/globals.h"
#include "tests/support/other_user.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

class TrendFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(tmp.path().empty());
    dir = tmp.path().string();
    path = dir + "/tremaw32.gph";
    g_GraphFile = path;
    g_Trend = TrendRecord{};
  }

  void WriteBytes(const std::vector<unsigned char>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  static std::vector<unsigned char> Bytes(const TrendRecord& r) {
    std::vector<unsigned char> b;
    auto put = [&b](int32_t v) {
      const auto u = static_cast<uint32_t>(v);
      for (int s = 0; s < 32; s += 8) b.push_back(static_cast<unsigned char>((u >> s) & 0xFF));
    };
    put(r.games);
    put(r.wins);
    for (int32_t t : r.trend) put(t);
    return b;
  }
  std::vector<unsigned char> FileBytes() const {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> DirEntries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    return names;
  }

  TempDir tmp;
  std::string dir, path;
};

TEST_F(TrendFileTest, FirstGameWithoutFileStartsFromTheInitialRecord) {
  UpdateTrendFile(SideHuman);
  EXPECT_EQ(g_Trend.games, 3);
  EXPECT_EQ(g_Trend.wins, 2);
  EXPECT_EQ(g_Trend.trend[0], 50);
  EXPECT_EQ(g_Trend.trend[1], 66);
  EXPECT_EQ(g_Trend.trend[2], 0);
  // Little-endian on disk, exactly the record, and no temporary file left behind.
  const auto bytes = FileBytes();
  ASSERT_EQ(bytes.size(), 208u);
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(bytes[4], 2);
  EXPECT_EQ(bytes[8], 50);
  EXPECT_EQ(bytes[12], 66);
  EXPECT_EQ(DirEntries(), std::vector<std::string>{"tremaw32.gph"});
  EXPECT_EQ(ReadTrendFile(path), g_Trend);

  fs::remove(path);
  UpdateTrendFile(SideComputer);
  EXPECT_EQ(g_Trend.games, 3);
  EXPECT_EQ(g_Trend.wins, 1);
  EXPECT_EQ(g_Trend.trend[1], 33);

  // The next game continues from the file.
  UpdateTrendFile(SideComputer);
  EXPECT_EQ(g_Trend.games, 4);
  EXPECT_EQ(g_Trend.wins, 1);
  EXPECT_EQ(g_Trend.trend[2], 25);
}

TEST_F(TrendFileTest, SlotsShiftHalvingAndZeroEntries) {
  // All 50 entries in use: the oldest goes, the new share is entry 49.
  TrendRecord full;
  full.games = 11;
  full.wins = 5;
  for (int i = 0; i < kTrendEntries; ++i) full.trend[i] = i + 1;
  TrendRecord r = full;
  EXPECT_EQ(AddGameToTrend(r, true), 49);
  for (int i = 0; i < 49; ++i) EXPECT_EQ(r.trend[i], i + 2);
  EXPECT_EQ(r.trend[49], 50);

  struct Halving {
    int games, wins, share;
    bool won;
    int gamesAfter, winsAfter, newShare;
  };
  const Halving halvings[] = {
      {15, 8, 53, false, 8, 4, 50},   // 16/8, halved to 8/4
      {16, 9, 56, true, 17, 10, 58},  // 17/10: odd games, not halved
      {17, 9, 52, false, 18, 9, 50},  // even games with odd wins are not halved
      {13, 4, 30, true, 14, 5, 35},   // below 16 nothing is
  };
  for (const Halving& h : halvings) {
    r = TrendRecord{};
    r.games = h.games;
    r.wins = h.wins;
    r.trend[0] = h.share;
    EXPECT_EQ(AddGameToTrend(r, h.won), 1) << h.games << "/" << h.wins;
    EXPECT_EQ(r.games, h.gamesAfter);
    EXPECT_EQ(r.wins, h.winsAfter);
    EXPECT_EQ(r.trend[1], h.newShare);
  }

  // A game at 0 % stores 0, so the next game takes the same slot.
  r = TrendRecord{};
  r.games = 2;
  r.wins = 0;
  r.trend[0] = 100;
  EXPECT_EQ(AddGameToTrend(r, false), 1);
  EXPECT_EQ(r.trend[1], 0);
  EXPECT_EQ(AddGameToTrend(r, true), 1);
  EXPECT_EQ(r.trend[1], 25);

  // Sound counts but no share in use yet: the new share is entry 0.
  r = TrendRecord{};
  r.games = 9;
  r.wins = 3;
  EXPECT_EQ(AddGameToTrend(r, true), 0);
  EXPECT_EQ(r.trend[0], 40);

  // The largest counts neither overflow nor leave 0..100.
  r = TrendRecord{};
  r.games = INT32_MAX;
  r.wins = INT32_MAX;
  r.trend[0] = 100;
  AddGameToTrend(r, true);
  EXPECT_GE(r.games, 1);
  EXPECT_LE(r.wins, r.games);
  EXPECT_EQ(r.trend[1], 100);
}

TEST_F(TrendFileTest, DamagedOrForeignFilesStartAnew) {
  TrendRecord good;
  good.games = 7;
  good.wins = 3;
  good.trend[0] = 42;
  WriteBytes(Bytes(good));
  EXPECT_EQ(ReadTrendFile(path), good);

  const TrendRecord initial = InitialTrend();
  // A file of zeros has no games: damaged.
  WriteBytes(std::vector<unsigned char>(208, 0));
  EXPECT_EQ(ReadTrendFile(path), initial);
  UpdateTrendFile(SideHuman);
  EXPECT_EQ(g_Trend.games, 3);
  EXPECT_EQ(g_Trend.trend[1], 66);

  // Counts and shares out of range.
  void (*const damages[])(TrendRecord&) = {
      [](TrendRecord& r) { r.games = -5; },     [](TrendRecord& r) { r.wins = 8; },
      [](TrendRecord& r) { r.wins = -1; },      [](TrendRecord& r) { r.trend[3] = 101; },
      [](TrendRecord& r) { r.trend[49] = -1; },
  };
  for (auto damage : damages) {
    TrendRecord r = good;
    damage(r);
    WriteBytes(Bytes(r));
    EXPECT_EQ(ReadTrendFile(path), initial) << r.games << "/" << r.wins;
  }

  // Short, long and empty files.
  auto shorter = Bytes(good), longer = Bytes(good);
  shorter.resize(100);
  longer.push_back(0);
  for (const auto& bytes : {shorter, longer, std::vector<unsigned char>{}}) {
    WriteBytes(bytes);
    EXPECT_EQ(ReadTrendFile(path), initial) << bytes.size();
  }

  // A damaged file is replaced by a sound record after the game.
  WriteBytes(std::vector<unsigned char>(208, 0xFF));
  UpdateTrendFile(SideComputer);
  EXPECT_EQ(ReadTrendFile(path), g_Trend);
  EXPECT_EQ(g_Trend.games, 3);
  EXPECT_EQ(g_Trend.trend[1], 33);
}

TEST_F(TrendFileTest, RandomFilesAlwaysGiveASoundRecord) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    // Mostly whole records of random words, some of other lengths, some
    // with small plausible counts so that they pass the checks.
    const size_t size = round % 4 == 0 ? rng() % 300 : 208;
    std::vector<unsigned char> bytes(size);
    for (auto& b : bytes) b = static_cast<unsigned char>(rng());
    if (round % 3 == 0 && size == 208) {
      for (size_t i = 0; i < size; i += 4) {
        const uint32_t v = rng() % 120;
        bytes[i] = static_cast<unsigned char>(v);
        bytes[i + 1] = bytes[i + 2] = bytes[i + 3] = 0;
      }
    }
    WriteBytes(bytes);
    const TrendRecord r = ReadTrendFile(path);
    ASSERT_TRUE(TrendIsSound(r)) << round;
    UpdateTrendFile(round % 2 ? SideHuman : SideComputer);
    ASSERT_TRUE(TrendIsSound(g_Trend)) << round;
    ASSERT_EQ(ReadTrendFile(path), g_Trend) << round;
  }
}

// A file that could not be read is never overwritten, though the game still
// counts the game in memory: a write in place would have failed as well.
TEST_F(TrendFileTest, FileThatCouldNotBeReadIsKept) {
  fs::permissions(dir, fs::perms::all);  // the player may create files here
  struct Case {
    const char* name;
    size_t size;
    mode_t mode;
    bool asPlayer;  // the file belongs to the player, who may write but not read it
  };
  const Case cases[] = {{"far too long to be ours", 100000, 0644, false}, {"unreadable", 208, 0200, true}};
  for (const Case& c : cases) {
    const std::vector<unsigned char> before(c.size, 7);
    WriteBytes(before);
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    if (c.asPlayer) {
      if (::chown(path.c_str(), 65534, 65534) != 0) continue;  // not root: no other user to be
      const int sound = AsOtherUser([] {
        UpdateTrendFile(SideHuman);
        return g_Trend.games == 3;
      });
      ASSERT_EQ(sound, 1) << c.name;
    } else {
      UpdateTrendFile(SideHuman);
      EXPECT_EQ(g_Trend.games, 3) << c.name;
    }
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(after == before) << c.name;
    fs::remove(path);
  }
}

TEST_F(TrendFileTest, UnusableFileIsTreatedAsMissingAndNeverBlocks) {
  // A directory in the file's place: read as missing, left alone, nothing kept.
  fs::create_directory(path);
  UpdateTrendFile(SideHuman);
  EXPECT_EQ(g_Trend.games, 3);
  EXPECT_EQ(g_Trend.trend[1], 66);
  EXPECT_TRUE(fs::is_directory(path));
  fs::remove(path);

  // A FIFO nobody writes to must not hang the read, and is not replaced.
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  UpdateTrendFile(SideComputer);
  EXPECT_EQ(g_Trend.games, 3);
  EXPECT_EQ(g_Trend.trend[1], 33);
  EXPECT_TRUE(fs::is_fifo(path));
  fs::remove(path);

  // A directory that can be neither read nor written: updated in memory only.
  if (::geteuid() != 0) {
    fs::permissions(dir, fs::perms::none);
    UpdateTrendFile(SideHuman);
    EXPECT_EQ(g_Trend.games, 3);
    EXPECT_EQ(g_Trend.wins, 2);
    EXPECT_FALSE(WriteTrendFile(path, g_Trend));
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_EQ(DirEntries().size(), 0u);
  }

  // A symbolic link: the file behind it is replaced, the link stays.
  const std::string real = dir + "/real.gph";
  TrendRecord good;
  good.games = 4;
  good.wins = 2;
  good.trend[0] = 50;
  ASSERT_TRUE(WriteTrendFile(real, good));
  fs::create_symlink(real, path);
  UpdateTrendFile(SideHuman);
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(ReadTrendFile(real).games, 5);

  // No path at all.
  g_GraphFile.clear();
  UpdateTrendFile(SideHuman);
  EXPECT_EQ(g_Trend.games, 3);
}

}  // namespace
