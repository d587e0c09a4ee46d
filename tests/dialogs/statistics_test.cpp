#include "dialogs/statistics.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "board/globals.h"
#include "dialogs/dice_entry.h"
#include "resources/ids.h"
#include "settings/options.h"
#include "tests/support/fake_host.h"
#include "tests/support/game_fixture.h"
#include "tests/support/game_snapshot.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(StatisticsText, ThinkTimes) {
  EXPECT_EQ(FormatThinkTime(0), "0 min 00 sec");
  EXPECT_EQ(FormatThinkTime(999), "0 min 00 sec");
  EXPECT_EQ(FormatThinkTime(61999), "1 min 01 sec");
  EXPECT_EQ(FormatThinkTime(3600000), "60 min 00 sec");
  EXPECT_EQ(FormatThinkTime(59 * 60000 + 59999), "59 min 59 sec");
  // The largest total still fits the text.
  EXPECT_EQ(FormatThinkTime(INT32_MAX), "35791 min 23 sec");
}

TEST(StatisticsGraph, PointsFollowTheAxes) {
  // The vertical axis ends at x 100, from y 40; the horizontal axis lies at y
  // 240 and ends at x 590: 490 pixels for 49 steps, 200 pixels for 100 %.
  const Rect yAxis{99, 40, 100, 241};
  const Rect xAxis{80, 240, 590, 241};
  TrendRecord r = InitialTrend();
  r.trend[1] = 66;
  TrendGraph g = ComputeTrendGraph(xAxis, yAxis, r);
  EXPECT_EQ(g.fiftyFrom.x, 100);
  EXPECT_EQ(g.fiftyFrom.y, 140);
  EXPECT_EQ(g.fiftyTo.x, 590);
  EXPECT_EQ(g.fiftyTo.y, 140);
  ASSERT_EQ(g.polyline.size(), 3u);
  EXPECT_EQ(g.polyline[0].x, 101);  // the line starts one pixel right of the axis
  EXPECT_EQ(g.polyline[0].y, 140);
  EXPECT_EQ(g.polyline[1].x, 100);
  EXPECT_EQ(g.polyline[1].y, 140);
  EXPECT_EQ(g.polyline[2].x, 110);
  EXPECT_EQ(g.polyline[2].y, 240 - 66 * 200 / 100);

  // All 50 used: the last point lies at the end of the horizontal axis.
  for (int i = 0; i < kTrendEntries; ++i) r.trend[i] = 100;
  g = ComputeTrendGraph(xAxis, yAxis, r);
  ASSERT_EQ(g.polyline.size(), 51u);
  EXPECT_EQ(g.polyline.back().x, 590);
  EXPECT_EQ(g.polyline.back().y, 40);

  // The line ends before the first unused entry; entry 0 is drawn even at 0 %;
  // values out of range are drawn at the edges.
  r = TrendRecord{};
  r.trend[1] = 500;
  r.trend[2] = -20;
  r.trend[4] = 70;
  g = ComputeTrendGraph(xAxis, yAxis, r);
  ASSERT_EQ(g.polyline.size(), 4u);
  EXPECT_EQ(g.polyline[1].y, 240);
  EXPECT_EQ(g.polyline[2].y, 40);
  EXPECT_EQ(g.polyline[3].y, 240);
}

TEST(StatisticsModelTest, OpeningFillsTextsPlaysTheEndSoundAndAddsTheGame) {
  TempDir tmp;
  ASSERT_FALSE(tmp.path().empty());
  const std::string dir = tmp.path().string();
  g_GraphFile = dir + "/tremaw32.gph";

  GameStatistics s;
  s.diceSum[SideHuman] = 123;
  s.diceSum[SideComputer] = 118;
  s.doubles[SideHuman] = 3;
  s.doubles[SideComputer] = 1;
  s.hits[SideHuman] = 2;
  s.hits[SideComputer] = 4;
  s.runScore[SideHuman] = 5;
  s.runScore[SideComputer] = -0;
  s.score[SideHuman] = 17;
  s.score[SideComputer] = 21;
  s.thinkTime[SideHuman] = 61999;
  s.thinkTime[SideComputer] = 0;

  ResetOptionsToBuiltIn();
  g_SoundFiles[SoundWin] = "win.wav";
  g_SoundFiles[SoundLose] = "lose.wav";
  g_SoundActive[SoundWin] = 1;
  g_SoundActive[SoundLose] = 1;
  FakeHost host;
  StatisticsModel m;
  m.Open(s, SideHuman, &host);

  const std::vector<std::pair<int, std::string>> expected = {{IDC_STAT_ENTRIES, "50"},
                                                             {IDC_STAT_DICE_HUMAN, "123"},
                                                             {IDC_STAT_DICE_COMPUTER, "118"},
                                                             {IDC_STAT_DOUBLES_HUMAN, "3"},
                                                             {IDC_STAT_DOUBLES_COMPUTER, "1"},
                                                             {IDC_STAT_HITS_HUMAN, "2"},
                                                             {IDC_STAT_HITS_COMPUTER, "4"},
                                                             {IDC_STAT_RUN_HUMAN, "5"},
                                                             {IDC_STAT_RUN_COMPUTER, "0"},
                                                             {IDC_STAT_TOTAL_HUMAN, "17"},
                                                             {IDC_STAT_TOTAL_COMPUTER, "21"},
                                                             {IDC_STAT_TIME_HUMAN, "1 min 01 sec"},
                                                             {IDC_STAT_TIME_COMPUTER, "0 min 00 sec"}};
  EXPECT_EQ(m.Texts(), expected);
  EXPECT_EQ(m.TextOf(IDC_STAT_TOTAL_COMPUTER), "21");
  EXPECT_EQ(m.TextOf(9999), "");
  ASSERT_EQ(host.sounds.size(), 1u);
  EXPECT_EQ(host.sounds[0].file, "win.wav");
  EXPECT_TRUE(host.sounds[0].async);
  EXPECT_EQ(g_Trend.games, 3);
  EXPECT_EQ(g_Trend.trend[1], 66);
  EXPECT_EQ(ReadTrendFile(g_GraphFile), g_Trend);

  // A loss plays the lose sound; a silenced event plays nothing; any winner
  // other than the human counts as a loss.
  m.Open(s, SideComputer, &host);
  ASSERT_EQ(host.sounds.size(), 2u);
  EXPECT_EQ(host.sounds[1].file, "lose.wav");
  EXPECT_EQ(g_Trend.games, 4);
  g_SoundActive[SoundLose] = 0;
  m.Open(s, SideNone, &host);
  EXPECT_EQ(host.sounds.size(), 2u);
  EXPECT_EQ(g_Trend.games, 5);
  EXPECT_EQ(g_Trend.wins, 2);
  m.Open(s, SideHuman, nullptr);  // no host: no sound, the trend still moves
  EXPECT_EQ(g_Trend.games, 6);

  ResetOptionsToBuiltIn();
}

// A new game starts from nothing of the game before, whatever it holds (any
// value the statistics show, the log, the board): the same rolls play the same
// game to the same statistics after a game played to its end, and again after
// one abandoned half-way with the player's clock running. A new run plays it
// once more, to the same points of the run.
class NewGameTest : public GameFixture {
 protected:
  struct Game {
    GameStatistics stats;
    std::vector<std::string> log;
    std::vector<int> board;
    // Every value of the statistics but the points, which outlast the game.
    std::vector<int32_t> Values() const {
      GameStatistics s = stats;
      std::memset(s.runScore, 0, sizeof s.runScore);
      std::memset(s.score, 0, sizeof s.score);
      std::vector<int32_t> v(sizeof s / sizeof(int32_t));
      std::memcpy(v.data(), &s, sizeof s);
      return v;
    }
  };

  void StartRun() {
    UseRolls("3 4  6 6  2 1  6 5  5 2  4 1  5 5  3 1  6 4  1 1  5 3  2 2  6 2");
    SetOption("AutoFinish", 1);
    SetOption("FirstMoveBy", 2);
    Start();
    Pump();
  }
  // Plays the game from the human's turn to its end by a slow finish (whose
  // pauses fill the player's clock), then starts it again with the same rolls.
  Game PlayToTheEnd() {
    Game g;
    dialogs.onStatistics = [&](int) {
      g.stats = CurrentGameStatistics();
      g.log = wnd->LogLines();
      g.board = BoardOf(*wnd);
    };
    dialogs.AnswerStatistics(IDOK, 1);
    wnd->RunCommand(ID_FINISH_GAME);
    return g;
  }
};

TEST_F(NewGameTest, TheSameRollsPlayTheSameGameAgain) {
  StartRun();
  const Game first = PlayToTheEnd();
  // It had something of each kind to carry over.
  const GameStatistics& s = first.stats;
  ASSERT_GT(s.hits[SideHuman] + s.hits[SideComputer], 0);
  ASSERT_GT(s.doubles[SideHuman] + s.doubles[SideComputer], 0);
  ASSERT_GT(s.thinkTime[SideHuman], 0);

  // The same game again, abandoned after three turns of each side with a
  // minute on the player's clock.
  host.escapeAfter = 3;
  wnd->RunCommand(ID_FINISH_GAME);
  ASSERT_EQ(g_turn, SideHuman);
  host.escape = false;
  host.escapeAfter = -1;
  host.tick += 60000;
  host.Answer(IDYES);
  Command(ID_FILE_NEW);
  const Game again = PlayToTheEnd();
  ASSERT_EQ(dialogs.winners.size(), 2u);
  EXPECT_EQ(dialogs.winners[1], dialogs.winners[0]);
  EXPECT_EQ(again.Values(), first.Values());
  EXPECT_EQ(again.log, first.log);
  EXPECT_EQ(again.board, first.board);

  // A new run.
  wnd.reset();
  ResetGlobals();
  host = FakeHost{};
  view = FakeView{};
  dialogs = FakeDialogs{};
  StartRun();
  const Game fresh = PlayToTheEnd();
  EXPECT_EQ(fresh.Values(), first.Values());
  for (int side : {SideHuman, SideComputer}) EXPECT_EQ(fresh.stats.runScore[side], first.stats.runScore[side]);
}

TEST(DiceEntry, FieldTexts) {
  EXPECT_EQ(ParseDieEntry("").kind, DieEntry::Empty);
  for (int v = 1; v <= 6; ++v) {
    const DieEntry e = ParseDieEntry(std::to_string(v));
    EXPECT_EQ(e.kind, DieEntry::Valid);
    EXPECT_EQ(e.value, v);
  }
  EXPECT_EQ(ParseDieEntry(" 4 ").value, 4);
  for (const char* bad : {"0", "7", "a", "-", "-3", "+", "4a", "66", "99999999999999999999", " "})
    EXPECT_EQ(ParseDieEntry(bad).kind, DieEntry::Invalid) << bad;

  int v = 0;
  EXPECT_FALSE(ParseWholeNumber("", v));
  EXPECT_FALSE(ParseWholeNumber("  ", v));
  EXPECT_FALSE(ParseWholeNumber("x", v));
  EXPECT_FALSE(ParseWholeNumber("2147483648", v));
  EXPECT_TRUE(ParseWholeNumber("-2147483648", v));
  EXPECT_EQ(v, INT32_MIN);
  EXPECT_TRUE(ParseWholeNumber("5", v));
  EXPECT_EQ(v, 5);
}

}  // namespace
