// Command enabling, the new-game and reset-scores commands, the shortcut
// table, and whole games against the computer with random dice.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/game_state.h"
#include "platform/accelerators.h"
#include "platform/random.h"
#include "resources/accelerators_table.h"
#include "resources/ids.h"
#include "settings/options.h"
#include "tests/support/game_fixture.h"

namespace {

class CommandsTest : public GameFixture {};

TEST_F(CommandsTest, EnableRulesAndCommandsNotYetBuilt) {
  UseRolls("3 4  2 1");
  Start();
  Pump();
  for (int id : {ID_FILE_NEW,    ID_RESET_SCORE,   ID_APP_EXIT,      ID_SHOW_TREND,        ID_REDRAW,
                 ID_HELP,        ID_DOCUMENTATION, ID_COMPUTER_TURN, ID_AUTO_FORCED_MOVES, ID_CTRL_T,
                 ID_CTRL_H,      ID_FILE_OPEN,     ID_FILE_SAVE_AS,  ID_BEST_MOVE,         ID_SWAP_SIDES,
                 ID_FINISH_GAME, ID_APP_ABOUT,     ID_GIVE_UP,       ID_SETTINGS,          ID_COLORS})
    EXPECT_TRUE(wnd->CommandEnabled(id)) << id;
  EXPECT_FALSE(wnd->CommandEnabled(ID_UNDO_STEP));
  EXPECT_FALSE(wnd->CommandEnabled(ID_PASS));
  EXPECT_FALSE(wnd->RunCommand(12345));
  EXPECT_TRUE(wnd->RunCommand(ID_CTRL_T));

  // Shortcuts of disabled commands change nothing.
  const auto log = wnd->LogLines();
  for (unsigned key : {'C', 'T', 'H'}) Key(key, MK_CONTROL_FLAG);
  Key(VK_F9);
  Key(VK_ESCAPE);
  Key(VK_SPACE);
  EXPECT_EQ(wnd->LogLines(), log);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(wnd->m_stepCount, 0);

  Key('A');
  Key('E');
  EXPECT_TRUE(wnd->CommandEnabled(ID_UNDO_STEP));
  for (int id : {ID_GIVE_UP, ID_FINISH_GAME, ID_BEST_MOVE, ID_FILE_OPEN}) EXPECT_TRUE(wnd->CommandEnabled(id)) << id;
  for (int id : {ID_SWAP_SIDES, ID_FILE_SAVE_AS}) EXPECT_FALSE(wnd->CommandEnabled(id)) << id;
  Key('L');
  EXPECT_FALSE(wnd->CommandEnabled(ID_GIVE_UP));
  EXPECT_FALSE(wnd->CommandEnabled(ID_FINISH_GAME));
  EXPECT_TRUE(wnd->CommandEnabled(ID_PASS));  // no dice left; the wait takes the command anyway
}

// Asking whether the double may run leaves the cube button alone; the button
// follows the game instead: a step made, even the only one of the turn,
// greys it at once.
TEST_F(CommandsTest, TheDoubleRuleOnlyAnswersAndTheButtonFollowsTheStep) {
  SetOption("UseCube", 1);
  UseRolls("3 4  2 1");
  Start();
  Pump();
  HumanTurnWith(3, 0);
  ASSERT_TRUE(view.cube.enabled);
  view.cube.enabled = false;
  EXPECT_TRUE(wnd->CommandEnabled(ID_DOUBLE));
  EXPECT_FALSE(view.cube.enabled);

  view.cube.enabled = true;
  ASSERT_TRUE(PlayFirstLegalStep());
  ASSERT_EQ(wnd->m_stepCount, 1);
  EXPECT_FALSE(wnd->CommandEnabled(ID_DOUBLE));
  EXPECT_FALSE(view.cube.enabled);
}

TEST_F(CommandsTest, SettingsColoursAndAboutRunTheirDialogs) {
  UseRolls("3 4  2 1");
  Start();
  Pump();
  // Cancel leaves the cube button, the dice and the settings file alone.
  g_UseCube = 1;
  g_DiceAsIcons = 0;
  g_CurScheme = 2;
  ASSERT_FALSE(view.cube.enabled);
  const std::vector<int> dice = view.Dice(DiceRow::Human);
  wnd->RunCommand(ID_SETTINGS);
  wnd->RunCommand(ID_COLORS);
  EXPECT_FALSE(view.cube.enabled);
  EXPECT_EQ(view.Dice(DiceRow::Human), dice);
  EXPECT_EQ(StoredInt("Options", "CurScheme"), -1);

  // OK: the cube and the dice follow the options; the scheme is written.
  dialogs.onSettings = [] { return static_cast<int>(IDOK); };
  dialogs.onColors = [] { return static_cast<int>(IDOK); };
  wnd->RunCommand(ID_SETTINGS);
  wnd->RunCommand(ID_COLORS);
  EXPECT_TRUE(view.cube.enabled);
  EXPECT_EQ(view.Dice(DiceRow::Human), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(StoredInt("Options", "CurScheme"), 2);
  EXPECT_EQ(dialogs.settingsCalls, 2);
  EXPECT_EQ(dialogs.colorsCalls, 2);

  wnd->RunCommand(ID_APP_ABOUT);
  EXPECT_EQ(dialogs.aboutCalls, 1);
}

// The blink timer ticks every 400 ms; a missing documentation page is named
// in a box, a present one opens without a word.
TEST_F(CommandsTest, BlinkTimerAndTheDocumentationPage) {
  UseRolls("3 4");
  Start();
  Pump();
  EXPECT_EQ(frame.timers, (std::vector<std::pair<int, int>>{{219, 400}}));
  Command(ID_DOCUMENTATION);
  EXPECT_TRUE(host.boxes.empty());
  frame.documentExists = false;
  host.Answer(IDOK);
  Command(ID_DOCUMENTATION);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, dir + "/Documentation.htm not found");
  EXPECT_EQ(host.boxes[0].type, MB_OK);
  EXPECT_EQ(frame.documents, std::vector<std::string>(2, dir + "/Documentation.htm"));
}

TEST_F(CommandsTest, NewGameAndResetScoreAsk) {
  ini->WriteInt("Game", "Human", 7);
  ini->WriteInt("Game", "Computer", 5);
  UseRolls("3 4  2 1");
  Start();
  Pump();
  EXPECT_EQ(g_Score[SideHuman], 7);
  Key('A');
  Key('E');

  host.Answer(IDNO);
  Key('N', MK_CONTROL_FLAG);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Neues Spiel starten?");
  EXPECT_EQ(host.boxes[0].type, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(wnd->m_stepCount, 1);

  // Yes (here through F2): the game is dropped without points.
  host.Answer(IDYES);
  Key(VK_F2);
  EXPECT_EQ(wnd->m_stepCount, 0);
  EXPECT_EQ(Count(1), 2);
  EXPECT_TRUE(dialogs.winners.empty());
  EXPECT_EQ(g_Score[SideHuman], 7);
  EXPECT_EQ(LastLog(), "1ter von  ");

  g_RunScore[SideHuman] = 4;
  host.Answer(IDNO);
  Command(ID_RESET_SCORE);
  EXPECT_EQ(host.boxes.back().text, "Alle Spielstände auf 0 setzen?");
  EXPECT_EQ(StoredInt("Game", "Human"), 7);
  host.Answer(IDYES);
  Command(ID_RESET_SCORE);
  EXPECT_EQ(g_Score[SideHuman], 0);
  EXPECT_EQ(g_Score[SideComputer], 0);
  EXPECT_EQ(StoredInt("Game", "Human"), 0);
  EXPECT_EQ(StoredInt("Game", "Computer"), 0);
  EXPECT_EQ(g_RunScore[SideHuman], 4);
}

TEST(AcceleratorTable, EntriesOfTheGame) {
  const auto& table = GameAccelerators();
  EXPECT_EQ(table.size(), 19u);
  std::set<std::pair<uint32_t, bool>> keys;
  for (const Accelerator& a : table) {
    EXPECT_TRUE(keys.insert({a.key, a.ctrl}).second) << a.key;
    EXPECT_FALSE(a.shift || a.alt);
  }
  auto match = [&](uint32_t message, uint32_t key, uint32_t flags) {
    Message m;
    m.message = message;
    m.wParam = key;
    m.flags = flags;
    return MatchAccelerator(table, m);
  };
  EXPECT_EQ(match(WM_CHAR, '/', 0), ID_SHOW_TREND);
  EXPECT_EQ(match(WM_CHAR, '?', MK_SHIFT_FLAG), ID_SHOW_TREND);
  EXPECT_EQ(match(WM_KEYDOWN, VK_SPACE, 0), ID_PASS);
  EXPECT_EQ(match(WM_KEYDOWN, VK_SPACE, MK_CONTROL_FLAG), ID_GIVE_UP);
  EXPECT_EQ(match(WM_KEYDOWN, VK_ESCAPE, 0), ID_UNDO_STEP);
  EXPECT_EQ(match(WM_KEYDOWN, 'D', MK_CONTROL_FLAG), ID_DOUBLE);
  EXPECT_EQ(match(WM_KEYDOWN, 'D', 0), 0);  // a step key without Ctrl
  EXPECT_EQ(match(WM_KEYDOWN, VK_F2, 0), ID_FILE_NEW);
  EXPECT_EQ(match(WM_KEYDOWN, 'T', MK_CONTROL_FLAG), ID_CTRL_T);
}

// Whole games with random dice: the human always plays the first legal step.
class RandomGamesTest : public GameFixture {};

TEST_F(RandomGamesTest, GamesAlwaysEnd) {
  for (uint32_t seed : {1u, 7u, 2024u, 99u}) {
    SCOPED_TRACE(seed);
    if (wnd) {
      wnd.reset();
      ResetGlobals();
      dialogs = FakeDialogs{};
      frame = FakeFrame{};
      host.boxes.clear();
      host.cursor.clear();
      host.answers.clear();
    }
    // One run with the cube: the human takes every double the computer offers.
    const bool cube = seed == 99u;
    SetOption("UseCube", cube ? 1 : 0);
    for (int i = 0; cube && i < 64; ++i) host.Answer(IDYES);
    SetOption("AutoForcedMoves", seed % 2);
    SetOption("HighLight", static_cast<int>(seed % 3));
    Start();
    SeedGameRand(seed);
    wnd->NewGame();
    const int games = 3;
    // The winner has moved all 167 pips of its checkers, so it rolled at least that.
    dialogs.onStatistics = [&](int winner) {
      if (!cube) {
        EXPECT_GE(g_DiceSum[winner], 167);
      }
    };
    for (int g = 1; g < games; ++g) dialogs.AnswerStatistics(IDOK, static_cast<int>(seed + g) % 3);

    int guard = 0;
    while (frame.closes == 0 && guard++ < 5000) {
      Pump();
      if (frame.closes != 0) break;
      if (g_turn == SideHuman && wnd->m_awaitConfirm) {
        Key('Y');
      } else if (g_turn == SideHuman && wnd->m_dice->count > 0) {
        ASSERT_TRUE(PlayFirstLegalStep()) << "the human could not move";
      } else {
        ASSERT_FALSE(wnd->Queue().Empty()) << "nobody is to move";
      }
      ASSERT_LE(wnd->LogLines().size(), 20u);
    }
    EXPECT_EQ(frame.closes, 1);
    EXPECT_EQ(dialogs.winners.size(), static_cast<size_t>(games));
    for (const auto& b : host.boxes) EXPECT_EQ(b.text, "Computer verdoppelt. -Ok ?");
    int balance = 0;
    for (auto c : host.cursor) {
      balance += c == FakeHost::Cursor::BeginWait ? 1 : (c == FakeHost::Cursor::EndWait ? -1 : 0);
      ASSERT_GE(balance, 0);
    }
    EXPECT_EQ(balance, 0);
    EXPECT_EQ(g_RunScore[SideHuman] + g_RunScore[SideComputer] > 0, true);
    for (int i = 0; i < kBoardSize; ++i) EXPECT_LE(Count(i), 15);
  }
}

}  // namespace
