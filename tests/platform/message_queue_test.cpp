#include "platform/message_queue.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/accelerators.h"

namespace {

Message Key(uint32_t vk, uint32_t flags = 0) { return Message{WM_KEYDOWN, vk, 0, 0, 0, flags}; }
Message Char(uint32_t c, uint32_t flags = 0) { return Message{WM_CHAR, c, 0, 0, 0, flags}; }
Message Click(int x, int y) { return Message{WM_LBUTTONDOWN, 0, 0, x, y, 0}; }

std::vector<uint32_t> Drain(MessageQueue& q) {
  std::vector<uint32_t> got;
  Message m;
  while (q.Get(m)) got.push_back(m.message == WM_TIMER ? 0x10000 + m.wParam : m.wParam);
  return got;
}

// Records what the pump does, with hooks for each stage.
struct RecordingTarget : MessageTarget {
  std::vector<std::string> log;
  std::function<bool(const Message&)> pre = [](const Message&) { return false; };
  std::function<bool(const Message&)> accel = [](const Message&) { return false; };
  std::function<void(const Message&)> dispatch = [](const Message&) {};

  bool PreTranslateMessage(const Message& m) override {
    log.push_back("pre " + std::to_string(m.wParam));
    return pre(m);
  }
  bool TranslateAccelerator(const Message& m) override {
    log.push_back("acc " + std::to_string(m.wParam));
    return accel(m);
  }
  void Dispatch(const Message& m) override {
    log.push_back("run " + std::to_string(m.wParam));
    dispatch(m);
  }
};

}  // namespace

TEST(MessageQueue, LanesTimersAndRemoval) {
  MessageQueue q;
  EXPECT_TRUE(q.Empty());
  Message m;
  EXPECT_FALSE(q.Get(m));

  // Timer first, input next, commands last: taken out posted, input, timer.
  q.PostTimer(219);
  q.PostInput(Key('A'));
  q.PostInput(Click(3, 4));
  q.PostCommand(32775);
  q.PostTimer(219);  // coalesced with the pending one
  q.PostTimer(7);
  q.PostCommand(32776);
  EXPECT_EQ(q.size(), 6u);
  EXPECT_EQ(Drain(q), (std::vector<uint32_t>{32775, 32776, 'A', 0, 0x10000 + 219, 0x10000 + 7}));
  EXPECT_TRUE(q.Empty());
  // Once taken, a timer may be queued again.
  q.PostTimer(219);
  q.PostTimer(219);
  EXPECT_EQ(q.size(), 1u);

  // The drain range of the game (keys to mouse) empties every lane of those
  // messages, commands and timers included, and leaves the rest.
  q.PostCommand(1);
  q.Post(Message{0x400, 2});  // a private message outside the range
  q.PostInput(Key(VK_ESCAPE));
  q.PostInput(Message{WM_MOUSEMOVE});
  q.PostInput(Message{WM_RBUTTONUP});
  q.PostInput(Message{0x20F, 3});
  q.RemoveRange(WM_KEYFIRST, WM_MOUSELAST);
  EXPECT_EQ(Drain(q), (std::vector<uint32_t>{2, 3}));

  // Mouse data comes through unchanged.
  q.PostInput(Click(10, -20));
  ASSERT_TRUE(q.Get(m));
  EXPECT_EQ(m.message, WM_LBUTTONDOWN);
  EXPECT_EQ(m.x, 10);
  EXPECT_EQ(m.y, -20);

  // A lane refuses messages beyond its limit instead of growing forever.
  for (size_t i = 0; i < MessageQueue::kMaxPerLane; ++i) ASSERT_TRUE(q.PostInput(Message{WM_MOUSEMOVE}));
  EXPECT_FALSE(q.PostInput(Message{WM_MOUSEMOVE}));
  EXPECT_TRUE(q.PostCommand(5));  // other lanes still take messages
  q.Clear();
  EXPECT_TRUE(q.Empty());
}

TEST(MessageQueue, PumpOrderAndNoReentrance) {
  MessageQueue q;
  RecordingTarget t;
  t.pre = [](const Message& m) { return m.wParam == 1; };    // consumed before the accelerators
  t.accel = [](const Message& m) { return m.wParam == 2; };  // an accelerator key
  q.PostCommand(1);
  q.PostCommand(2);
  q.PostCommand(3);
  EXPECT_TRUE(PumpMessages(q, t));
  EXPECT_EQ(t.log, (std::vector<std::string>{"pre 1", "pre 2", "acc 2", "pre 3", "acc 3", "run 3"}));
  EXPECT_TRUE(q.Empty());

  // A handler that pumps (as a modal wait would) does not re-enter; what it
  // queues is run afterwards by the outer pump, in order.
  t.log.clear();
  int nestedResults = 0;
  t.dispatch = [&](const Message& m) {
    if (m.wParam == 10) {
      q.PostCommand(11);
      q.PostInput(Key(12));
      if (!PumpMessages(q, t)) ++nestedResults;
      t.log.push_back("back");
    }
  };
  q.PostCommand(10);
  q.PostTimer(13);
  EXPECT_TRUE(PumpMessages(q, t));
  EXPECT_EQ(nestedResults, 1);
  EXPECT_EQ(t.log, (std::vector<std::string>{"pre 10", "acc 10", "run 10", "back", "pre 11", "acc 11", "run 11",
                                             "pre 12", "acc 12", "run 12", "pre 13", "acc 13", "run 13"}));
  // After the pump has ended, a new one runs again.
  q.PostCommand(20);
  EXPECT_TRUE(PumpMessages(q, t));
  EXPECT_EQ(t.log.back(), "run 20");

  // A handler that throws leaves the queue pumpable.
  t.dispatch = [](const Message& m) {
    if (m.wParam == 30) throw 1;
  };
  q.PostCommand(30);
  EXPECT_THROW(PumpMessages(q, t), int);
  q.PostCommand(31);
  EXPECT_TRUE(PumpMessages(q, t));
  EXPECT_EQ(t.log.back(), "run 31");

  // A game that keeps posting to itself: closing the queue inside a handler
  // ends the pump once that handler returns, and nothing more is taken.
  t.log.clear();
  int runs = 0;
  t.dispatch = [&](const Message&) {
    q.PostCommand(40);
    q.PostInput(Key(41));
    q.PostTimer(42);
    if (++runs == 3) q.Close();
  };
  q.PostCommand(40);
  EXPECT_TRUE(PumpMessages(q, t));
  EXPECT_EQ(runs, 3);
  EXPECT_TRUE(q.Empty());
  EXPECT_FALSE(q.PostCommand(43));
}

TEST(Accelerators, ExactModifiersForKeysAnyKeysForCharacters) {
  const Accelerator table[] = {
      {true, '/', false, false, false, 209},        {true, '?', false, false, false, 209},
      {false, 'N', true, false, false, 57600},      {false, VK_ESCAPE, false, false, false, 216},
      {false, VK_F2, false, false, false, 57600},   {false, VK_SPACE, false, false, false, 218},
      {false, VK_SPACE, true, false, false, 32774}, {false, 'X', false, false, true, 99},
  };
  EXPECT_EQ(MatchAccelerator(table, Key('N', MK_CONTROL_FLAG)), 57600);
  EXPECT_EQ(MatchAccelerator(table, Key('N')), 0);  // plain N is step entry
  EXPECT_EQ(MatchAccelerator(table, Key('N', MK_CONTROL_FLAG | MK_SHIFT_FLAG)), 0);
  EXPECT_EQ(MatchAccelerator(table, Key(VK_SPACE)), 218);
  EXPECT_EQ(MatchAccelerator(table, Key(VK_SPACE, MK_CONTROL_FLAG)), 32774);
  EXPECT_EQ(MatchAccelerator(table, Key(VK_SPACE, MK_SHIFT_FLAG)), 0);
  EXPECT_EQ(MatchAccelerator(table, Key(VK_F2)), 57600);
  EXPECT_EQ(MatchAccelerator(table, Key(VK_ESCAPE)), 216);
  // Only key-down messages match key entries.
  EXPECT_EQ(MatchAccelerator(table, Message{WM_KEYUP, VK_ESCAPE}), 0);
  EXPECT_EQ(MatchAccelerator(table, Message{WM_COMMAND, VK_ESCAPE}), 0);
  // Alt combinations arrive as system keys.
  EXPECT_EQ(MatchAccelerator(table, Message{WM_SYSKEYDOWN, 'X', 0, 0, 0, MK_ALT_FLAG}), 99);
  EXPECT_EQ(MatchAccelerator(table, Key('X')), 0);
  // '?' needs Shift on most layouts; the character entry matches regardless.
  EXPECT_EQ(MatchAccelerator(table, Char('?', MK_SHIFT_FLAG)), 209);
  EXPECT_EQ(MatchAccelerator(table, Char('/')), 209);
  EXPECT_EQ(MatchAccelerator(table, Char('N')), 0);  // characters never match key entries
  EXPECT_EQ(MatchAccelerator(table, Key('/')), 0);   // nor keys character entries
  EXPECT_EQ(MatchAccelerator(std::span<const Accelerator>(), Key('N', MK_CONTROL_FLAG)), 0);
}
