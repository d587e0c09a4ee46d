// The main window's layout rules, the shared text functions, the game log,
// the status and trend texts, the blinking cursor and the repaint.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/layout_rules.h"
#include "app/stored_texts.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "board/piece.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/support/game_fixture.h"
#include "tests/support/raster_surface.h"

namespace {
struct SizeCase {
  int w, h;
  int ww, wh, unit;
};
}  // namespace

TEST(LayoutRules, WindowSizeAndScale) {
  const BoardScale big = BoardScaleFor(WindowSizeForScreen(1920, 1017));
  EXPECT_EQ(WindowSizeForScreen(1920, 1017).cx, 960);
  EXPECT_EQ(WindowSizeForScreen(1920, 1017).cy, 640);
  EXPECT_EQ(big.unit, 28);
  EXPECT_EQ(big.checker, 32);
  EXPECT_EQ(big.shadow, 6);
  EXPECT_EQ(big.sprite, 38);

  const SizeCase cases[] = {
      {1024, 740, 800, 740, 27},                              // 1024 still takes the second rule
      {800, 560, 780, 560, 23},                               // 800 still takes the first rule
      {801, 560, 800, 560, 23},  {1025, 1000, 945, 630, 27},  // 1025 takes the third rule: 1000 x 0.63
      {1366, 728, 900, 600, 26},                              // 728 x 0.63 is below 600
      {1280, 952, 900, 600, 26},                              // 599.76 truncated, then at least 600
  };
  for (const SizeCase& c : cases) {
    const Size s = WindowSizeForScreen(c.w, c.h);
    EXPECT_EQ(s.cx, c.ww) << c.w << "x" << c.h;
    EXPECT_EQ(s.cy, c.wh) << c.w << "x" << c.h;
    EXPECT_EQ(BoardScaleFor(s).unit, c.unit) << c.w << "x" << c.h;
  }
  // A desktop narrower than the margin gives no negative window, and a board
  // of unit 0 rather than a negative one.
  const Size tiny = WindowSizeForScreen(10, 0);
  EXPECT_EQ(tiny.cx, 0);
  EXPECT_EQ(BoardScaleFor(tiny).unit, 0);
  EXPECT_EQ(BoardScaleFor(tiny).sprite, 0);
}

TEST(LayoutRules, TrendBarShares) {
  const Rect pane{560, 600, 760, 620};
  Rect c, h;
  // Each side's colour grows with the other side's pips: the leader holds more.
  ASSERT_TRUE(TrendBarRects(pane, 100, 60, c, h));
  EXPECT_EQ(c, (Rect{760 - 75, 601, 760, 619}));
  EXPECT_EQ(h, (Rect{560, 601, 560 + 125, 619}));
  ASSERT_TRUE(TrendBarRects(pane, 167, 167, c, h));
  EXPECT_EQ(c.Width(), 100);
  EXPECT_EQ(h.Width(), 100);
  // Integer division may leave a pixel between the shares.
  ASSERT_TRUE(TrendBarRects(pane, 1, 2, c, h));
  EXPECT_EQ(c.left, 760 - 133);
  EXPECT_EQ(h.right, 560 + 66);
  // One side without pips: the other side's colour fills the pane.
  ASSERT_TRUE(TrendBarRects(pane, 50, 0, c, h));
  EXPECT_EQ(c.Width(), 0);
  EXPECT_EQ(h.Width(), 200);
  // No checker on 0 to 25 at all: no bar.
  EXPECT_FALSE(TrendBarRects(pane, 0, 0, c, h));
}

TEST(Texts, Utf8PrefixUnscrambleAndSharedBuffers) {
  EXPECT_EQ(Utf8Prefix("Würfeln", 2), "W\xC3\xBC");
  EXPECT_EQ(Utf8Prefix("Würfeln", 7), "Würfeln");
  EXPECT_EQ(Utf8Prefix("Würfeln", 99), "Würfeln");
  EXPECT_EQ(Utf8Prefix("abc", 0), "");
  EXPECT_EQ(Utf8Prefix("", 3), "");

  EXPECT_EQ(Unscramble(nullptr, 0), "");
  const unsigned char stored[] = {0x65, 0x63, 0xA5, 0x64};
  const std::string& plain = Unscramble(stored, 4);
  EXPECT_EQ(plain, std::string("\x01\xFF"
                               "A\0",
                               4));
  // A German text whose UTF-8 form holds 0x9C ("Ü" is C3 9C) is stored with
  // a zero byte and still comes back whole.
  constexpr auto umlaut = Store("Übung");
  EXPECT_EQ(umlaut.bytes[1], 0x00);
  EXPECT_EQ(Unscramble(umlaut.data(), umlaut.size()), "Übung");
  EXPECT_EQ(Unscramble(reinterpret_cast<const unsigned char*>(Scramble("für").data()), 4), "für");
  // One shared buffer: the second call overwrites the first result.
  const std::string& first = Unscramble(stored, 1);
  const std::string& second = Unscramble(stored + 2, 1);
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(first, "A");

  const char* a = LoadResString(232);
  EXPECT_STREQ(a, "Gleichstand");
  const char* b = LoadResString(120);
  EXPECT_EQ(a, b);
  EXPECT_STREQ(a, "= Spieler führt bei %d =");
  // An id without an entry leaves the previous text.
  EXPECT_STREQ(LoadResString(1), "= Spieler führt bei %d =");

  // The stored texts of the program: the display name and four header texts
  // that fit a log line of 63 characters, line 3 with sign and year too.
  EXPECT_EQ(DisplayNameText(), "Kolvar Backgammon");
  for (int n = 1; n <= 4; ++n) EXPECT_FALSE(LogHeaderText(n).empty()) << n;
  const std::string line3 = LogHeaderText(2) + "\xC2\xA9" + LogHeaderText(3) + "2099";
  EXPECT_EQ(Utf8Prefix(line3, 63), line3);
  for (int n : {1, 4}) EXPECT_EQ(Utf8Prefix(LogHeaderText(n), 63), LogHeaderText(n));
  EXPECT_EQ(LogHeaderText(0), "");
}

// ---- the main window over fakes ------------------------------------------

class LayoutTest : public GameFixture {
 protected:
  // Starts with a raster surface as the kept surface.
  void StartDrawn() { Start(&surface); }
  int X(int p) const { return wnd->m_board[p]->x; }
  int Y(int p) const { return wnd->m_board[p]->y; }

  // The board is drawn on the background of the scheme in use (scheme A).
  RasterSurface surface{960, 640, g_DefaultSchemes[0][ColorBackground]};
};

TEST_F(LayoutTest, SizingAndControls) {
  view.screen = Size{1920, 1017};
  Start();
  EXPECT_EQ(view.windowRect, (Rect{10, 10, 970, 650}));
  EXPECT_EQ(g_Unit, 28);
  EXPECT_EQ(g_CheckerSize, 32);
  EXPECT_EQ(g_ShadowOffset, 6);
  EXPECT_EQ(g_SpriteSize, 38);
  EXPECT_EQ(wnd->m_clientRect, (Rect{0, 0, 954, 590}));

  // Controls from the board points, without ClockWise.
  const ControlLayout& l = view.layout;
  EXPECT_EQ(view.createControlsCalls, 1);
  EXPECT_EQ(l.statusPane0Width, X(20));
  EXPECT_EQ(l.statusPane0Width, 476);
  EXPECT_EQ(l.statusPane1Width, X(24) - X(20));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(l.humanDice[i].left, X(5) + i * 38);
    EXPECT_EQ(l.computerDice[i].left, X(10) + i * 38);
    EXPECT_EQ(l.humanDice[i].top, Y(26));
  }
  EXPECT_EQ(l.log, (Rect{X(1) + 70, Y(1), 954 - 7, Y(24)}));
  EXPECT_EQ(l.cube, l.log);
  EXPECT_TRUE(view.shown);
  EXPECT_EQ(view.background, g_Colors[ColorBackground]);

  // A later sizing keeps the place the user gave the window; a minimised
  // window keeps the client rectangle and the scale.
  view.SetWindowPos(50, 60);
  wnd->OnSize(0, 954, 590);
  EXPECT_EQ(view.windowRect.left, 50);
  EXPECT_EQ(view.windowRect.top, 60);
  wnd->OnSize(1, 0, 0);
  EXPECT_EQ(wnd->m_clientRect, (Rect{0, 0, 954, 590}));
  EXPECT_EQ(g_Unit, 28);
}

TEST_F(LayoutTest, ControlsWithClockWise) {
  SetOption("ClockWise", 1);
  view.screen = Size{1920, 1017};
  Start();
  ASSERT_EQ(g_ClockWise, 1);
  const ControlLayout& l = view.layout;
  EXPECT_EQ(l.statusPane0Width, X(18));
  EXPECT_EQ(l.statusPane1Width, X(13) - X(18));
  EXPECT_EQ(l.humanDice[0].left, X(9));
  EXPECT_EQ(l.computerDice[0].left, X(3));
  EXPECT_EQ(l.log, (Rect{X(12) + 70, Y(12), 954 - 7, Y(13)}));
}

TEST_F(LayoutTest, LogPageRule) {
  Start();
  view.linesPerPage = 5;
  wnd->InitLog();
  const std::vector<std::string> header = wnd->LogLines();
  ASSERT_EQ(header.size(), 5u);
  EXPECT_EQ(header[0], "Kolvar Backgammon");
  EXPECT_EQ(header[2].rfind(LogHeaderText(2) + "\xC2\xA9" + LogHeaderText(3), 0), 0u);
  EXPECT_EQ(header[2].size(), (LogHeaderText(2) + "\xC2\xA9" + LogHeaderText(3)).size() + 4);
  EXPECT_EQ(header[4], " ");
  EXPECT_EQ(view.title, "Kolvar Backgammon");

  // A full page loses its top line for each new one.
  wnd->AddLogLine("Würfeln: 3+1");
  ASSERT_EQ(wnd->LogLines().size(), 5u);
  EXPECT_EQ(wnd->LogLines()[0], header[1]);
  EXPECT_EQ(wnd->LogLines().back(), "Würfeln: 3+1");
  // Appending replaces the last line in place.
  wnd->AppendToLog(" x");
  ASSERT_EQ(wnd->LogLines().size(), 5u);
  EXPECT_EQ(wnd->LogLines()[0], header[1]);
  EXPECT_EQ(wnd->LogLines().back(), "Würfeln: 3+1 x");
  EXPECT_EQ(view.log, wnd->LogLines());
  // A line holds at most 63 characters, counted as characters.
  wnd->AddLogLine(std::string(70, 'a'));
  EXPECT_EQ(wnd->LogLines().back(), std::string(63, 'a'));
  wnd->AppendToLog("b");
  EXPECT_EQ(wnd->LogLines().back(), std::string(63, 'a'));
  std::string umlauts;
  for (int i = 0; i < 70; ++i) umlauts += "ü";
  wnd->AddLogLine(umlauts);
  EXPECT_EQ(wnd->LogLines().back().size(), 126u);

  // A page of no lines keeps one line and never loops.
  view.linesPerPage = 0;
  wnd->AddLogLine("one");
  wnd->AddLogLine("two");
  EXPECT_EQ(wnd->LogLines(), std::vector<std::string>{"two"});
  wnd->AppendToLog("+");
  EXPECT_EQ(wnd->LogLines(), std::vector<std::string>{"two+"});
  // Appending to an empty log starts a line.
  wnd->DeleteLastLogLine();
  wnd->AppendToLog("x");
  EXPECT_EQ(wnd->LogLines(), std::vector<std::string>{"x"});
}

TEST_F(LayoutTest, StatusAndTrend) {
  Start();
  wnd->SetStatusText(114);
  EXPECT_EQ(view.status[0], "Wähle Zielposition...");
  EXPECT_EQ(view.status[2], "");
  g_AutoFinishActive = 1;
  wnd->SetStatusText(115);
  EXPECT_EQ(view.status[0], "Wähle Zielposition...");
  g_AutoFinishActive = 0;

  // Pip counts: the computer's index x count, the human's (25 - index) x count.
  SetBoard("6:1c 19:1h");
  wnd->OnShowTrend();
  EXPECT_EQ(view.status[2], "Gleichstand");
  SetBoard("13:1c 19:1h");
  wnd->OnShowTrend();
  EXPECT_EQ(view.status[2], "= Spieler führt bei 7 =");
  SetBoard("6:1c 12:1h");
  wnd->OnShowTrend();
  EXPECT_EQ(view.status[2], "= Computer führt bei 7 =");
  // Checkers on their bars count 25; borne-off checkers nothing.
  SetBoard("25:1c 0:1h 26:14c 3:1h");
  EXPECT_EQ(wnd->TrendText(), "= Computer führt bei 22 =");

  const int bars = view.trendBars, clears = view.trendClears;
  g_ShowProgress = 1;
  wnd->DrawTrendBar();
  EXPECT_EQ(view.trendBars, bars + 1);
  g_ShowProgress = 0;
  wnd->DrawTrendBar();
  EXPECT_EQ(view.trendClears, clears + 1);
  EXPECT_EQ(view.trendBars, bars + 1);
  // No checker on 0 to 25: the bar is cleared, not drawn.
  g_ShowProgress = 1;
  SetBoard("26:15c 27:15h");
  wnd->DrawTrendBar();
  EXPECT_EQ(view.trendBars, bars + 1);
  EXPECT_EQ(view.trendClears, clears + 2);
  EXPECT_EQ(wnd->TrendText(), "Gleichstand");
}

TEST_F(LayoutTest, BlinkingCursor) {
  view.screen = Size{1920, 1017};
  Start();
  wnd->AddLogLine("1ter Zug von  A  nach  D und mehr");  // 33 characters
  g_turn = SideHuman;
  g_AutoFinishActive = 0;
  view.active = true;
  view.cursorDraws.clear();
  wnd->m_cursorBlink = 1;
  wnd->OnTimer();
  wnd->OnTimer();
  ASSERT_EQ(view.cursorDraws.size(), 2u);
  // After the first 23 characters of the last line, a quarter unit on.
  const int last = static_cast<int>(wnd->LogLines().size()) - 1;
  const Rect r = view.LogLineRect(last);
  EXPECT_EQ(view.cursorDraws[0].first.x, r.left + 7 * 23 + 7);
  EXPECT_EQ(view.cursorDraws[0].first.y, r.top);
  EXPECT_EQ(view.cursorDraws[0].second, "_");
  EXPECT_EQ(view.cursorDraws[1].second, "   ");
  EXPECT_EQ(wnd->m_cursorBlink, 1);

  // No blink in the computer's turn, during the automatic finish, while
  // another window is active, or with an empty log; the phase stays.
  g_turn = SideComputer;
  wnd->OnTimer();
  g_turn = SideHuman;
  g_AutoFinishActive = 1;
  wnd->OnTimer();
  g_AutoFinishActive = 0;
  view.active = false;
  wnd->OnTimer();
  view.active = true;
  while (!wnd->LogLines().empty()) wnd->DeleteLastLogLine();
  wnd->OnTimer();
  EXPECT_EQ(view.cursorDraws.size(), 2u);
  EXPECT_EQ(wnd->m_cursorBlink, 1);
}

TEST_F(LayoutTest, RepaintRedrawsTheBoardAndKeepsHighlights) {
  view.screen = Size{1920, 1017};
  StartDrawn();
  ASSERT_NE(wnd->m_board[1], nullptr);
  const std::vector<Color> drawn = surface.Pixels();
  auto* p5 = static_cast<PositionTop*>(wnd->m_board[5]);
  // A full repaint over a spoilt surface gives the same board.
  surface.FillRect(Rect{0, 0, 960, 640}, 0x00123456);
  wnd->OnPaint(Rect{0, 0, 960, 640}, true);
  EXPECT_TRUE(surface.Pixels() == drawn);

  // A highlighted letter stays yellow through a repaint of its point alone.
  p5->DrawLabel(1);
  surface.ClearCalls();
  wnd->OnPaint(p5->rect, false);
  std::vector<std::string> texts;
  for (const auto& c : surface.CallsOf(RasterSurface::Op::Text)) {
    texts.push_back(c.text);
    if (c.text == "E") {
      EXPECT_EQ(c.fill, kYellow);
    }
  }
  EXPECT_EQ(texts, std::vector<std::string>{"E"});
  // The checkers of a repainted point are drawn again over it.
  SetBoard("5:2h");
  surface.ClearCalls();
  wnd->OnPaint(wnd->m_board[5]->rect, false);
  int checkers = 0;
  for (const auto& c : surface.CallsOf(RasterSurface::Op::FillEllipse))
    checkers += c.fill == g_Colors[ColorHuman] ? 1 : 0;
  EXPECT_EQ(checkers, 2);
  // A rebuilt board starts black.
  EXPECT_EQ(static_cast<PositionTop*>(wnd->m_board[5])->labelColor, 0);
}
