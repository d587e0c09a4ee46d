#include "platform/ini_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <random>

#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

size_t EntriesIn(const fs::path& dir) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

}  // namespace

TEST(IniStore, ReadingFollowsTheProfileRules) {
  TempDir dir;
  const std::string path = dir.File("tremaw.ini");
  IniStore ini(path);

  // No file: every read gives its default, and nothing is created.
  EXPECT_EQ(ini.GetInt("Options", "Speed", 38), 38);
  EXPECT_EQ(ini.GetString("Options", "RollsList", "x"), "x");
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(EntriesIn(dir.path()), 0u);

  WriteText(path,
            "Orphan=1\n"
            "; a comment\n"
            "[Options]\n"
            "Speed = 12abc \n"
            "neg=\t -3\n"
            "word=abc\n"
            "Empty=\n"
            "Blank=   \n"
            "speed=99\n"
            "  Spaced Key  =  two words  \n"
            "[ sounds ]\n"
            "DiceSound=a.wav\n"
            "[OPTIONS]\n"
            "Speed=77\n"
            "Later=5\n"
            "[Other]\n"
            "Later=6\n");
  // Case-insensitive sections and keys; the first occurrence wins.
  EXPECT_EQ(ini.GetInt("options", "SPEED", 0), 12);
  EXPECT_EQ(ini.GetInt("Options", "neg", 0), -3);
  EXPECT_EQ(ini.GetInt("Options", "word", 7), 0);
  EXPECT_EQ(ini.GetInt("Options", "Empty", 7), 0);
  EXPECT_EQ(ini.GetString("Options", "Speed", ""), "12abc");
  EXPECT_EQ(ini.GetString("Options", "Spaced Key", ""), "two words");
  // A key of a later block of the same section is still found.
  EXPECT_EQ(ini.GetInt("Options", "Later", 0), 5);
  // Present but empty differs from missing.
  EXPECT_EQ(ini.GetString("Options", "Empty", "def"), "");
  EXPECT_EQ(ini.GetString("Options", "Blank", "def"), "");
  EXPECT_EQ(ini.GetString("Options", "Missing", "def"), "def");
  EXPECT_EQ(ini.GetString("Nowhere", "Speed", "def"), "def");
  // Blanks around a section name do not count; keys before any section belong to none.
  EXPECT_EQ(ini.GetString("Sounds", "dicesound", ""), "a.wav");
  EXPECT_EQ(ini.GetInt("", "Orphan", 9), 9);
  EXPECT_EQ(ini.GetInt("Options", "Orphan", 9), 9);

  // CRLF line endings and a byte-order mark change nothing.
  WriteText(path, "\xEF\xBB\xBF[Game]\r\nHuman=4\r\nComputer=\r\n");
  EXPECT_EQ(ini.GetInt("Game", "Human", 0), 4);
  EXPECT_EQ(ini.GetString("Game", "Computer", "d"), "");

  // Values are capped at 4095 characters, counting a UTF-8 sequence as one.
  std::string longValue;
  for (int i = 0; i < 5000; ++i) longValue += "\xC3\xA4";
  WriteText(path, "[S]\nK=" + longValue + "\n");
  const std::string got = ini.GetString("S", "K", "");
  EXPECT_EQ(got.size(), 2 * IniStore::kMaxValueChars);
}

TEST(IniStore, LeadingIntegerParse) {
  EXPECT_EQ(ParseProfileInt("12abc"), 12);
  EXPECT_EQ(ParseProfileInt(" -3"), -3);
  EXPECT_EQ(ParseProfileInt("+7"), 7);
  EXPECT_EQ(ParseProfileInt("abc"), 0);
  EXPECT_EQ(ParseProfileInt(""), 0);
  EXPECT_EQ(ParseProfileInt("-"), 0);
  EXPECT_EQ(ParseProfileInt("- 3"), 0);
  EXPECT_EQ(ParseProfileInt("3 4"), 3);
  EXPECT_EQ(ParseProfileInt("-2147483648"), INT_MIN);
  EXPECT_EQ(ParseProfileInt("2147483647"), INT_MAX);
  // Out of range saturates rather than wrapping.
  EXPECT_EQ(ParseProfileInt("99999999999999999999"), INT_MAX);
  EXPECT_EQ(ParseProfileInt("-99999999999999999999"), INT_MIN);
}

TEST(IniStore, WritesKeepTheRestOfTheFile) {
  TempDir dir;
  const std::string path = dir.File("tremaw.ini");
  IniStore ini(path);

  // The first write creates the file, the section and the key.
  ASSERT_TRUE(ini.WriteInt("Game", "Human", -5));
  EXPECT_EQ(ReadText(path), "[Game]\nHuman=-5\n");
  ASSERT_TRUE(ini.WriteString("Options", "RollsList", ".\\rolls.txt"));
  EXPECT_EQ(ReadText(path), "[Game]\nHuman=-5\n\n[Options]\nRollsList=.\\rolls.txt\n");
  EXPECT_EQ(ini.GetString("Options", "RollsList", ""), ".\\rolls.txt");

  WriteText(path,
            "; settings\n"
            "[Options]\n"
            "  speed = 10\n"
            "# keep me\n"
            "UseCube=1\n"
            "\n"
            "[Game]\n"
            "Human=3\n"
            "[options]\n"
            "Later=1");
  // An existing value is replaced in place, keeping the key's own spelling.
  ASSERT_TRUE(ini.WriteInt("OPTIONS", "Speed", 44));
  // A new key goes after the last key of the first block of its section.
  ASSERT_TRUE(ini.WriteInt("Options", "HitShake", 0));
  // A key of a later block is replaced there; a last line without a newline is handled.
  ASSERT_TRUE(ini.WriteString("Options", "later", ""));
  ASSERT_TRUE(ini.WriteInt("Sounds", "DiceSoundActive", 1));
  EXPECT_EQ(ReadText(path),
            "; settings\n"
            "[Options]\n"
            "  speed =44\n"
            "# keep me\n"
            "UseCube=1\n"
            "HitShake=0\n"
            "\n"
            "[Game]\n"
            "Human=3\n"
            "[options]\n"
            "Later=\n"
            "\n"
            "[Sounds]\n"
            "DiceSoundActive=1\n");
  EXPECT_EQ(ini.GetInt("Options", "Speed", 0), 44);
  EXPECT_EQ(ini.GetString("Options", "Later", "d"), "");

  // A file with CRLF endings keeps them, new lines included.
  WriteText(path, "[Options]\r\nSpeed=1\r\n");
  ASSERT_TRUE(ini.WriteInt("Options", "Speed", 2));
  ASSERT_TRUE(ini.WriteInt("Options", "UseCube", 1));
  ASSERT_TRUE(ini.WriteInt("Game", "Computer", 3));
  EXPECT_EQ(ReadText(path), "[Options]\r\nSpeed=2\r\nUseCube=1\r\n\r\n[Game]\r\nComputer=3\r\n");

  // The file's permissions survive the rewrite, and no temporary file is left.
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  ASSERT_TRUE(ini.WriteInt("Game", "Computer", 4));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(IniStore, RefusedWritesLeaveTheFileAlone) {
  TempDir dir;
  const std::string path = dir.File("tremaw.ini");
  IniStore ini(path);

  EXPECT_FALSE(ini.WriteString("Options", "Key", "a\nb"));
  EXPECT_FALSE(fs::exists(path));  // a refused first write creates nothing

  const std::string before = "[Options]\nKey=old\n";
  WriteText(path, before);
  EXPECT_FALSE(ini.WriteString("Options", "Key", "a\nb"));
  EXPECT_FALSE(ini.WriteString("Options", "Key", "a\rb"));
  EXPECT_FALSE(ini.WriteString("Options", "Key", std::string("a\0b", 3)));
  EXPECT_FALSE(ini.WriteString("Options", "K\ney", "v"));
  EXPECT_FALSE(ini.WriteString("Opt\nions", "Key", "v"));
  EXPECT_FALSE(ini.WriteString("Options", "K=ey", "v"));
  EXPECT_FALSE(ini.WriteString("Options", "[Key", "v"));
  EXPECT_FALSE(ini.WriteString("Opt]ions", "Key", "v"));
  EXPECT_FALSE(ini.WriteString("Options", "  ", "v"));
  EXPECT_FALSE(ini.WriteString("", "Key", "v"));
  EXPECT_EQ(ReadText(path), before);
  EXPECT_EQ(ini.GetString("Options", "Key", ""), "old");
  // '=' and ']' are fine inside a value.
  EXPECT_TRUE(ini.WriteString("Options", "Key", "a=b]c"));
  EXPECT_EQ(ini.GetString("Options", "Key", ""), "a=b]c");
}

TEST(IniStore, UnusableFilesCountAsMissingAndAreNotOverwritten) {
  TempDir dir;
  const auto start = std::chrono::steady_clock::now();

  // A directory in place of the file.
  const std::string asDir = dir.File("dir.ini");
  fs::create_directory(asDir);
  IniStore d(asDir);
  EXPECT_EQ(d.GetInt("Options", "Speed", 38), 38);
  EXPECT_FALSE(d.WriteInt("Options", "Speed", 1));
  EXPECT_TRUE(fs::is_directory(asDir));

  // A FIFO must neither block the reader nor be replaced.
  const std::string fifo = dir.File("fifo.ini");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  IniStore f(fifo);
  EXPECT_EQ(f.GetString("Options", "RollsList", "def"), "def");
  EXPECT_FALSE(f.WriteInt("Options", "Speed", 1));
  EXPECT_TRUE(fs::is_fifo(fifo));

  // A file above the size limit.
  const std::string big = dir.File("big.ini");
  WriteText(big, "[Options]\nSpeed=1\n" + std::string(IniStore::kMaxFileBytes, ';'));
  IniStore b(big);
  EXPECT_EQ(b.GetInt("Options", "Speed", 38), 38);
  EXPECT_FALSE(b.WriteInt("Options", "Speed", 2));
  EXPECT_EQ(fs::file_size(big), IniStore::kMaxFileBytes + 18);

  // A missing directory: nothing to read, nothing written.
  IniStore m(dir.File("no/such/dir/tremaw.ini"));
  EXPECT_EQ(m.GetInt("Options", "Speed", 38), 38);
  EXPECT_FALSE(m.WriteInt("Options", "Speed", 2));

  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(IniStore, FailedWriteKeepsTheOldFile) {
  TempDir dir;
  const std::string before = "[Options]\nSpeed=10\n";

  // The temporary file's name is too long for the file system, so the write
  // fails before the old file is touched (works even when run as root).
  const std::string longName = dir.File(std::string(250, 'n') + ".ini");
  WriteText(longName, before);
  IniStore l(longName);
  EXPECT_FALSE(l.WriteInt("Options", "Speed", 20));
  EXPECT_EQ(ReadText(longName), before);
  EXPECT_EQ(EntriesIn(dir.path()), 1u);

  // A write that would push the file beyond the size limit is refused.
  const std::string full = dir.File("full.ini");
  const std::string nearlyFull = "[Options]\nSpeed=10\n" + std::string(IniStore::kMaxFileBytes - 30, ';') + "\n";
  WriteText(full, nearlyFull);
  IniStore f(full);
  EXPECT_FALSE(f.WriteString("Options", "Speed", std::string(100, '1')));
  EXPECT_TRUE(f.WriteInt("Options", "Speed", 11));
  EXPECT_EQ(f.GetInt("Options", "Speed", 0), 11);

  // A read-only directory (root may write anyway, so check only without it).
  if (::geteuid() != 0) {
    const std::string ro = dir.File("ro");
    fs::create_directory(ro);
    const std::string path = ro + "/tremaw.ini";
    WriteText(path, before);
    fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec);
    IniStore r(path);
    EXPECT_FALSE(r.WriteInt("Options", "Speed", 20));
    EXPECT_EQ(ReadText(path), before);
    fs::permissions(ro, fs::perms::owner_all);
  }
}

TEST(IniStore, SurvivesGarbageAndRoundTripsValues) {
  TempDir dir;
  const std::string path = dir.File("tremaw.ini");
  IniStore ini(path);
  std::mt19937 rng(12345);
  const char alphabet[] = "[]=; \t\r\nabcABC019-+\xC3\xA4\x00";
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int len = static_cast<int>(rng() % 200);
    for (int i = 0; i < len; ++i) text += alphabet[rng() % (sizeof alphabet - 1)];
    WriteText(path, text);
    (void)ini.GetInt("a", "b", 1);
    (void)ini.GetString("A", "c", "");
    // Whatever the file held, a write followed by a read gives the value back.
    const std::string value = "v" + std::to_string(round) + "=x]";
    ASSERT_TRUE(ini.WriteString("a", "b", value)) << round;
    EXPECT_EQ(ini.GetString("A", "B", ""), value) << round;
    ASSERT_TRUE(ini.WriteInt("new", "k", round));
    EXPECT_EQ(ini.GetInt("NEW", "K", -1), round);
    EXPECT_EQ(ini.GetString("a", "b", ""), value) << round;
  }
}
