// The main window on the desktops players use. These tests run in every
// window test run, and once more each on the desktops they are about: under
// a Wayland compositor, and on a screen of twice the pixel density.
#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/statbmp.h>
#include <wx/statusbr.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/layout_rules.h"
#include "app/tremawnd.h"
#include "board/position.h"
#include "dialogs/dice_entry.h"
#include "resources/ids.h"
#include "settings/colors.h"
#include "tests/ui/frame_fixture.h"
#include "ui/dice_entry.h"
#include "ui/input.h"
#include "ui/wx_ids.h"
#include "ui/wx_surface.h"

// GTK's own view of the screen, for the pixels the player sees.
#include <gdk/gdk.h>

namespace {
// Tells the test of every sound the game plays.
class CallingSound : public SoundPlayer {
 public:
  explicit CallingSound(std::function<void()>* call) : m_call(call) {}
  void Play(const std::string&, bool) override {
    if (*m_call) (*m_call)();
  }

 private:
  std::function<void()>* m_call;
};

class DesktopTest : public FrameFixture {
 protected:
  DesktopTest() : FrameFixture("[Options]\nFirstMoveBy=2\nDiceMode=0\n") {}

  void Start() {
    MainFrameSetup s = BasicSetup();
    s.sound = std::make_unique<CallingSound>(&onSound);
    Open(std::move(s));
    StartWithoutBoxes(IDNO);
    // The desktop's second thoughts on the window's size arrive.
    RunEvents(400);
  }

  void Menu(int command) {
    wxCommandEvent e(wxEVT_MENU, WxIdForCommand(command));
    e.SetEventObject(frame);
    frame->ProcessWindowEvent(e);
  }
  void Escape(wxEventType type) {
    wxKeyEvent e(type);
    e.m_keyCode = WXK_ESCAPE;
    e.SetEventObject(frame->Canvas());
    frame->Canvas()->GetEventHandler()->ProcessEvent(e);
  }

  std::function<void()> onSound;
};
}  // namespace

// The client area below the menu bar is the size rule's window less the menu
// bar, whatever the desktop draws around the window (a Wayland compositor's
// title bar and shadow lie inside what wx calls the outer size), and it holds
// both rows of letters, the log and the dice above the status bar.
TEST_F(DesktopTest, TheClientAreaHoldsTheWholeBoard) {
  Start();
  ASSERT_TRUE(weak);
  const Size screen = frame->ScreenArea();
  const Size want = WindowSizeForScreen(screen.cx, screen.cy);
  const Rect window = frame->WindowRect();
  EXPECT_EQ(window.Width(), want.cx);
  EXPECT_EQ(window.Height(), want.cy);
  const Size client = frame->ClientSize();
  EXPECT_EQ(client.cx, want.cx);
  EXPECT_EQ(client.cy, want.cy - frame->GetMenuBar()->GetSize().y);

  // What shows of the board: the canvas, down to the status bar.
  wxWindow* canvas = frame->Canvas();
  const int statusTop = canvas->ScreenToClient(frame->GetStatusBar()->GetScreenPosition()).y;
  const wxRect shown(wxPoint(0, 0), wxSize(canvas->GetClientSize().x, std::min(canvas->GetClientSize().y, statusTop)));
  EXPECT_EQ(shown.width, client.cx);

  TremaWnd* core = frame->Core();
  Position** b = core->m_board;
  WxSurface& surface = frame->BoardSurface();
  const int u = g_Unit;
  for (int n = 1; n <= 24; ++n) {
    const std::string letter(1, static_cast<char>('A' + n - 1));
    SCOPED_TRACE(letter);
    const Size ext = surface.TextExtent(letter);
    const wxRect r(b[n]->x + static_cast<int>(u / 1.4), n <= 12 ? b[n]->y - u : b[n]->y + u / 2, ext.cx, ext.cy);
    EXPECT_TRUE(shown.Contains(r)) << "letter at y " << r.y << ".." << r.GetBottom() << ", shown to " << shown.height;
    int dark = 0;
    for (int y = r.y; y <= r.GetBottom(); ++y)
      for (int x = r.x; x <= r.GetRight(); ++x) dark += ColorR(surface.PixelAt(x, y)) < 96 ? 1 : 0;
    EXPECT_GT(dark, 2) << "the letter is drawn";
  }
  const wxWindow* log = canvas->FindWindowByName(kLogWindowName);
  ASSERT_NE(log, nullptr);
  EXPECT_TRUE(shown.Contains(log->GetRect()));
  // The dice lie in the middle band, between the two rows of points.
  const wxStaticBitmap* die = frame->DieStatic(DiceRow::Human, 0);
  ASSERT_TRUE(die->IsShown());
  EXPECT_GE(die->GetRect().GetTop(), b[1]->rect.bottom);
  EXPECT_LE(die->GetRect().GetBottom(), b[24]->rect.top);
}

// Without a key state to ask (Wayland), Esc held during the automatic finish
// stops it from its key events alone. Once the window has lost the keyboard,
// an Esc whose release went elsewhere is held no more.
TEST_F(DesktopTest, EscapeStopsTheAutomaticFinishFromKeyEvents) {
  if (wxGetDisplayInfo().type == wxDisplayX11) GTEST_SKIP() << "the X11 key state decides there";
  std::ofstream(dir + "/tremaw.ini") << "[Options]\nFirstMoveBy=2\nDiceMode=0\nAutoFinish=1\nSpeed=50\n"
                                     << "[Sounds]\nMoveSoundActive=1\n";
  bool pressed = false;
  int movesAfter = 0;
  onSound = [&] {
    if (!pressed) Escape(wxEVT_KEY_DOWN);
    pressed = true;
    // Esc not seen: the finish is ended here, rather than play on for minutes.
    if (++movesAfter > 12) g_AutoFinishActive = 0;
  };
  Start();
  const int points = g_RunScore[SideHuman] + g_RunScore[SideComputer];
  Menu(ID_FINISH_GAME);
  ASSERT_TRUE(pressed) << "the finish played no move";
  EXPECT_LE(movesAfter, 12) << "Esc did not stop the finish";
  EXPECT_EQ(g_RunScore[SideHuman] + g_RunScore[SideComputer], points) << "the game was played to its end";
  EXPECT_EQ(g_turn, SideHuman);

  Host& host = frame->GameHost();
  EXPECT_TRUE(host.EscapeDown());
  Escape(wxEVT_KEY_UP);
  EXPECT_FALSE(host.EscapeDown());
  Escape(wxEVT_KEY_DOWN);
  wxActivateEvent away(wxEVT_ACTIVATE, false);
  away.SetEventObject(frame);
  frame->ProcessWindowEvent(away);
  EXPECT_FALSE(host.EscapeDown());
}

// On a screen of twice the pixel density (and any other) the screen shows the
// board's device pixels one for one: a checker's rim, a point's edge, a letter
// and a die face step by single device pixels, as sharp as the text, not in squares of two
// pixels blown up from the logical ones.
TEST_F(DesktopTest, TheBoardIsDrawnAtTheScreensPixels) {
  if (wxGetDisplayInfo().type != wxDisplayX11) GTEST_SKIP() << "the screen is read through X11";
  Start();
  wxWindow* canvas = frame->Canvas();
  const int s = static_cast<int>(canvas->GetContentScaleFactor() + 0.5);
  WxSurface& surface = frame->BoardSurface();
  ASSERT_EQ(surface.Scale(), s);
  Position** b = frame->Core()->m_board;
  const int d = g_CheckerSize;
  const wxWindow* die = frame->DieStatic(DiceRow::Human, 0);
  ASSERT_TRUE(die->IsShown());
  const Size letter = surface.TextExtent("A");
  // The manual-dice dialog shows its faces beside the board.
  DiceDlg dice(frame, *frame->Core()->m_dice, nullptr);
  dice.Move(frame->GetRect().GetRight() + 10, frame->GetPosition().y);
  dice.Show();
  RunEvents(300);
  const wxWindow* face = dice.Face(IDC_DICE_FACE1);
  const struct {
    const char* what;
    const wxWindow* on;  // the window r lies on
    wxRect r;            // logical
    Color colour;        // its steps are looked at
    bool onSurface;
  } kPlaces[] = {
      {"checker", canvas, wxRect(b[1]->x + static_cast<int>(0.4 * d), b[1]->y, d, d), g_Colors[ColorHuman], true},
      // Right half of point A's triangle, midway: its black edge.
      {"point edge", canvas,
       wxRect(b[1]->x + g_Unit, b[1]->y + b[1]->rect.Height() / 4, g_Unit, b[1]->rect.Height() / 4), kBlack, true},
      {"letter", canvas, wxRect(b[1]->x + static_cast<int>(g_Unit / 1.4), b[1]->y - g_Unit, letter.cx, letter.cy),
       kBlack, true},
      {"die face", canvas, die->GetRect(), kBlack, false},
      {"manual dice face", face->GetParent(), face->GetRect(), kBlack, false},
  };
  for (const auto& place : kPlaces) {
    SCOPED_TRACE(place.what);
    const wxPoint origin = place.on->GetScreenPosition();
    const wxRect r = place.r;
    GdkPixbuf* shot =
        gdk_pixbuf_get_from_window(gdk_get_default_root_window(), origin.x + r.x, origin.y + r.y, r.width, r.height);
    ASSERT_NE(shot, nullptr);
    ASSERT_EQ(gdk_pixbuf_get_width(shot), r.width * s);
    const guchar* px = gdk_pixbuf_get_pixels(shot);
    const int stride = gdk_pixbuf_get_rowstride(shot), channels = gdk_pixbuf_get_n_channels(shot);
    auto at = [&](int x, int y) {
      const guchar* p = px + y * stride + x * channels;
      return MakeColor(p[0], p[1], p[2]);
    };
    int differ = 0, mixed = 0;
    for (int y = 0; y < r.height * s; ++y)
      for (int x = 0; x < r.width * s; ++x)
        if (place.onSurface && at(x, y) != surface.DevicePixelAt(r.x * s + x, r.y * s + y)) ++differ;
    // Squares of s x s device pixels, one for each logical pixel, that hold
    // the colour and another.
    for (int y = 0; y + s <= r.height * s; y += s)
      for (int x = 0; x + s <= r.width * s; x += s) {
        int hits = 0;
        for (int j = 0; j < s; ++j)
          for (int i = 0; i < s; ++i) hits += at(x + i, y + j) == place.colour ? 1 : 0;
        if (hits > 0 && hits < s * s) ++mixed;
      }
    g_object_unref(shot);
    EXPECT_EQ(differ, 0) << "the screen shows the surface's pixels";
    if (s > 1) {
      EXPECT_GT(mixed, r.height / 4) << "the edges step in squares of " << s << " device pixels";
    }
  }
}
