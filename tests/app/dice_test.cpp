#include "app/dice.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "board/globals.h"
#include "engine/engine.h"
#include "platform/random.h"
#include "settings/options.h"
#include "tests/support/fake_host.h"
#include "tests/support/game_fixture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_board.h"

namespace {

using Pair = std::pair<int, int>;

const char kInvalidFile[] = "Ungültige Würfeldatei!";

// No roll list needs more than this; a larger file is refused at once.
constexpr off_t kRollsLimit = 16 * 1024 * 1024;

using Clock = std::chrono::steady_clock;

// The manual-dice dialog as the player would use it: OK with scripted values,
// or Cancel.
class FakeDiceDialog : public ManualDiceDialog {
 public:
  void Run(DiceRoller& dice) override {
    ++runs;
    shown = {dice.die[0], dice.die[1]};
    if (ok) {
      dice.die[0] = entered[0];
      dice.die[1] = entered[1];
    }
  }
  int runs = 0;
  bool ok = true;
  uint8_t entered[2] = {1, 1};
  Pair shown{0, 0};
};

// The first two dice the generator gives after this seed.
Pair DrawnAfterSeed(uint32_t seed) {
  SeedGameRand(seed);
  int a = GameRand() % 6 + 1;
  int b = GameRand() % 6 + 1;
  return {a, b};
}

class DiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedRollsFile = g_RollsFile;
    savedAutoFinish = g_AutoFinishActive;
    g_AutoFinishActive = 0;
    ASSERT_FALSE(tmp.path().empty());
    dir = tmp.path().string();
    engine = std::make_unique<Engine>(board.get(), &dice);
    dice.host = &host;
  }
  void TearDown() override {
    g_RollsFile = savedRollsFile;
    g_AutoFinishActive = savedAutoFinish;
    dice.CloseListFile();
  }

  // Writes a roll list and makes it the current file.
  std::string UseList(const std::string& text, const std::string& name = "rolls.txt") {
    std::string path = dir + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    g_RollsFile = path;
    return path;
  }
  // The same, the file then made this long by a hole; with atEnd the text
  // ends the file instead of starting it.
  void UseSparseList(const std::string& text, const std::string& name, off_t size, bool atEnd) {
    const std::string path = UseList(atEnd ? "" : text, name);
    ASSERT_EQ(truncate(path.c_str(), size), 0);
    if (!atEnd) return;
    std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(size - static_cast<off_t>(text.size()));
    f << text;
  }

  // What the new-game routine does to the dice object.
  void NewGame(int mode, bool replay) {
    dice.replay = replay ? 1 : 0;
    dice.mode = mode;
    dice.historyPos = 0;
    if (!replay) dice.history.clear();
  }

  Pair Roll() {
    dice.Roll(engine.get());
    return {dice.die[0], dice.die[1]};
  }

  std::vector<Pair> Rolls(int n) {
    std::vector<Pair> out;
    for (int i = 0; i < n; ++i) out.push_back(Roll());
    return out;
  }

  // The dice list is well formed for what was rolled.
  void ExpectConsistent() {
    ASSERT_GE(dice.die[0], 1);
    ASSERT_LE(dice.die[0], 6);
    ASSERT_GE(dice.die[1], 1);
    ASSERT_LE(dice.die[1], 6);
    if (dice.die[0] == dice.die[1]) {
      EXPECT_EQ(dice.count, 4);
      EXPECT_EQ(dice.die[2], dice.die[0]);
      EXPECT_EQ(dice.die[3], dice.die[0]);
    } else {
      EXPECT_EQ(dice.count, 2);
      EXPECT_EQ(dice.die[2], 0xFF);
      EXPECT_EQ(dice.die[3], 0xFF);
    }
  }

  std::string savedRollsFile;
  int savedAutoFinish = 0;
  TempDir tmp;
  std::string dir;
  TestBoard board;
  DiceRoller dice;
  std::unique_ptr<Engine> engine;
  FakeHost host;
};

TEST_F(DiceTest, RandomRollsNeverTieAtTheOpeningAndDoublesGiveFourDice) {
  int laterDoubles = 0;
  for (uint32_t seed = 1; seed <= 400; ++seed) {
    SeedGameRand(seed);
    NewGame(0, false);
    Pair opening = Roll();
    ASSERT_NE(opening.first, opening.second) << "seed " << seed;
    ExpectConsistent();
    // Only the roll that stood is recorded.
    ASSERT_EQ(dice.history, (std::vector<uint8_t>{uint8_t(opening.first), uint8_t(opening.second)}));
    EXPECT_EQ(dice.historyPos, 2);
    for (int i = 0; i < 5; ++i) {
      Pair p = Roll();
      ExpectConsistent();
      if (p.first == p.second) ++laterDoubles;
    }
    EXPECT_EQ(dice.historyPos, 12);
    EXPECT_EQ(dice.history.size(), 12u);
  }
  EXPECT_GT(laterDoubles, 0);

  // A mode outside 0 to 2 plays random dice but never draws a tie again.
  uint32_t tieSeed = 0;
  for (uint32_t seed = 1; tieSeed == 0; ++seed) {
    Pair p = DrawnAfterSeed(seed);
    if (p.first == p.second) tieSeed = seed;
  }
  Pair tie = DrawnAfterSeed(tieSeed);
  SeedGameRand(tieSeed);
  NewGame(7, false);
  EXPECT_EQ(Roll(), tie);
  EXPECT_EQ(dice.count, 4);
  EXPECT_EQ(dice.mode, 7);
  // In random mode the same seed's tie is drawn again, die 0 first.
  SeedGameRand(tieSeed);
  NewGame(0, false);
  EXPECT_NE(Roll(), tie);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DiceTest, RollListsRepeatAndContinueAcrossGames) {
  UseList("1 2 3");
  NewGame(2, false);
  EXPECT_EQ(Rolls(4), (std::vector<Pair>{{1, 2}, {3, 1}, {2, 3}, {1, 2}}));
  ExpectConsistent();

  // The file stays open across games and the list goes on where it stopped.
  NewGame(2, false);
  EXPECT_EQ(Roll(), Pair(3, 1));
  EXPECT_EQ(dice.history, (std::vector<uint8_t>{3, 1}));
  // Closing it (a changed file on the dice page) starts the new file from its beginning.
  dice.CloseListFile();
  EXPECT_EQ(dice.listFile, nullptr);
  UseList("Wurf 3-5, 6 6\r\nEnde\n", "other.txt");
  EXPECT_EQ(Rolls(3), (std::vector<Pair>{{3, 5}, {6, 6}, {3, 5}}));
  dice.Roll(engine.get());
  EXPECT_EQ(dice.count, 4);

  // A single die: every roll is that double, the opening roll included.
  dice.CloseListFile();
  UseList("xx4yy");
  NewGame(2, false);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Roll(), Pair(4, 4));
    ExpectConsistent();
  }
  EXPECT_EQ(dice.history, (std::vector<uint8_t>{4, 4, 4, 4, 4, 4}));

  // A long list, read in blocks: dice on both sides of every likely block edge
  // and as the last byte still come in file order, and after the last die the
  // list starts again, here in the middle of a roll (nine dice).
  std::string text(3 * 65536 + 10, 'x');
  const size_t at[] = {0, 4095, 4096, 65535, 65536, 65537, 131071, 131072, text.size() - 1};
  std::vector<int> listed;
  for (size_t i = 0; i < std::size(at); ++i) {
    text[at[i]] = static_cast<char>('1' + i % 6);
    listed.push_back(static_cast<int>(1 + i % 6));
  }
  dice.CloseListFile();
  UseList(text);
  NewGame(2, false);
  std::vector<Pair> expected;
  for (size_t k = 0; k < listed.size(); ++k)
    expected.emplace_back(listed[(2 * k) % listed.size()], listed[(2 * k + 1) % listed.size()]);
  EXPECT_EQ(Rolls(static_cast<int>(listed.size())), expected);

  // A name from the settings file may use backslashes.
  dice.CloseListFile();
  std::string path = UseList("65");
  for (char& c : path)
    if (c == '/') c = '\\';
  g_RollsFile = path;
  EXPECT_EQ(Roll(), Pair(6, 5));
  EXPECT_EQ(dice.mode, 2);
  EXPECT_TRUE(host.boxes.empty());

  // The destructor closes the open list.
  int fd = -1;
  {
    DiceRoller local;
    local.mode = 2;
    local.Roll(engine.get());
    ASSERT_NE(local.listFile, nullptr);
    fd = fileno(local.listFile);
    ASSERT_NE(fcntl(fd, F_GETFD), -1);
  }
  errno = 0;
  EXPECT_EQ(fcntl(fd, F_GETFD), -1);
  EXPECT_EQ(errno, EBADF);
}

TEST_F(DiceTest, UnusableRollListsFallBackToRandomDiceForTheGame) {
  // A blocking open or an endless read would hang here; end the run instead.
  alarm(60);
  ASSERT_EQ(mkfifo((dir + "/pipe").c_str(), 0600), 0);
  ASSERT_EQ(mkdir((dir + "/folder").c_str(), 0700), 0);
  struct Case {
    std::string name;
    bool write;
    std::string text;
    off_t size;  // made this long by a hole after the text; 0: as written
  };
  const std::vector<Case> cases = {
      {"nodice.txt", true, "0 7 8 9 abc\n", 0},
      {"empty.txt", true, "", 0},
      {"missing.txt", false, "", 0},
      {"pipe", false, "", 0},
      {"folder", false, "", 0},
      {"", false, "", 0},
      // Too large for a roll list, whatever it holds; never searched.
      {"huge.txt", true, "", off_t{1} << 30},
      {"over.txt", true, "5", kRollsLimit + 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.size > 0)
      UseSparseList(c.text, c.name, c.size, false);
    else if (c.write)
      UseList(c.text, c.name);
    else
      g_RollsFile = c.name.empty() ? std::string() : dir + "/" + c.name;
    host.boxes.clear();
    host.Answer(IDOK);
    NewGame(2, false);
    const Clock::time_point start = Clock::now();
    Roll();
    // At once: a search through the huge file took seconds.
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, kInvalidFile);
    EXPECT_EQ(host.boxes[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(dice.mode, 0);
    EXPECT_EQ(dice.listFile, nullptr);
    // Random dice now, so the opening roll is no tie.
    EXPECT_NE(dice.die[0], dice.die[1]);
    ExpectConsistent();
    // No further message for the rest of the game (an unscripted box fails).
    Rolls(3);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(dice.history.size(), 8u);
  }

  // A device would never end; it is refused at once.
  g_RollsFile = "/dev/zero";
  host.Answer(IDOK);
  NewGame(2, false);
  Roll();
  EXPECT_EQ(dice.mode, 0);
  EXPECT_TRUE(host.answers.empty());

  // A list of just the largest size still plays, its only die the last byte.
  UseSparseList("5", "full.txt", kRollsLimit, true);
  NewGame(2, false);
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(Roll(), Pair(5, 5));
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(dice.mode, 2);
  dice.CloseListFile();

  // The next game tries the file again and succeeds once it is good.
  UseList("0 7 9");
  host.Answer(IDOK);
  NewGame(2, false);
  Roll();
  EXPECT_TRUE(host.answers.empty());
  UseList("2 5");
  NewGame(2, false);
  EXPECT_EQ(Roll(), Pair(2, 5));
  EXPECT_EQ(dice.mode, 2);
  alarm(0);
}

TEST_F(DiceTest, ManualDiceComeFromTheDialog) {
  FakeDiceDialog dialog;
  dice.manualDialog = &dialog;

  // OK: the entered values are the roll; the dialog starts with the drawn ones.
  Pair drawn{1, 1};
  uint32_t seed = 1;
  for (; drawn.first == drawn.second; ++seed) drawn = DrawnAfterSeed(seed);
  SeedGameRand(seed - 1);
  NewGame(1, false);
  dialog.entered[0] = 5;
  dialog.entered[1] = 2;
  EXPECT_EQ(Roll(), Pair(5, 2));
  EXPECT_EQ(dialog.shown, drawn);
  EXPECT_EQ(dialog.runs, 1);
  EXPECT_EQ(dice.count, 2);

  // An opening tie typed in is played as doubles, not drawn again.
  NewGame(1, false);
  dialog.entered[0] = dialog.entered[1] = 3;
  EXPECT_EQ(Roll(), Pair(3, 3));
  EXPECT_EQ(dialog.runs, 2);
  EXPECT_EQ(dice.count, 4);
  EXPECT_EQ(dice.die[3], 3);
  EXPECT_EQ(dice.history, (std::vector<uint8_t>{3, 3}));

  // Cancel: the drawn values stand.
  dialog.ok = false;
  SeedGameRand(seed - 1);
  EXPECT_EQ(Roll(), drawn);
  ExpectConsistent();

  // Values outside 1 to 6 are never taken.
  dialog.ok = true;
  dialog.entered[0] = 0;
  dialog.entered[1] = 9;
  SeedGameRand(seed - 1);
  EXPECT_EQ(Roll(), drawn);
  ExpectConsistent();

  // No dialog during the automatic finish.
  g_AutoFinishActive = 1;
  int runs = dialog.runs;
  Rolls(5);
  EXPECT_EQ(dialog.runs, runs);
  ExpectConsistent();
  EXPECT_EQ(dice.mode, 1);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DiceTest, ReplayRepeatsThePreviousGameThenRollsOn) {
  FakeDiceDialog dialog;
  dice.manualDialog = &dialog;
  SeedGameRand(99);
  NewGame(0, false);
  std::vector<Pair> first = Rolls(6);
  std::vector<uint8_t> firstHistory = dice.history;
  ASSERT_EQ(firstHistory.size(), 12u);

  // Replay takes no dialog, no file and no new random numbers.
  UseList("1 1");
  SeedGameRand(12345);
  Pair nextRandom = DrawnAfterSeed(12345);
  SeedGameRand(12345);
  NewGame(1, true);
  EXPECT_EQ(Rolls(6), first);
  EXPECT_EQ(dialog.runs, 0);
  EXPECT_EQ(dice.history, firstHistory);
  EXPECT_EQ(dice.historyPos, 12);
  EXPECT_NE(dice.replay, 0);

  // Used up: the game rolls on from its mode and appends.
  dialog.entered[0] = 6;
  dialog.entered[1] = 4;
  EXPECT_EQ(Roll(), Pair(6, 4));
  EXPECT_EQ(dialog.shown, nextRandom);
  EXPECT_EQ(dice.replay, 0);
  EXPECT_EQ(dice.historyPos, 14);
  ASSERT_EQ(dice.history.size(), 14u);
  EXPECT_EQ(dice.history[12], 6);
  EXPECT_EQ(dice.history[13], 4);

  // A replaying game that ends early leaves the rest behind; the next replay
  // gives all of it again.
  NewGame(2, true);
  Rolls(2);
  NewGame(2, true);
  std::vector<Pair> all = first;
  all.push_back({6, 4});
  EXPECT_EQ(Rolls(7), all);
  EXPECT_EQ(dice.listFile, nullptr);

  // A replayed opening tie is played as it was recorded.
  NewGame(0, false);
  dice.history = {2, 2, 5, 1};
  dice.replay = 1;
  EXPECT_EQ(Roll(), Pair(2, 2));
  EXPECT_EQ(dice.count, 4);
  // An odd tail byte is no roll: the game rolls on from its mode.
  dice.history.push_back(3);
  EXPECT_EQ(Roll(), Pair(5, 1));
  UseList("3 6");
  dice.mode = 2;
  EXPECT_EQ(Roll(), Pair(3, 6));
  EXPECT_EQ(dice.replay, 0);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DiceTest, EveryRollRecomputesTheRaceFlag) {
  // The starting position has contact.
  engine->race = true;
  SeedGameRand(3);
  NewGame(0, false);
  Roll();
  EXPECT_FALSE(engine->race);

  // Contact broken between rolls: the next roll sees the race.
  TestBoard raceBoard("3:10c 26:5c 4:15h");
  Engine raceEngine(raceBoard.get(), &dice);
  raceEngine.race = false;
  dice.Roll(&raceEngine);
  EXPECT_TRUE(raceEngine.race);

  // A replayed roll updates the flag too.
  NewGame(0, true);
  raceEngine.race = false;
  dice.Roll(&raceEngine);
  EXPECT_EQ(dice.historyPos, 2);
  EXPECT_NE(dice.replay, 0);
  EXPECT_TRUE(raceEngine.race);
  engine->race = true;
  dice.Roll(engine.get());
  EXPECT_FALSE(engine->race);

  // A human checker on the bar: race only when the computer has borne off all.
  TestBoard barBoard("0:1h 20:14h 26:15c");
  Engine barEngine(barBoard.get(), &dice);
  barEngine.race = false;
  dice.Roll(&barEngine);
  EXPECT_TRUE(barEngine.race);
  barBoard[kComputerTray]->count = 14;
  barBoard[2]->count = 1;
  barBoard[2]->owner = SideComputer;
  dice.Roll(&barEngine);
  EXPECT_FALSE(barEngine.race);
}

}  // namespace

// The list of dice still to play: its count is kept within the four slots,
// a played die leaves from the back, the later ones moving up, and only two
// equal dice make a pair.
TEST(DiceListTest, CountsFindsAndRemovesTheDiceInPlay) {
  struct Case {
    int count;
    std::vector<int> die;
    int value;  // the die asked for and removed
    int inPlay;
    bool has;
    std::vector<int> after;
    int countAfter;
    bool doubles;
  };
  const Case cases[] = {
      {2, {3, 5, 0xFF, 0xFF}, 5, 2, true, {3, 0xFF, 0xFF, 0xFF}, 1, false},
      {2, {3, 5, 0xFF, 0xFF}, 4, 2, false, {3, 5, 0xFF, 0xFF}, 2, false},
      {3, {3, 5, 3, 0xFF}, 3, 3, true, {3, 5, 0xFF, 0xFF}, 2, false},  // the last 3, not the first
      {4, {6, 6, 6, 6}, 6, 4, true, {6, 6, 6, 0xFF}, 3, true},
      {1, {3, 5, 0xFF, 0xFF}, 5, 1, false, {3, 5, 0xFF, 0xFF}, 1, false},  // 5 is past the count
      {9, {2, 4, 2, 4}, 4, 4, true, {2, 4, 2, 0xFF}, 8, false},            // a count past the slots
      {-1, {2, 0xFF, 0xFF, 0xFF}, 2, 0, false, {2, 0xFF, 0xFF, 0xFF}, -1, false},
      {0, {0xFF, 0xFF, 0xFF, 0xFF}, 1, 0, false, {0xFF, 0xFF, 0xFF, 0xFF}, 0, false},  // no dice, no pair
  };
  for (const Case& c : cases) {
    DiceRoller dice;
    dice.count = c.count;
    for (int i = 0; i < 4; ++i) dice.die[i] = static_cast<uint8_t>(c.die[i]);
    EXPECT_EQ(dice.InPlay(), c.inPlay) << c.count;
    EXPECT_EQ(dice.Doubles(), c.doubles) << c.count << " " << c.die[0];
    EXPECT_EQ(dice.Has(c.value), c.has) << c.count << " " << c.value;
    EXPECT_EQ(dice.Remove(c.value), c.has) << c.count << " " << c.value;
    EXPECT_EQ(std::vector<int>(dice.die, dice.die + 4), c.after) << c.count << " " << c.value;
    EXPECT_EQ(dice.count, c.countAfter) << c.count << " " << c.value;
  }
}

namespace {

class DiceGameTest : public GameFixture {};

// A new game starts its roll history afresh: a replay after it repeats only
// its own rolls, not those of the game before.
TEST_F(DiceGameTest, ANewGameStartsTheHistoryAfresh) {
  UseRolls("3 1  4 2  6 5");
  Start();
  ASSERT_EQ(wnd->m_dice->history, (std::vector<uint8_t>{3, 1}));
  wnd->NewGame();
  wnd->m_replayDice = 1;
  wnd->NewGame();
  EXPECT_EQ(wnd->m_dice->die[0], 4);
  EXPECT_EQ(wnd->m_dice->die[1], 2);
}

// Every start seeds the generator: two starts from the same generator state
// do not roll alike.
TEST_F(DiceGameTest, EachStartSeedsTheGenerator) {
  std::vector<uint8_t> rolls[2];
  for (std::vector<uint8_t>& r : rolls) {
    wnd.reset();
    SeedGameRand(1);
    Start();
    for (int i = 0; i < 8; ++i) wnd->m_dice->Roll(wnd->m_engine.get());
    r = wnd->m_dice->history;
  }
  EXPECT_NE(rolls[0], rolls[1]);
}

}  // namespace
