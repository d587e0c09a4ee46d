// The position file: its record byte by byte, what reading refuses, and the
// save and open commands in a running game.
#include "app/position_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "resources/ids.h"
#include "settings/options.h"
#include "tests/support/game_fixture.h"
#include "tests/support/game_snapshot.h"

namespace fs = std::filesystem;

namespace {

const char* const kBadFile = "Ungülte Positionsdatei !";

// The starting position with statistics that differ in every field.
PositionRecord SampleRecord() {
  SetStartPosition();  // bars and trays hold owner 0, as at a game's start
  PositionRecord r;
  for (int i = 0; i < kBoardSize; ++i) r.board[i] = g_BoardRecord[i];
  r.dice[0] = 3;
  r.dice[1] = 4;
  r.diceCount = 2;
  r.thinkTime[SideHuman] = 56789;
  r.thinkTime[SideComputer] = 1234;
  r.cubeOwner = SideHuman;
  r.cubeValue = 4;
  r.diceSum[SideHuman] = 88;
  r.diceSum[SideComputer] = 77;
  r.computerMayDouble = 0;
  r.doublesCount[SideHuman] = 2;
  r.doublesCount[SideComputer] = 1;
  r.hitCount[SideHuman] = 4;
  r.hitCount[SideComputer] = 3;
  return r;
}

std::string Hex(const std::string& bytes, size_t offset, size_t n) {
  std::string out;
  char buf[4];
  for (size_t i = offset; i < offset + n && i < bytes.size(); ++i) {
    std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned char>(bytes[i]));
    out += (out.empty() ? "" : " ") + std::string(buf);
  }
  return out;
}

void Put32(std::string& b, size_t offset, int32_t v) {
  for (int k = 0; k < 4; ++k) b[offset + k] = static_cast<char>(static_cast<uint32_t>(v) >> (8 * k));
}
void PutEntry(std::string& b, int index, int count, int owner) {
  b[4 + 8 * index] = static_cast<char>(count);
  Put32(b, 4 + 8 * index + 4, owner);
}
void ClearBoard(std::string& b) {
  for (int i = 0; i < kBoardSize; ++i) PutEntry(b, i, 0, 0);
}

TEST(PositionRecordTest, FieldsAtTheirOffsets) {
  const std::string b = EncodePositionFile(SampleRecord());
  ASSERT_EQ(b.size(), kPositionFileSize);
  const struct {
    size_t offset, n;
    const char* hex;
  } fields[] = {
      {0, 4, "20 00 00 00"},               // the marker
      {4, 8, "00 00 00 00 02 00 00 00"},   // the human's bar: owner fixed, though stored as 0
      {12, 8, "02 00 00 00 02 00 00 00"},  // point 1
      {52, 8, "05 00 00 00 01 00 00 00"},  // point 6
      {20, 8, "00 00 00 00 00 00 00 00"},  // point 2, empty
      {204, 24, "00 00 00 00 01 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00 02 00 00 00"},  // 25, 26, 27
      {228, 5, "03 04 FF FF 00"},                                                            // dice, unused byte
      {233, 8, "02 00 00 00 00 00 00 00"},                                                   // dice to play, steps made
      {241, 4, "00 00 00 00"},                                                               // race flag, unused bytes
      {245, 8, "D5 DD 00 00 D2 04 00 00"},                           // thinking times, human first
      {253, 8, "02 00 00 00 04 00 00 00"},                           // cube owner and value
      {261, 9, "58 00 00 00 4D 00 00 00 00"},                        // dice sums, may double
      {270, 16, "02 00 00 00 01 00 00 00 04 00 00 00 03 00 00 00"},  // doubles, hits
  };
  for (const auto& f : fields) EXPECT_EQ(Hex(b, f.offset, f.n), f.hex) << "offset " << f.offset;

  // Read back, the owners of the bars and trays are the fixed ones.
  const std::optional<PositionRecord> r = DecodePositionFile(b);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(EncodePositionFile(*r), b);
  EXPECT_EQ(r->board[kHumanBar].owner, SideHuman);
  EXPECT_EQ(r->board[kComputerTray].owner, SideComputer);
  EXPECT_EQ(r->thinkTime[SideHuman], 56789);
  EXPECT_EQ(r->hitCount[SideComputer], 3);
}

// Bad files, each a sample file with one fault.
struct BadFile {
  const char* what;
  std::function<void(std::string&)> spoil;
};
const BadFile kBadFiles[] = {
    {"empty", [](std::string& b) { b.clear(); }},
    {"one byte short", [](std::string& b) { b.pop_back(); }},
    {"one byte long", [](std::string& b) { b.push_back('\0'); }},
    {"a megabyte long", [](std::string& b) { b.append(1 << 20, 'x'); }},
    {"marker 33", [](std::string& b) { Put32(b, 0, 33); }},
    {"16 checkers on a point", [](std::string& b) { PutEntry(b, 1, 16, SideHuman); }},
    {"checkers without owner", [](std::string& b) { PutEntry(b, 1, 2, SideNone); }},
    {"owner 3", [](std::string& b) { PutEntry(b, 1, 2, 3); }},
    {"owner of an empty point", [](std::string& b) { PutEntry(b, 2, 0, SideComputer); }},
    {"a bar owned by the other side", [](std::string& b) { PutEntry(b, kHumanBar, 0, SideComputer); }},
    {"14 human checkers", [](std::string& b) { PutEntry(b, 1, 1, SideHuman); }},
    {"16 computer checkers", [](std::string& b) { PutEntry(b, 24, 3, SideComputer); }},
    {"a full tray",
     [](std::string& b) {
       for (int i : {1, 12, 17, 19}) PutEntry(b, i, 0, SideNone);
       PutEntry(b, kHumanTray, 15, SideHuman);
     }},
    {"both sides closed out",
     [](std::string& b) {
       ClearBoard(b);
       for (int i = 1; i <= 6; ++i) PutEntry(b, i, 2, SideComputer);
       for (int i = 19; i <= 24; ++i) PutEntry(b, i, 2, SideHuman);
       PutEntry(b, 7, 2, SideComputer);
       PutEntry(b, 18, 2, SideHuman);
       PutEntry(b, kHumanBar, 1, SideHuman);
       PutEntry(b, kComputerBar, 1, SideComputer);
     }},
    {"cube 3", [](std::string& b) { Put32(b, 257, 3); }},
    {"cube 128", [](std::string& b) { Put32(b, 257, 128); }},
    {"cube 0", [](std::string& b) { Put32(b, 257, 0); }},
    {"cube owner 3", [](std::string& b) { Put32(b, 253, 3); }},
    {"cube owner -1", [](std::string& b) { Put32(b, 253, -1); }},
    {"negative thinking time", [](std::string& b) { Put32(b, 245, -1); }},
    {"thinking time above 2^30", [](std::string& b) { Put32(b, 249, (1 << 30) + 1); }},
    {"dice sum above a million", [](std::string& b) { Put32(b, 265, 1000001); }},
    {"negative doubles", [](std::string& b) { Put32(b, 270, -1); }},
    {"hits above a million", [](std::string& b) { Put32(b, 282, 1000001); }},
};

TEST(PositionRecordTest, RefusesWhatNoGameCanGoOnFrom) {
  const std::string good = EncodePositionFile(SampleRecord());
  for (const BadFile& bad : kBadFiles) {
    std::string b = good;
    bad.spoil(b);
    EXPECT_FALSE(DecodePositionFile(b).has_value()) << bad.what;
  }
}

TEST(PositionRecordTest, AcceptsTheLimitsAndIgnoresWhatALoadReplaces) {
  const struct {
    const char* what;
    std::function<void(std::string&)> change;
  } cases[] = {
      {"bars and trays stored with owner 0", [](std::string& b) { PutEntry(b, kComputerTray, 0, SideNone); }},
      {"thinking time 2^30", [](std::string& b) { Put32(b, 245, 1 << 30); }},
      {"statistics of a million", [](std::string& b) { Put32(b, 278, 1000000); }},
      {"cube 64 owned by the computer",
       [](std::string& b) {
         Put32(b, 253, SideComputer);
         Put32(b, 257, 64);
       }},
      {"dice, steps and race flag of any value",
       [](std::string& b) {
         for (size_t i = 228; i < 245; ++i) b[i] = static_cast<char>(0xA5);
       }},
      {"one side closed out",
       [](std::string& b) {
         ClearBoard(b);
         for (int i = 1; i <= 6; ++i) PutEntry(b, i, 2, SideComputer);
         PutEntry(b, 7, 3, SideComputer);
         PutEntry(b, kHumanBar, 1, SideHuman);
         PutEntry(b, 24, 14, SideHuman);
       }},
      {"both on the bar, a blot in one home board",
       [](std::string& b) {
         ClearBoard(b);
         for (int i = 1; i <= 6; ++i) PutEntry(b, i, i == 6 ? 1 : 2, SideComputer);
         for (int i = 19; i <= 24; ++i) PutEntry(b, i, 2, SideHuman);
         PutEntry(b, 7, 3, SideComputer);
         PutEntry(b, 18, 2, SideHuman);
         PutEntry(b, kHumanBar, 1, SideHuman);
         PutEntry(b, kComputerBar, 1, SideComputer);
       }},
  };
  const std::string good = EncodePositionFile(SampleRecord());
  for (const auto& c : cases) {
    std::string b = good;
    c.change(b);
    EXPECT_TRUE(DecodePositionFile(b).has_value()) << c.what;
  }
  std::string b = good;
  b[269] = 9;
  EXPECT_EQ(DecodePositionFile(b)->computerMayDouble, 1);

  // Bars and trays stored with owner 0 are read with their fixed owners.
  b = good;
  for (int i : {kHumanBar, kComputerBar, kComputerTray, kHumanTray}) PutEntry(b, i, 0, SideNone);
  const std::optional<PositionRecord> r = DecodePositionFile(b);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ((std::vector<int>{r->board[kHumanBar].owner, r->board[kComputerBar].owner, r->board[kComputerTray].owner,
                              r->board[kHumanTray].owner}),
            (std::vector<int>{SideHuman, SideComputer, SideComputer, SideHuman}));
}

class PositionFileTest : public GameFixture {
 protected:
  std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  }
  void Save(const std::string& path) {
    dialogs.files.push_back(path);
    Command(ID_FILE_SAVE_AS);
  }
  void Open(const std::string& path) {
    dialogs.files.push_back(path);
    Command(ID_FILE_OPEN);
  }
  // The points whose labels are lit.
  std::vector<int> Lit() {
    std::vector<int> lit;
    for (int i = 1; i <= 24; ++i)
      if (static_cast<PositionTop*>(wnd->m_board[i])->labelColor) lit.push_back(i);
    return lit;
  }
  // The log's first lines after a restart: display name, header, blank.
  static constexpr size_t kHeaderLines = 5;
};

TEST_F(PositionFileTest, SaveThenOpenPutsTheGameBack) {
  UseRolls("3 4  2 1  6 6");
  Start();
  Pump();
  wnd->m_cubeValue = 2;
  wnd->m_cubeOwner = SideHuman;
  wnd->m_computerMayDouble = 0;
  g_DiceSum[SideComputer] = 40;
  g_DoublesCount[SideComputer] = 1;
  g_HitCount[SideHuman] = 2;
  g_ThinkTime[SideComputer] = 9000;
  host.tick = 2500;
  const int32_t thought = ThinkTimeNow(SideHuman, 2500);
  const std::vector<int> board = BoardOf(*wnd);

  Save(dir + "/Stellung ä");
  ASSERT_EQ(dialogs.choosers.size(), 1u);
  EXPECT_TRUE(dialogs.choosers[0].save);
  EXPECT_EQ(dialogs.choosers[0].filter, "Positions Datei (*.pos)|*.pos|Alle Dateien (*.*)|*.*||");
  EXPECT_EQ(dialogs.choosers[0].initialName, "*.pos");
  const std::string path = dir + "/Stellung ä.pos";
  const std::string bytes = Read(path);
  ASSERT_EQ(bytes.size(), kPositionFileSize);
  EXPECT_TRUE(host.boxes.empty());
  // Saved with the human's clock stopped, which stays stopped.
  EXPECT_FALSE(g_ThinkRunning[SideHuman]);
  EXPECT_EQ(g_ThinkTime[SideHuman], thought);
  EXPECT_EQ(DecodePositionFile(bytes)->thinkTime[SideHuman], thought);

  // The game goes on: a step, the targets of a point under the mouse lit,
  // other statistics, another cube.
  Key('A');
  Key('E');
  ASSERT_EQ(wnd->m_stepCount, 1);
  g_HighLight = 2;
  wnd->OnMouseMove(0, EntryCentre(12));
  ASSERT_EQ(Lit(), (std::vector<int>{12, 15}));
  wnd->m_cubeValue = 8;
  wnd->m_cubeOwner = SideComputer;
  g_DiceSum[SideHuman] = 500;
  g_HitCount[SideHuman] = 7;
  g_Score[SideHuman] = 3;
  host.tick = 4000;

  Open(path);
  EXPECT_FALSE(dialogs.choosers.back().save);
  EXPECT_EQ(dialogs.choosers.back().filter, dialogs.choosers[0].filter);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(BoardOf(*wnd), board);
  for (int i = 0; i < kBoardSize; ++i) {
    EXPECT_EQ(g_BoardRecord[i].count, Count(i)) << i;
    EXPECT_EQ(g_BoardRecord[i].owner, Owner(i)) << i;
  }
  EXPECT_EQ(wnd->m_cubeValue, 2);
  EXPECT_EQ(wnd->m_cubeOwner, SideHuman);
  EXPECT_EQ(view.cube.text, "2");
  EXPECT_EQ(view.cube.rect.top, wnd->m_board[kComputerTray]->y + 2 * g_Unit);  // the human's, below the tray
  EXPECT_EQ(wnd->m_computerMayDouble, 0);
  EXPECT_EQ(g_ThinkTime[SideComputer], 9000);
  EXPECT_EQ(ThinkTimeNow(SideHuman, 4100), thought + 100);  // running again from the new prompt
  EXPECT_EQ(g_DiceSum[SideComputer], 40);
  EXPECT_EQ(g_DoublesCount[SideComputer], 1);
  EXPECT_EQ(g_HitCount[SideHuman], 2);
  EXPECT_EQ(g_Score[SideHuman], 3);
  // The human is to move with new dice, counted into its statistics.
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(wnd->m_stepCount, 0);
  EXPECT_EQ(wnd->m_openingRoll, 0);
  EXPECT_EQ(wnd->m_dice->die[0], 2);
  EXPECT_EQ(wnd->m_dice->die[1], 1);
  EXPECT_EQ(view.Dice(DiceRow::Human), (std::vector<int>{2, 1, 0, 0}));
  EXPECT_EQ(g_DiceSum[SideHuman], 3 + 4 + 3);
  for (const auto& step : wnd->m_steps) EXPECT_EQ(step[0], 0xFF);
  ASSERT_EQ(wnd->LogLines().size(), kHeaderLines + 2);
  EXPECT_EQ(wnd->LogLines()[0], "Kolvar Backgammon");
  EXPECT_EQ(LogLine(1), "Würfeln: 2+1");
  EXPECT_EQ(LastLog(), "1ter von  ");
  EXPECT_EQ(view.status[0], "Wähle Startposition...");
  EXPECT_EQ(view.title, "Kolvar Backgammon - Stellung ä.pos");
  // Nothing lit is left over, and the mouse lights what the new dice reach.
  EXPECT_TRUE(Lit().empty());
  wnd->OnMouseMove(0, EntryCentre(12));
  EXPECT_EQ(Lit(), (std::vector<int>{12, 14, 15}));  // 13 is the computer's
  const int trendBars = view.trendBars;

  // Doubles add to the doubles count; a long name is cut to 63 characters,
  // whole characters only.
  std::string longName;
  for (int i = 0; i < 50; ++i) longName += "ä";
  Save(dir + "/" + longName + ".pos");
  Open(dir + "/" + longName + ".pos");
  EXPECT_EQ(LogLine(1), "Würfeln: 6+6+6+6");
  EXPECT_EQ(g_DoublesCount[SideHuman], 1);
  std::string title = "Kolvar Backgammon - ";
  for (int i = 0; i < 43; ++i) title += "ä";
  EXPECT_EQ(view.title, title);
  EXPECT_GT(view.trendBars, trendBars);
}

TEST_F(PositionFileTest, ANameWithoutExtensionGetsOneAndIsAskedAbout) {
  UseRolls("3 4  2 1");
  Start();
  Pump();
  const std::string question = "Die Datei „a.pos“ gibt es schon.\nSoll sie ersetzt werden?";
  Write(dir + "/a.pos", "old");
  Write(dir + "/b.pos", "old");

  host.Answer(IDNO);
  Save(dir + "/a");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, question);
  EXPECT_EQ(host.boxes[0].type, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(Read(dir + "/a.pos"), "old");
  EXPECT_TRUE(g_ThinkRunning[SideHuman]);

  host.Answer(IDYES);
  Save(dir + "/a");
  EXPECT_EQ(BoxCount(question), 2);
  EXPECT_EQ(Read(dir + "/a.pos").size(), kPositionFileSize);

  // Names the chooser showed as they are: it asked itself.
  Save(dir + "/b.pos");
  Save(dir + "/c.txt");
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(Read(dir + "/b.pos").size(), kPositionFileSize);
  EXPECT_EQ(Read(dir + "/c.txt").size(), kPositionFileSize);
  EXPECT_FALSE(fs::exists(dir + "/c.txt.pos"));
}

TEST_F(PositionFileTest, AFailedWriteTellsThePlayerAndKeepsWhatWasThere) {
  UseRolls("3 4  2 1");
  Start();
  Pump();
  fs::create_directory(dir + "/d.pos");
  const GameSnapshot before = TakeSnapshot(*wnd, view);
  host.Answer(IDOK);
  Save(dir + "/d.pos");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Die Position konnte nicht in „" + dir +
                                    "/d.pos“ gespeichert werden.\nEine vorhandene Datei bleibt unverändert.");
  EXPECT_EQ(host.boxes[0].type, MB_OK | MB_ICONEXCLAMATION);
  EXPECT_TRUE(fs::is_directory(dir + "/d.pos"));
  EXPECT_TRUE(TakeSnapshot(*wnd, view) == before);
}

TEST_F(PositionFileTest, EveryRefusalLeavesTheGameUntouched) {
  UseRolls("3 4  2 1");
  Start();
  Pump();
  Key('A');
  Key('E');                 // a step made: the turn state is part of what must stay
  Save(dir + "/good.pos");  // disabled after a step: no chooser
  ASSERT_TRUE(dialogs.choosers.empty());
  dialogs.files.clear();
  const std::string good = EncodePositionFile(SampleRecord());
  const std::string path = dir + "/bad.pos";
  const GameSnapshot before = TakeSnapshot(*wnd, view);

  for (const BadFile& bad : kBadFiles) {
    std::string b = good;
    bad.spoil(b);
    Write(path, b);
    host.Answer(IDOK);
    const size_t boxes = host.boxes.size();
    Open(path);
    ASSERT_EQ(host.boxes.size(), boxes + 1) << bad.what;
    EXPECT_EQ(host.boxes.back().text, kBadFile) << bad.what;
    EXPECT_EQ(host.boxes.back().type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_TRUE(TakeSnapshot(*wnd, view) == before) << bad.what;
  }
  // A file that is not there, and a cancelled chooser: nothing at all.
  const size_t boxes = host.boxes.size();
  Open(dir + "/missing.pos");
  Command(ID_FILE_OPEN);
  EXPECT_EQ(host.boxes.size(), boxes);
  EXPECT_TRUE(TakeSnapshot(*wnd, view) == before);
}

TEST_F(PositionFileTest, RandomAndTruncatedFilesNeverChangeTheGame) {
  UseRolls("3 4  2 1");
  Start();
  Pump();
  const std::string good = EncodePositionFile(SampleRecord());
  const std::string path = dir + "/x.pos";
  std::mt19937 rng(20240611);
  std::vector<std::string> files;
  for (size_t n = 0; n < kPositionFileSize; ++n) files.push_back(good.substr(0, n));
  for (int i = 0; i < 2000; ++i) {
    // Half of them start like a position file, so that reading gets further.
    std::string b(rng() % 2 ? kPositionFileSize : rng() % 400, '\0');
    for (char& c : b) c = static_cast<char>(rng());
    if (b.size() >= 4 && i % 2) b.replace(0, 4, good.substr(0, 4));
    files.push_back(b);
  }
  const GameSnapshot before = TakeSnapshot(*wnd, view);
  for (const std::string& b : files) {
    Write(path, b);
    host.Answer(IDOK);
    Open(path);
    ASSERT_TRUE(TakeSnapshot(*wnd, view) == before) << Hex(b, 0, 16);
  }
  EXPECT_EQ(BoxCount(kBadFile), static_cast<int>(files.size()));

  // Spoiled in one byte, a file is refused or loaded whole: the board always
  // holds 15 checkers a side afterwards.
  for (int i = 0; i < 600; ++i) {
    std::string b = good;
    b[rng() % b.size()] = static_cast<char>(rng());
    Write(path, b);
    if (!DecodePositionFile(b)) host.Answer(IDOK);
    Open(path);
    int checkers[3] = {0, 0, 0};
    for (int k = 0; k < kBoardSize; ++k) checkers[Owner(k)] += Count(k);
    ASSERT_EQ(checkers[SideHuman], 15) << Hex(b, 0, 16);
    ASSERT_EQ(checkers[SideComputer], 15);
    ASSERT_EQ(g_turn, SideHuman);
  }
}

}  // namespace
