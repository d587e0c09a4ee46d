// Whole games in the real window: the human's steps typed and clicked through
// the frame's own event path, the computer's turns, the confirmation wait, the
// statistics dialog answered through its hook, the next game and the exit.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <wx/dialog.h>
#include <wx/weakref.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/tremawnd.h"
#include "board/position.h"
#include "dialogs/trend.h"
#include "platform/message_queue.h"
#include "platform/sound.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/ui/gui_support.h"
#include "ui/main_frame.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_host.h"

namespace fs = std::filesystem;

namespace {

class SilentSound : public SoundPlayer {
 public:
  void Play(const std::string&, bool) override {}
};

struct Step {
  int from;
  int die;
};

// Does playing this step leave the other die playable? (Both dice must be
// played where possible; a step that strands the other die would be refused
// at the pass.)
bool LeavesOtherPlayable(TremaWnd& w, const Step& s, int otherDie) {
  Position* copies[kBoardSize];
  SaveBoard(w.m_board, copies);
  const int to = s.from + s.die;
  w.m_board[s.from]->Position::MoveTo(to >= 1 && to <= 24 ? to : kHumanTray);
  bool playable = false;
  const bool onBar = w.m_board[kHumanBar]->count > 0;
  for (int j = 0; j <= 24 && !playable; ++j) {
    if (onBar && j != 0) break;
    playable = w.m_engine->IsLegalStep(j, otherDie);
  }
  RestoreBoard(copies, w.m_board);
  return playable;
}

}  // namespace

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/tremaw_gui_game_XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir = tmpl;
    ResetOptionsToBuiltIn();
    g_SchemeFile = dir + "/tremaw32.clr";
    g_GraphFile = dir + "/tremaw32.gph";
    g_Trend = TrendRecord{};
    // A fixed list of rolls, so the games are the same every run.
    std::mt19937 gen(20261209);
    std::ofstream rolls(dir + "/rolls.txt");
    for (int i = 0; i < 2000; ++i) rolls << static_cast<char>('1' + gen() % 6) << (i % 2 ? "\n" : " ");
    rolls.close();
    std::ofstream(dir + "/tremaw.ini") << "[Options]\nSpeed=50\nLevelOfPlay=0\nFirstMoveBy=2\nDiceMode=2\nRollsList="
                                       << dir << "/rolls.txt\n";
  }

  void TearDown() override {
    if (weak) weak->Close(true);
    RunEvents(30);
    ResetOptionsToBuiltIn();
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  void Start() {
    MainFrameSetup s;
    s.profilePath = dir + "/tremaw.ini";
    s.docFile = dir + "/Documentation.htm";
    s.displayName = "Kolvar Backgammon";
    s.makeDialogs = [this](wxWindow* parent, Host* host) -> std::unique_ptr<GameDialogs> {
      auto d = std::make_unique<WxGameDialogs>(parent, host);
      d->answer = [this](wxDialog& dialog) {
        // Only the statistics dialog comes in these games.
        ++statistics;
        humanTray.push_back(frame->Core()->m_board[kHumanTray]->count);
        computerTray.push_back(frame->Core()->m_board[kComputerTray]->count);
        EXPECT_EQ(dialog.GetTitle(), wxString::FromUTF8("Statistik"));
        return statistics < gamesToPlay ? wxID_OK : wxID_CANCEL;
      };
      return d;
    };
    s.sound = std::make_unique<SilentSound>();
    frame = new MainFrame(std::move(s));
    weak = frame;
    frame->GameHost().SetAnswerFunction([](const std::string& text, unsigned) {
      ADD_FAILURE() << "unexpected message box: " << text;
      return static_cast<int>(IDOK);
    });
    frame->StartGame();
    frame->UpdateNow();
  }

  void SendKey(int code) {
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = code;
    down.SetEventObject(frame->Canvas());
    frame->Canvas()->GetEventHandler()->ProcessEvent(down);
  }

  void Click(wxEventType type, wxPoint at) {
    wxMouseEvent e(type);
    e.SetPosition(at);
    e.SetEventObject(frame->Canvas());
    frame->Canvas()->GetEventHandler()->ProcessEvent(e);
  }

  void ClickEntry(int index) {
    const Rect r = frame->Core()->m_board[index]->rect;
    const wxPoint at((r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4);
    Click(wxEVT_LEFT_DOWN, at);
    if (weak) Click(wxEVT_LEFT_UP, at);
  }

  static int Letter(int index) { return index >= 1 && index <= 24 ? 'A' + index - 1 : '0'; }

  // One step of the human: the first legal one from the bar or the lowest
  // point, typed as two keys or, every other time, clicked as the source.
  void PlayHumanStep() {
    TremaWnd& w = *frame->Core();
    DiceRoller& d = *w.m_dice;
    std::vector<Step> found;
    const bool onBar = w.m_board[kHumanBar]->count > 0;
    for (int j = 0; j <= 24; ++j) {
      if (onBar && j != 0) break;
      for (int i = 0; i < d.count && i < 4; ++i)
        if (w.m_engine->IsLegalStep(j, d.die[i])) found.push_back({j, d.die[i]});
    }
    if (found.empty()) {
      SendKey(WXK_SPACE);  // no die can be played: pass
      ++passes;
      return;
    }
    Step s = found.front();
    if (w.m_mustPlayBoth && d.count == 2 && d.die[0] != d.die[1]) {
      for (const Step& c : found) {
        if (LeavesOtherPlayable(w, c, c.die == d.die[0] ? d.die[1] : d.die[0])) {
          s = c;
          break;
        }
      }
    }
    const int to = s.from + s.die;
    if (++steps % 2 == 0 && s.from != 0)
      ClickEntry(s.from);
    else
      SendKey(Letter(s.from));
    // With no proposed destination the step waits for its second key.
    if (weak && frame->Core() != nullptr && w.m_curStep[0] != 0xFF && w.m_curStep[1] == 0xFF && g_turn == SideHuman)
      SendKey(to >= 25 ? '0' : Letter(to));
  }

  // Plays until the statistics dialog has been answered `games` times or the
  // frame is gone; fails instead of hanging.
  void PlayUntil(int games, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (weak && statistics < games) {
      ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the game did not end in time";
      RunEvents(2);
      if (!weak || frame->Core() == nullptr || statistics >= games) break;
      TremaWnd& w = *frame->Core();
      if (w.m_awaitConfirm) {
        // Confirm by a key, or now and then by a left click beside the board.
        if (++confirmations % 3 == 0)
          Click(wxEVT_LEFT_DOWN, wxPoint(5, 5));
        else
          SendKey('Z');
        continue;
      }
      if (g_turn == SideHuman && w.m_winner == SideNone && w.m_dice != nullptr && w.m_dice->count > 0 &&
          w.m_curStep[0] == 0xFF)
        PlayHumanStep();
    }
  }

  std::string dir;
  MainFrame* frame = nullptr;
  wxWeakRef<MainFrame> weak;
  int gamesToPlay = 2;
  int statistics = 0;
  int steps = 0;
  int passes = 0;
  int confirmations = 0;
  std::vector<int> humanTray, computerTray;
};

TEST_F(GameTest, TwoWholeGamesThroughTheWindowThenTheProgramEnds) {
  Start();
  ASSERT_TRUE(weak);
  TremaWnd* core = frame->Core();
  ASSERT_NE(core, nullptr);

  PlayUntil(1, std::chrono::seconds(150));
  ASSERT_EQ(statistics, 1);
  ASSERT_TRUE(weak) << "\"Noch&mal\" keeps the program running";
  // The game ended by bearing off: one side has all 15 off.
  EXPECT_TRUE(humanTray[0] == kMaxCheckers || computerTray[0] == kMaxCheckers);
  EXPECT_GT(steps, 10);
  EXPECT_GT(confirmations, 3);

  // The scores and the trend were written when the game ended.
  RunEvents(20);
  std::ifstream ini(dir + "/tremaw.ini");
  const std::string text((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("[Game]"), std::string::npos);
  EXPECT_NE(text.find("Human="), std::string::npos);
  EXPECT_NE(text.find("Computer="), std::string::npos);
  ASSERT_TRUE(fs::exists(dir + "/tremaw32.gph"));
  EXPECT_EQ(fs::file_size(dir + "/tremaw32.gph"), kTrendFileSize);
  EXPECT_EQ(g_Trend.games, 3);

  // The next game has begun with a fresh log header and the starting position.
  ASSERT_NE(frame->Core(), nullptr);
  EXPECT_EQ(frame->Core()->m_winner, SideNone);
  ASSERT_FALSE(frame->Core()->LogLines().empty());
  EXPECT_NE(std::find(frame->Core()->LogLines().begin(), frame->Core()->LogLines().end(), "Kolvar Backgammon"),
            frame->Core()->LogLines().end());

  // The second game ends with "&Beenden": the exit command closes the window.
  PlayUntil(2, std::chrono::seconds(150));
  EXPECT_EQ(statistics, 2);
  EXPECT_TRUE(humanTray[1] == kMaxCheckers || computerTray[1] == kMaxCheckers);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (weak && std::chrono::steady_clock::now() < deadline) RunEvents(10);
  EXPECT_FALSE(weak) << "the frame is gone";
  EXPECT_EQ(g_MainWnd, nullptr);
  EXPECT_EQ(g_Trend.games, 4);
}
