// Keys and clicks turned into the game's messages, and where they may go.
#include "ui/input.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/statusbr.h>

#include <vector>

#include "tests/ui/gui_support.h"

namespace {
wxKeyEvent Key(wxEventType type, int code, int modifiers = 0, wxChar uni = WXK_NONE) {
  wxKeyEvent e(type);
  e.m_keyCode = code;
  e.m_uniChar = uni;
  e.SetControlDown((modifiers & wxMOD_CONTROL) != 0);
  e.m_shiftDown = (modifiers & wxMOD_SHIFT) != 0;
  e.m_altDown = (modifiers & wxMOD_ALT) != 0;
  return e;
}

wxMouseEvent Mouse(wxEventType type, int x, int y) {
  wxMouseEvent e(type);
  e.m_x = x;
  e.m_y = y;
  e.m_leftDown = type == wxEVT_LEFT_DOWN;
  return e;
}
}  // namespace

TEST(InputTest, KeysBecomeVirtualKeysAndCharacters) {
  Message m;
  // Letters whatever the shift state, with the typed-key mark.
  ASSERT_TRUE(KeyDownMessage(Key(wxEVT_KEY_DOWN, 'A'), m));
  EXPECT_EQ(m.message, WM_KEYDOWN);
  EXPECT_EQ(m.wParam, uint32_t('A'));
  EXPECT_NE(m.flags, 0u);
  EXPECT_EQ(m.flags & (MK_CONTROL_FLAG | MK_SHIFT_FLAG | MK_ALT_FLAG), 0u);
  ASSERT_TRUE(KeyDownMessage(Key(wxEVT_KEY_DOWN, 'x', wxMOD_SHIFT), m));
  EXPECT_EQ(m.wParam, uint32_t('X'));
  EXPECT_EQ(m.flags & MK_SHIFT_FLAG, MK_SHIFT_FLAG);
  // The main keyboard's zero names the bar; the keypad's zero is another key.
  ASSERT_TRUE(KeyDownMessage(Key(wxEVT_KEY_DOWN, '0'), m));
  EXPECT_EQ(m.wParam, uint32_t('0'));
  ASSERT_TRUE(KeyDownMessage(Key(wxEVT_KEY_DOWN, WXK_NUMPAD0), m));
  EXPECT_EQ(m.wParam, 0x60u);
  EXPECT_EQ(VirtualKeyFor(WXK_NUMPAD_INSERT), 0x2Du);
  // The accelerator keys with their modifiers.
  ASSERT_TRUE(KeyDownMessage(Key(wxEVT_KEY_DOWN, 'N', wxMOD_CONTROL), m));
  EXPECT_EQ(m.flags & MK_CONTROL_FLAG, MK_CONTROL_FLAG);
  EXPECT_EQ(VirtualKeyFor(WXK_SPACE), VK_SPACE);
  EXPECT_EQ(VirtualKeyFor(WXK_ESCAPE), VK_ESCAPE);
  EXPECT_EQ(VirtualKeyFor(WXK_F1), VK_F1);
  EXPECT_EQ(VirtualKeyFor(WXK_F2), VK_F2);
  EXPECT_EQ(VirtualKeyFor(WXK_F9), VK_F9);
  EXPECT_EQ(VirtualKeyFor(WXK_CONTROL), VK_CONTROL);
  EXPECT_EQ(VirtualKeyFor(WXK_NONE), 0u);
  EXPECT_FALSE(KeyDownMessage(Key(wxEVT_KEY_DOWN, WXK_NONE), m));
  // Alt makes a system key, which no accelerator and no step takes.
  ASSERT_TRUE(KeyDownMessage(Key(wxEVT_KEY_DOWN, 'D', wxMOD_ALT), m));
  EXPECT_EQ(m.message, WM_SYSKEYDOWN);

  // Characters: "?" and "/" however typed; Ctrl with a letter gives its
  // control character; Alt leaves the menu's mnemonics alone.
  ASSERT_TRUE(CharMessage(Key(wxEVT_CHAR, '?', wxMOD_SHIFT, '?'), m));
  EXPECT_EQ(m.message, WM_CHAR);
  EXPECT_EQ(m.wParam, uint32_t('?'));
  ASSERT_TRUE(CharMessage(Key(wxEVT_CHAR, '/', 0, '/'), m));
  EXPECT_EQ(m.wParam, uint32_t('/'));
  ASSERT_TRUE(CharMessage(Key(wxEVT_CHAR, 14, wxMOD_CONTROL, 'N'), m));
  EXPECT_EQ(m.wParam, 14u);
  EXPECT_FALSE(CharMessage(Key(wxEVT_CHAR, '/', wxMOD_CONTROL, '/'), m));
  EXPECT_FALSE(CharMessage(Key(wxEVT_CHAR, 'd', wxMOD_ALT, 'd'), m));
  EXPECT_FALSE(CharMessage(Key(wxEVT_CHAR, WXK_F1), m));

  // Mouse: presses, releases and moves; never a double click.
  ASSERT_TRUE(MouseMessage(Mouse(wxEVT_LEFT_UP, 0, 0), 15, 25, m));
  EXPECT_EQ(m.message, WM_LBUTTONUP);
  EXPECT_EQ(m.x, 15);
  EXPECT_EQ(m.y, 25);
  ASSERT_TRUE(MouseMessage(Mouse(wxEVT_RIGHT_DOWN, 0, 0), 1, 2, m));
  EXPECT_EQ(m.message, WM_RBUTTONDOWN);
  ASSERT_TRUE(MouseMessage(Mouse(wxEVT_MOTION, 0, 0), 1, 2, m));
  EXPECT_EQ(m.message, WM_MOUSEMOVE);
  EXPECT_FALSE(MouseMessage(Mouse(wxEVT_LEFT_DCLICK, 0, 0), 1, 2, m));
  EXPECT_FALSE(MouseMessage(Mouse(wxEVT_MOUSEWHEEL, 0, 0), 1, 2, m));
}

// A frame of the main window's shape: the board canvas with a label that
// lets clicks through, the log, and a button.
class RouterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new wxFrame(nullptr, wxID_ANY, "router");
    canvas = new wxWindow(frame, wxID_ANY, wxPoint(0, 0), wxSize(400, 300), wxWANTS_CHARS, kBoardWindowName);
    label = new wxWindow(canvas, wxID_ANY, wxPoint(100, 50), wxSize(20, 20), 0, kBoardWindowName);
    log = new wxWindow(canvas, wxID_ANY, wxPoint(200, 10), wxSize(100, 200), 0, kLogWindowName);
    button = new wxButton(canvas, wxID_ANY, "1", wxPoint(200, 250), wxSize(40, 30));
    status = frame->CreateStatusBar(3);
    frame->SetClientSize(400, 300);
    frame->Show();
    RunEvents(50);
    router = std::make_unique<InputRouter>(
        frame, canvas, [this](const Message& m) { messages.push_back(m); }, [this]() { ++pumps; });
  }
  void TearDown() override {
    router.reset();
    frame->Destroy();
    RunEvents(20);
  }
  bool Send(wxWindow* w, wxEvent& e) {
    e.SetEventObject(w);
    return w->GetEventHandler()->ProcessEvent(e);
  }

  wxFrame* frame = nullptr;
  wxWindow* canvas = nullptr;
  wxWindow* label = nullptr;
  wxWindow* log = nullptr;
  wxButton* button = nullptr;
  wxStatusBar* status = nullptr;
  std::unique_ptr<InputRouter> router;
  std::vector<Message> messages;
  int pumps = 0;
};

TEST_F(RouterTest, BoardInputIsQueuedAndPumped) {
  // A key makes its key message and its character, each pumped.
  wxKeyEvent down = Key(wxEVT_KEY_DOWN, 'B');
  Send(canvas, down);
  wxKeyEvent ch = Key(wxEVT_CHAR, 'b', 0, 'b');
  EXPECT_TRUE(Send(canvas, ch)) << "the character is handled here, never by a shortcut";
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].message, WM_KEYDOWN);
  EXPECT_EQ(messages[0].wParam, uint32_t('B'));
  EXPECT_EQ(messages[1].message, WM_CHAR);
  EXPECT_EQ(pumps, 2);

  // Keys reach the game whichever of the frame's windows has them.
  messages.clear();
  wxKeyEvent onButton = Key(wxEVT_KEY_DOWN, WXK_SPACE);
  Send(button, onButton);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].wParam, VK_SPACE);

  // Clicks on the canvas carry its coordinates; a label passes them through
  // in the canvas's coordinates; a double click is no message at all.
  messages.clear();
  wxMouseEvent up = Mouse(wxEVT_LEFT_UP, 30, 40);
  EXPECT_TRUE(Send(canvas, up));
  wxMouseEvent onLabel = Mouse(wxEVT_LEFT_UP, 5, 6);
  Send(label, onLabel);
  wxMouseEvent dbl = Mouse(wxEVT_LEFT_DCLICK, 5, 6);
  EXPECT_TRUE(Send(canvas, dbl));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].x, 30);
  EXPECT_EQ(messages[0].y, 40);
  EXPECT_EQ(messages[1].x, 105);
  EXPECT_EQ(messages[1].y, 56);

  // The log and the status bar pass on their presses only (the left one ends
  // the confirmation wait, the right one takes a step back), never a release;
  // the button's own clicks stay with the button.
  messages.clear();
  for (wxWindow* w : {log, static_cast<wxWindow*>(status)})
    for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_RIGHT_DOWN, wxEVT_MOTION}) {
      wxMouseEvent e = Mouse(type, 1, 1);
      Send(w, e);
    }
  wxMouseEvent buttonDown = Mouse(wxEVT_LEFT_DOWN, 1, 1);
  Send(button, buttonDown);
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[0].message, WM_LBUTTONDOWN);
  EXPECT_EQ(messages[0].x, 201);
  EXPECT_EQ(messages[1].message, WM_RBUTTONDOWN);
  EXPECT_EQ(messages[2].message, WM_LBUTTONDOWN);
  EXPECT_GE(messages[2].y, 300) << "below the board, in its coordinates";
  EXPECT_EQ(messages[3].message, WM_RBUTTONDOWN);

  // Events of other windows are not ours.
  messages.clear();
  auto* other = new wxFrame(nullptr, wxID_ANY, "other");
  wxKeyEvent foreign = Key(wxEVT_KEY_DOWN, 'C');
  Send(other, foreign);
  other->Destroy();
  EXPECT_TRUE(messages.empty());

  // Taking in with nothing waiting returns at once; after Detach nothing
  // reaches the game.
  router->TakeInPendingInput();
  router->Detach();
  wxKeyEvent late = Key(wxEVT_KEY_DOWN, 'C');
  Send(canvas, late);
  EXPECT_TRUE(messages.empty());
}
