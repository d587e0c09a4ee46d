// The real main window with the game's core: start-up, sizing, the drawn
// board, menus, prompts, keys through the filter, message boxes and closing.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/menu.h>
#include <wx/statbmp.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/layout_rules.h"
#include "app/tremawnd.h"
#include "board/globals.h"
#include "board/position.h"
#include "dialogs/trend.h"
#include "platform/sound.h"
#include "resources/ids.h"
#include "resources/menu_table.h"
#include "resources/strings.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/support/game_fakes.h"
#include "tests/support/game_state.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/frame_fixture.h"
#include "tests/ui/gui_support.h"
#include "ui/input.h"
#include "ui/main_frame.h"
#include "ui/menus.h"
#include "ui/wx_host.h"
#include "ui/wx_ids.h"
#include "ui/wx_surface.h"
#include "ui/wx_text.h"

namespace fs = std::filesystem;

namespace {
struct Box {
  std::string text;
  unsigned type;
};
}  // namespace

class FrameTest : public FrameFixture {
 protected:
  // The human starts, so nothing moves before the test looks.
  FrameTest() : FrameFixture("[Options]\nFirstMoveBy=2\nDiceMode=0\n") {}

  void TearDown() override {
    FrameFixture::TearDown();
    EXPECT_EQ(g_MainWnd, nullptr);
  }

  MainFrame* Start() {
    MainFrameSetup s = BasicSetup();
    s.makeDialogs = [this](wxWindow*, Host*) -> std::unique_ptr<GameDialogs> {
      auto d = std::make_unique<FakeDialogs>();
      dialogs = d.get();
      for (auto [a, b] : manualDice) d->EnterDice(a, b);
      return d;
    };
    s.sound = std::make_unique<RecordingSound>(&sounds);
    s.onHelp = [this]() { ++helpCalls; };
    s.screen = screen;
    Open(std::move(s));
    frame->GameHost().SetAnswerFunction([this](const std::string& text, unsigned type) {
      boxes.push_back({text, type});
      if (onBox) onBox();
      if (answers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text;
        return static_cast<int>(IDNO);
      }
      const int a = answers.front();
      answers.erase(answers.begin());
      return a;
    });
    frame->StartGame();
    frame->UpdateNow();
    return frame;
  }

  void Menu(int command) {
    wxCommandEvent e(wxEVT_MENU, WxIdForCommand(command));
    e.SetEventObject(frame);
    frame->ProcessWindowEvent(e);
  }
  bool SendKey(wxEventType type, int code, int modifiers = 0, wxChar uni = WXK_NONE) {
    wxKeyEvent e(type);
    e.m_keyCode = code;
    e.m_uniChar = uni;
    e.SetControlDown((modifiers & wxMOD_CONTROL) != 0);
    e.SetEventObject(frame->Canvas());
    return frame->Canvas()->GetEventHandler()->ProcessEvent(e);
  }
  std::vector<Color> Region(int x, int y, int w, int h) {
    std::vector<Color> out;
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i) out.push_back(frame->BoardSurface().PixelAt(x + i, y + j));
    return out;
  }

  FakeDialogs* dialogs = nullptr;
  std::vector<std::string> sounds;
  std::vector<Box> boxes;
  std::vector<int> answers;
  std::function<void()> onBox;
  std::vector<std::pair<int, int>> manualDice;
  int helpCalls = 0;
  Size screen{0, 0};
};

TEST_F(FrameTest, StartsSizedByTheRuleAndDrawsTheStartingPosition) {
  Start();
  RunEvents(200);
  ASSERT_TRUE(weak);
  TremaWnd* core = frame->Core();
  ASSERT_NE(core, nullptr);
  EXPECT_EQ(g_MainWnd, core);

  // The window's size follows from the desktop's client area.
  const Size screen = frame->ScreenArea();
  const Size want = WindowSizeForScreen(screen.cx, screen.cy);
  const wxRect r = frame->GetRect();
  EXPECT_EQ(r.width, want.cx);
  EXPECT_EQ(r.height, want.cy);
  EXPECT_EQ(g_Unit, (want.cx + want.cy) / 57);
  if (screen.cx == 1920 && screen.cy == 1080) {
    EXPECT_EQ(r.width, 1020);
    EXPECT_EQ(r.height, 680);
    EXPECT_EQ(g_Unit, 29);
  }
  EXPECT_FALSE(frame->HasFlag(wxRESIZE_BORDER));
  EXPECT_FALSE(frame->HasFlag(wxMAXIMIZE_BOX));
  EXPECT_TRUE(frame->IsShown());
  EXPECT_EQ(Utf8(frame->GetTitle()), "Kolvar Backgammon");
  EXPECT_TRUE(frame->TimerRunning()) << "the blink timer";
  EXPECT_TRUE(frame->ControlsCreated());
  ASSERT_FALSE(frame->LogLinesShown().empty());
  EXPECT_EQ(frame->LogLinesShown().front(), "Kolvar Backgammon");
  EXPECT_GE(frame->LogLinesPerPage(), 6);

  // The back buffer holds the board: background, an empty point's colour,
  // and the checkers of the starting position.
  frame->UpdateNow();
  const int u = g_Unit, d = g_CheckerSize;
  Position** b = core->m_board;
  const int midY = (b[1]->rect.bottom + b[24]->rect.top) / 2;
  EXPECT_EQ(frame->BoardSurface().PixelAt(b[3]->x + u, midY), g_Colors[ColorBackground]);
  EXPECT_EQ(frame->BoardSurface().PixelAt(b[2]->x + u, 2 * u + 4), g_Colors[ColorPointB]);
  EXPECT_EQ(frame->BoardSurface().PixelAt(b[3]->x + u, 2 * u + 4), g_Colors[ColorPointA]);
  const int cx = static_cast<int>(0.4 * d) + d / 2;
  EXPECT_EQ(frame->BoardSurface().PixelAt(b[1]->x + cx, 2 * u + d / 2), g_Colors[ColorHuman]);
  EXPECT_EQ(frame->BoardSurface().PixelAt(b[13]->x + cx, b[13]->y - d + d / 2), g_Colors[ColorComputer]);
  EXPECT_EQ(frame->BoardSurface().PixelAt(b[0]->x + u, b[0]->rect.top + 3 * u), g_Colors[ColorBar]);

  // The human's opening dice are on show as die faces.
  EXPECT_GE(frame->DieValue(DiceRow::Human, 0), 1);
  EXPECT_LE(frame->DieValue(DiceRow::Human, 0), 6);
  ASSERT_NE(frame->DieStatic(DiceRow::Human, 0), nullptr);
  EXPECT_TRUE(frame->DieStatic(DiceRow::Human, 0)->IsShown());
  EXPECT_FALSE(frame->DieStatic(DiceRow::Computer, 0)->IsShown());
}

// The cube button and the tray counts line up with the die faces, and stand
// in the same place in every game.
TEST_F(FrameTest, ControlsStayPutFromGameToGame) {
  Start();
  RunEvents(200);
  auto places = [this] {
    std::vector<std::tuple<int, int, int, int>> out;
    for (wxWindow* child : frame->Canvas()->GetChildren()) {
      const wxRect r = child->GetRect();
      out.emplace_back(r.x, r.y, r.width, r.height);
    }
    std::sort(out.begin(), out.end());
    return out;
  };
  const auto first = places();
  const int dieTop = frame->DieStatic(DiceRow::Human, 0)->GetPosition().y;
  EXPECT_EQ(frame->CubeButton()->GetPosition().y, dieTop);
  for (int game = 2; game <= 3; ++game) {
    // The client area changes after the start, as when a window manager adds
    // its frame once the window shows.
    frame->GetMenuBar()->Show(game != 2);
    frame->SendSizeEvent();
    RunEvents(100);
    answers = {IDYES};
    Menu(ID_FILE_NEW);
    RunEvents(200);
    EXPECT_EQ(places(), first) << "game " << game;
    EXPECT_EQ(frame->CubeButton()->GetPosition().y, dieTop) << "game " << game;
  }
}

// Clicks on the status bar, a shown die face and the log, sent to those
// windows as GTK sends them: a right click on any of them takes the step back,
// a left click on the status bar ends the confirmation wait.
TEST_F(FrameTest, ClicksOnChildControlsReachTheGame) {
  std::ofstream(dir + "/tremaw.ini") << "[Options]\nFirstMoveBy=2\nDiceMode=1\nAutoChangeTurn=0\nSpeed=50\n";
  manualDice = {{6, 4}, {1, 2}};
  Start();
  RunEvents(300);
  TremaWnd* core = frame->Core();
  wxWindow* die = frame->DieStatic(DiceRow::Human, 0);
  ASSERT_TRUE(die->IsShown());
  auto click = [](wxWindow* w, wxEventType type) {
    wxMouseEvent e(type);
    e.m_x = w->GetSize().x / 2;
    e.m_y = w->GetSize().y / 2;
    e.m_leftDown = type == wxEVT_LEFT_DOWN;
    e.m_rightDown = type == wxEVT_RIGHT_DOWN;
    e.SetEventObject(w);
    w->GetEventHandler()->ProcessEvent(e);
    RunEvents(50);
  };
  // Waits, at most two seconds, for the game to get there (slower under the
  // sanitizers).
  auto until = [](const std::function<bool()>& done) {
    for (int i = 0; i < 100 && !done(); ++i) RunEvents(20);
  };
  auto step = [&](char from, char to) {
    const int steps = core->m_stepCount;
    SendKey(wxEVT_KEY_DOWN, from);
    until([&] { return frame->LogLinesShown().back().find("nach") != std::string::npos; });
    const std::string last = frame->LogLinesShown().back();
    if (last.size() >= 6 && last.compare(last.size() - 6, 6, "nach  ") == 0) SendKey(wxEVT_KEY_DOWN, to);
    until([&] { return core->m_stepCount > steps || core->m_awaitConfirm; });
  };
  wxWindow* log = frame->Canvas()->FindWindowByName(kLogWindowName);
  for (wxWindow* w : {die, static_cast<wxWindow*>(frame->GetStatusBar()), log}) {
    SCOPED_TRACE(Utf8(w->GetName()));
    step('A', 'G');
    ASSERT_EQ(core->m_stepCount, 1);
    click(w, wxEVT_RIGHT_DOWN);
    until([&] { return core->m_stepCount == 0; });
    EXPECT_EQ(core->m_stepCount, 0);
    EXPECT_EQ(core->m_board[1]->count, 2);
  }
  step('A', 'G');
  step('A', 'E');
  ASSERT_EQ(core->m_awaitConfirm, 1);
  click(frame->GetStatusBar(), wxEVT_LEFT_DOWN);
  until([&] { return core->m_awaitConfirm == 0; });
  EXPECT_EQ(core->m_awaitConfirm, 0);
}

// A point chosen while a checker waits on the bar: the checker there jumps as
// if hit, with the hit sound, and the hint shows in pane 2.
TEST_F(FrameTest, BarReminderJumpsWithTheHitSound) {
  std::ofstream(dir + "/tremaw.ini") << "[Options]\nFirstMoveBy=2\nDiceMode=1\nSpeed=50\n"
                                     << "[Sounds]\nHitSoundActive=1\nHit=hit.wav\n";
  manualDice = {{6, 4}};
  Start();
  RunEvents(200);
  PutUpBoard(*frame->Core(), {{0, 1, SideHuman}, {19, 14, SideHuman}, {6, 5, SideComputer}, {8, 10, SideComputer}});
  frame->Core()->m_engine->UpdateRace();
  frame->Invalidate(true);
  frame->UpdateNow();
  RunEvents(100);
  sounds.clear();
  SendKey(wxEVT_KEY_DOWN, 'S');
  RunEvents(300);
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), g_SoundFiles[SoundHit]), 1);
  EXPECT_EQ(frame->StatusText(2), "");  // the new prompt clears the hint again
  EXPECT_EQ(frame->Core()->m_board[0]->count, 1);
}

// Every text the game writes fits its place, on the windows the size rule
// gives for small and large screens: the log's lines, the status texts of
// panes 0 and 2, the tray counts.
TEST_F(FrameTest, TextsFitTheirPlaces) {
  const Size kScreens[] = {{800, 600}, {1024, 768}, {1920, 1080}, {3840, 2160}};
  const struct {
    int pane, id;
  } kStatusTexts[] = {{0, 117}, {0, 118}, {0, 114}, {0, 115}, {0, 236}, {0, 57345}, {2, 231}, {2, 232}};
  for (const Size& area : kScreens) {
    SCOPED_TRACE(std::to_string(area.cx) + "x" + std::to_string(area.cy));
    if (weak) weak->Close(true);
    RunEvents(30);
    screen = area;
    Start();
    RunEvents(200);
    auto width = [](wxWindow* w, const wxString& text) {
      int x = 0, y = 0;
      w->GetTextExtent(text, &x, &y);
      return x;
    };
    wxWindow* log = frame->Canvas()->FindWindowByName(kLogWindowName);
    ASSERT_GE(frame->LogLinesShown().size(), 5u);
    for (const std::string& line : frame->LogLinesShown())
      EXPECT_LE(width(log, Wx(line)), log->GetClientSize().x - 2) << line;

    wxStatusBar* status = frame->GetStatusBar();
    for (const auto& t : kStatusTexts) {
      const std::string text = StringTableEntry(t.id);
      frame->SetStatusText(t.pane, text);
      wxRect field;
      ASSERT_TRUE(status->GetFieldRect(t.pane, field));
      EXPECT_LE(width(status, Wx(text)), field.width - 4) << text;
    }
    for (wxWindow* child : frame->Canvas()->GetChildren()) {
      if (child->GetName() == kBoardWindowName && dynamic_cast<wxStaticBitmap*>(child) == nullptr) {
        EXPECT_LE(width(child, "15"), child->GetClientSize().x) << "tray count";
      }
    }
  }
}

TEST_F(FrameTest, SpritesSaveAndRestoreTheSurface) {
  Start();
  RunEvents(50);
  Position** b = frame->Core()->m_board;
  auto* p12 = static_cast<PositionTop*>(b[12]);
  ASSERT_EQ(p12->count, 5);
  const int x = p12->x + static_cast<int>(0.4 * g_CheckerSize);
  const int y = p12->PieceY(5);
  const int s = g_SpriteSize;
  const std::vector<Color> five = Region(x, y, s, s);
  p12->AddPiece();
  const std::vector<Color> six = Region(x, y, s, s);
  p12->AddPiece();
  const std::vector<Color> seven = Region(x, y, s, s);
  EXPECT_NE(six, five) << "the sixth checker shows its number";
  EXPECT_NE(seven, six) << "\"7\" is not \"6\"";
  p12->RemovePiece();
  EXPECT_EQ(Region(x, y, s, s), six) << "the top checker leaves \"6\" behind";
  p12->RemovePiece();
  EXPECT_EQ(Region(x, y, s, s), five);
  EXPECT_EQ(p12->count, 5);
}

TEST_F(FrameTest, MenusPromptsAndEnabling) {
  Start();
  RunEvents(50);
  wxMenuBar* bar = frame->GetMenuBar();
  ASSERT_NE(bar, nullptr);
  std::vector<std::string> titles;
  for (size_t i = 0; i < bar->GetMenuCount(); ++i) titles.push_back(Utf8(bar->GetMenuLabel(i)));
  EXPECT_EQ(titles, (std::vector<std::string>{"&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe"}));
  // Every item of the four pop-ups as shown, and the command it sends ("-" a
  // separator).
  const std::vector<std::pair<std::string, int>> items = {{"&Neues Spiel\tCtrl+N", 57600},
                                                          {"-", 0},
                                                          {"&Öffnen...\tCtrl+O", 57601},
                                                          {"&Speichern...\tCtrl+S", 57604},
                                                          {"-", 0},
                                                          {"&Einstellungen...\tF9", 229},
                                                          {"-", 0},
                                                          {"Spielstand &zurücksetzen", 226},
                                                          {"-", 0},
                                                          {"&Beenden", 57665},
                                                          {"&Zeige Trend\t?", 209},
                                                          {"&Rückgängig\tEsc", 216},
                                                          {"&Doppler\tCtrl+D", 227},
                                                          {"&Passen\tSpace", 218},
                                                          {"Spiel &aufgeben...\tCtrl+Space", 32774},
                                                          {"-", 0},
                                                          {"&Möglicher Zug\tCtrl+M", 32773},
                                                          {"-", 0},
                                                          {"&Seiten tauschen\tCtrl+W", 32771},
                                                          {"Spiel &beenden\tCtrl+F", 32772},
                                                          {"&Farben...\tCtrl+C", 32770},
                                                          {"&Neuzeichnen\tCtrl+R", 32769},
                                                          {"&Hilfe (Englisch)\tF1", 57670},
                                                          {"&Dokumentation", 32787},
                                                          {"-", 0},
                                                          {"&Über", 57664}};
  std::vector<std::pair<std::string, int>> shown;
  for (size_t i = 0; i < bar->GetMenuCount(); ++i)
    for (const wxMenuItem* item : bar->GetMenu(i)->GetMenuItems()) {
      EXPECT_LE(item->GetId(), 32766);  // wx refuses higher ids
      shown.emplace_back(item->IsSeparator() ? "-" : Utf8(item->GetItemLabel()),
                         item->IsSeparator() ? 0 : MenuCommand(item->GetId()));
    }
  EXPECT_EQ(shown, items);

  // The prompt of the highlighted item, and the idle text once the menu closes.
  wxMenuEvent hi(wxEVT_MENU_HIGHLIGHT, WxIdForCommand(ID_SETTINGS));
  frame->ProcessWindowEvent(hi);
  EXPECT_EQ(frame->StatusText(0), "Ändern der Einstellungen des Spiels");
  frame->OnMenuItemHighlighted(ID_APP_EXIT);
  EXPECT_EQ(frame->StatusText(0), "");
  wxMenuEvent closed(wxEVT_MENU_CLOSE, wxID_ANY, bar->GetMenu(1));
  frame->ProcessWindowEvent(closed);
  EXPECT_EQ(frame->StatusText(0), "Wähle Startposition...");

  // Opening a pop-up greys what the rules refuse: no step yet, so no undo.
  wxMenu* edit = bar->GetMenu(kEditPopupIndex);
  wxMenuEvent open(wxEVT_MENU_OPEN, wxID_ANY, edit);
  frame->ProcessWindowEvent(open);
  EXPECT_FALSE(edit->IsEnabled(WxIdForCommand(ID_UNDO_STEP)));
  EXPECT_TRUE(edit->IsEnabled(WxIdForCommand(ID_SHOW_TREND)));
  for (const wxMenuItem* item : edit->GetMenuItems()) {
    if (item->IsSeparator()) continue;
    EXPECT_EQ(item->IsEnabled(), frame->Core()->CommandEnabled(MenuCommand(item->GetId()))) << item->GetId();
  }
}

TEST_F(FrameTest, KeysAndCommandsReachTheCore) {
  Start();
  RunEvents(50);
  // "?" through the event filter: the accelerator shows the pip-count text.
  frame->SetStatusText(2, "");
  EXPECT_TRUE(SendKey(wxEVT_CHAR, '?', 0, '?'));
  EXPECT_EQ(frame->StatusText(2), "Gleichstand");

  // Ctrl+N as a key press asks first; No changes nothing.
  const std::vector<std::string> logBefore = frame->LogLinesShown();
  answers = {IDNO};
  SendKey(wxEVT_KEY_DOWN, 'N', wxMOD_CONTROL);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Neues Spiel starten?");
  EXPECT_EQ(boxes[0].type, unsigned(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(frame->LogLinesShown(), logBefore);

  // The same from the menu, answered Yes: a new game with a new log.
  answers = {IDYES};
  Menu(ID_FILE_NEW);
  ASSERT_EQ(boxes.size(), 2u);
  ASSERT_FALSE(frame->LogLinesShown().empty());
  EXPECT_EQ(frame->LogLinesShown().front(), "Kolvar Backgammon");

  // Help from the menu goes to the application's help for the active window.
  Menu(ID_HELP);
  EXPECT_EQ(helpCalls, 1);

  // The blink timer's ticks arrive as timer messages; they leave no box.
  RunEvents(900);
  EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(FrameTest, ViewPiecesOfTheWindow) {
  Start();
  RunEvents(50);
  // The trend bar lies over pane 1: its rectangles come in client
  // coordinates and are drawn in the bar's own.
  const Rect pane = frame->StatusPaneRect(1);
  ASSERT_GT(pane.Width(), 10);
  EXPECT_GT(pane.top, frame->Canvas()->GetClientSize().y - 2) << "below the board";
  frame->DrawTrendBar(Rect{pane.left, pane.top + 1, pane.left + 20, pane.bottom - 1}, kBlack,
                      Rect{pane.right - 30, pane.top + 1, pane.right, pane.bottom - 1}, kWhite);
  Rect c, h;
  ASSERT_TRUE(frame->TrendBarShown(c, h));
  EXPECT_EQ(c.left, 0);
  EXPECT_EQ(c.top, 1);
  EXPECT_EQ(c.Width(), 20);
  EXPECT_EQ(h.right, pane.Width());
  frame->ClearTrendBar();
  EXPECT_FALSE(frame->TrendBarShown(c, h));

  // The log's lines stand one below the other inside the log.
  const Rect l0 = frame->LogLineRect(0), l1 = frame->LogLineRect(1);
  EXPECT_GT(l1.top, l0.top);
  EXPECT_EQ(l1.top - l0.top, l0.Height());
  EXPECT_GT(frame->LogTextWidth("Würfeln: 6+6"), frame->LogTextWidth("W"));
  frame->DrawLogCursor(l0.left + 10, l0.top, "_");

  // Die faces: shown, hidden, and bad slots or values refused quietly.
  frame->ShowDie(DiceRow::Computer, 3, 5);
  EXPECT_TRUE(frame->DieStatic(DiceRow::Computer, 3)->IsShown());
  EXPECT_EQ(frame->DieStatic(DiceRow::Computer, 3)->GetBitmap().GetWidth(), 32);
  frame->ShowDie(DiceRow::Computer, 3, 0);
  EXPECT_FALSE(frame->DieStatic(DiceRow::Computer, 3)->IsShown());
  frame->ShowDie(DiceRow::Computer, 2, 9);
  EXPECT_EQ(frame->DieValue(DiceRow::Computer, 2), 0);
  frame->ShowDie(DiceRow::Human, 7, 3);
  frame->ShowDie(DiceRow::Human, -1, 3);

  // The cube: its text, place and enabled state as the core sets them.
  frame->SetCube("64", Rect{10, 20, 50, 60});
  frame->EnableCube(false);
  EXPECT_EQ(Utf8(frame->CubeButton()->GetLabel()), "64");
  EXPECT_EQ(frame->CubeButton()->GetPosition(), wxPoint(10, 20));
  EXPECT_FALSE(frame->CubeEnabled());

  // A new background colour reaches the canvas and the labels on it.
  frame->SetBackground(MakeColor(10, 20, 30));
  EXPECT_EQ(frame->Canvas()->GetBackgroundColour(), wxColour(10, 20, 30));
  EXPECT_EQ(frame->Background(), MakeColor(10, 20, 30));

  // The wait and confirmation cursors are balanced.
  WxHost& host = frame->GameHost();
  host.BeginWaitCursor();
  host.BeginWaitCursor();
  host.EndWaitCursor();
  host.EndWaitCursor();
  host.EndWaitCursor();
  EXPECT_EQ(host.BusyDepth(), 0);
  host.SetConfirmCursor(true);
  EXPECT_TRUE(host.ConfirmCursorShown());
  host.SetConfirmCursor(false);

  // A repaint the core asks for never runs inside a pause (an animation may be
  // under way); it runs once the core's handler is over.
  frame->Invalidate(true);
  frame->GameHost().Pause(80);
  EXPECT_TRUE(frame->RepaintPending());
  RunEvents(200);
  EXPECT_FALSE(frame->RepaintPending());

  // A pause waits at least its time and keeps the clock going.
  const uint32_t t0 = host.TickCount();
  host.Pause(60);
  const uint32_t t1 = host.TickCount();
  EXPECT_GE(t1 - t0, 60u);
  EXPECT_LT(t1 - t0, 2000u);
}

TEST_F(FrameTest, ExitCommandClosesCleanly) {
  Start();
  RunEvents(50);
  Menu(ID_APP_EXIT);
  RunEvents(100);
  EXPECT_FALSE(weak);
  EXPECT_EQ(g_MainWnd, nullptr);
  EXPECT_EQ(g_BoardWnd, nullptr);
}

// Another X client destroyed the window: nothing more reaches its controls,
// a dialog answers Cancel without showing, a pause ends at once, and the
// frame closes.
TEST_F(FrameTest, AWindowDestroyedOutsideShowsNothingMoreAndCloses) {
  Start();
  RunEvents(50);
  const wxString status = frame->GetStatusBar()->GetStatusText(0);
  frame->WindowDestroyedOutside();
  frame->ShowDie(DiceRow::Computer, 3, 5);
  EXPECT_FALSE(frame->DieStatic(DiceRow::Computer, 3)->IsShown());
  frame->SetStatusText(0, "Ziehe...");
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), status);
  EXPECT_EQ(frame->CreateTrayLabel(Rect{0, 0, 20, 20}, false, "3"), nullptr);
  {
    wxDialog dialog(nullptr, wxID_ANY, "Aufgeben");
    // Shown after all, it is ended here rather than wait for an answer.
    dialog.CallAfter([&dialog]() { dialog.EndModal(wxID_OK); });
    EXPECT_EQ(dialog.ShowModal(), wxID_CANCEL);
  }
  WxHost& host = frame->GameHost();
  const uint32_t t0 = host.TickCount();
  host.Pause(3000);
  EXPECT_LT(host.TickCount() - t0, 1000u);
  RunEvents(50);
  EXPECT_FALSE(weak);
}

TEST_F(FrameTest, CloseDuringAHandlerWaitsForItsEnd) {
  // The close box is pressed while a box of the core is open, and the game
  // has queued more for itself (as a game that plays itself always has).
  const auto closeInTheBox = [this]() {
    // At the first box only: were the close lost, the new game would ask
    // again, and again, for ever.
    if (boxes.size() > 1) return;
    frame->Core()->Queue().PostCommand(ID_FILE_NEW);
    if (weak) weak->Close();
    EXPECT_TRUE(weak) << "not while the core's handler runs";
    EXPECT_NE(g_MainWnd, nullptr) << "nor is the game taken down under it";
  };
  // While the first game is set up: a roll list without dice says so then.
  std::ofstream(dir + "/rolls.txt") << "x";
  std::ofstream(dir + "/tremaw.ini") << "[Options]\nFirstMoveBy=2\nDiceMode=2\nRollsList=" << dir << "/rolls.txt\n";
  answers = {IDOK};
  onBox = closeInTheBox;
  Start();
  RunEvents(100);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_FALSE(weak);
  EXPECT_EQ(g_MainWnd, nullptr);

  // In a command's handler.
  std::ofstream(dir + "/tremaw.ini") << "[Options]\nFirstMoveBy=2\nDiceMode=0\n";
  boxes.clear();
  onBox = nullptr;
  Start();
  RunEvents(50);
  answers = {IDNO};
  onBox = closeInTheBox;
  Menu(ID_FILE_NEW);
  RunEvents(100);
  EXPECT_EQ(boxes.size(), 1u) << "nothing queued runs after the close";
  EXPECT_FALSE(weak);
  EXPECT_EQ(g_MainWnd, nullptr);
}

TEST_F(FrameTest, RealInputFromTheDisplay) {
  // Manual dice, so that the opening roll is known: 6 and 4.
  std::ofstream(dir + "/tremaw.ini") << "[Options]\nFirstMoveBy=2\nDiceMode=1\n";
  manualDice = {{6, 4}};
  Start();
  RunEvents(300);
  wxUIActionSimulator sim;
  sim.MouseMove(frame->Canvas()->ClientToScreen(wxPoint(5, 300)));
  RunEvents(100);

  // A key pressed during a pause waits: the pause handles no input.
  frame->SetStatusText(2, "");
  sim.Char('?', wxMOD_SHIFT);
  frame->GameHost().Pause(200);
  EXPECT_EQ(frame->StatusText(2), "");
  RunEvents(300);
  EXPECT_EQ(frame->StatusText(2), "Gleichstand") << "handled once the pause is over";

  // Taking in pending input queues it for the game without handling it.
  frame->SetStatusText(2, "");
  sim.Char('?', wxMOD_SHIFT);
  frame->GameHost().TakeInPendingInput();
  EXPECT_GE(frame->Core()->Queue().size(), 2u) << "the key's messages are queued";
  EXPECT_EQ(frame->StatusText(2), "") << "but not handled";
  frame->Core()->Queue().RemoveRange(WM_KEYFIRST, WM_MOUSELAST);
  RunEvents(200);
  EXPECT_EQ(frame->StatusText(2), "") << "removed unhandled, as the game's drain does";

  // A shortcut acts once: through the game's accelerators, never also as the
  // menu's own shortcut.
  answers = {IDNO};
  sim.Char('N', wxMOD_CONTROL);
  RunEvents(300);
  EXPECT_EQ(boxes.size(), 1u);
  sim.Char(WXK_F1);
  RunEvents(300);
  EXPECT_EQ(helpCalls, 1);

  // Clicks on point A and then on G (unless the game proposes G itself) play
  // the six.
  Position** b = frame->Core()->m_board;
  auto click = [&](int point) {
    sim.MouseMove(frame->Canvas()->ClientToScreen(wxPoint(b[point]->x + g_Unit, b[point]->y + g_Unit)));
    RunEvents(50);
    sim.MouseClick();
    RunEvents(1000);
  };
  click(1);
  ASSERT_FALSE(frame->LogLinesShown().empty());
  const std::string last = frame->LogLinesShown().back();
  if (last.size() >= 6 && last.compare(last.size() - 6, 6, "nach  ") == 0) click(7);
  const auto& log = frame->LogLinesShown();
  std::string all;
  for (const std::string& l : log) all += l + "|";
  EXPECT_NE(std::find(log.begin(), log.end(), "1ter von  A  nach  G"), log.end()) << all;
  EXPECT_EQ(b[7]->count, 1);
  EXPECT_EQ(b[7]->owner, SideHuman);
  EXPECT_EQ(b[1]->count, 1);
}
