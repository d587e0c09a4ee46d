#pragma once
// The game's own message queue, with the Windows numbers and the Windows order:
// messages the game posts to itself first, then keyboard and mouse input from
// the front end, then timer messages. The front end only appends to it and asks
// the game to pump.
#include <cstddef>
#include <cstdint>
#include <deque>

constexpr uint32_t WM_KEYFIRST = 0x100;
constexpr uint32_t WM_KEYDOWN = 0x100;
constexpr uint32_t WM_KEYUP = 0x101;
constexpr uint32_t WM_CHAR = 0x102;
constexpr uint32_t WM_SYSKEYDOWN = 0x104;
constexpr uint32_t WM_COMMAND = 0x111;
constexpr uint32_t WM_SYSCOMMAND = 0x112;
constexpr uint32_t WM_TIMER = 0x113;
constexpr uint32_t WM_MOUSEMOVE = 0x200;
constexpr uint32_t WM_LBUTTONDOWN = 0x201;
constexpr uint32_t WM_LBUTTONUP = 0x202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x203;
constexpr uint32_t WM_RBUTTONDOWN = 0x204;
constexpr uint32_t WM_RBUTTONUP = 0x205;
constexpr uint32_t WM_MOUSELAST = 0x20E;

// Virtual keys; letters and digits are their ASCII codes ('A', '7').
constexpr uint32_t VK_SHIFT = 0x10;
constexpr uint32_t VK_CONTROL = 0x11;
constexpr uint32_t VK_MENU = 0x12;
constexpr uint32_t VK_ESCAPE = 0x1B;
constexpr uint32_t VK_SPACE = 0x20;
constexpr uint32_t VK_F1 = 0x70;
constexpr uint32_t VK_F2 = 0x71;
constexpr uint32_t VK_F9 = 0x78;

// Modifier keys held when a key message was made, in Message::flags.
constexpr uint32_t MK_CONTROL_FLAG = 0x1;
constexpr uint32_t MK_SHIFT_FLAG = 0x2;
constexpr uint32_t MK_ALT_FLAG = 0x4;

struct Message {
  uint32_t message = 0;
  uint32_t wParam = 0;  // key, character, command id or timer id
  int64_t lParam = 0;
  int x = 0, y = 0;  // mouse position in client coordinates
  uint32_t flags = 0;
};

// Marks that a stretch of code is running (a pump, a handler of the game, a
// take-in of input): set for the life of a Scope and cleared however the scope
// is left, an exception included.
class Nesting {
 public:
  class Scope {
   public:
    explicit Scope(Nesting& n) : m_n(n) { ++m_n.m_depth; }
    ~Scope() { --m_n.m_depth; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    Nesting& m_n;
  };
  bool Active() const { return m_depth > 0; }

 private:
  int m_depth = 0;
};

class MessageTarget;

class MessageQueue {
 public:
  // Like Windows, a lane refuses further messages when it is full, so that a
  // flood of input during a long turn cannot grow without bound.
  static constexpr size_t kMaxPerLane = 10000;

  // A message the game posts to itself (commands).
  bool Post(const Message& msg);
  bool PostCommand(uint32_t id) { return Post(Message{WM_COMMAND, id}); }
  // Keyboard and mouse input from the front end.
  bool PostInput(const Message& msg);
  // A timer has fired; at most one WM_TIMER per timer id is pending.
  void PostTimer(uint32_t timerId);

  // Takes the next message: posted, then input, then timer. False when empty.
  bool Get(Message& msg);
  // Removes every queued message whose number lies in lo..hi, from every lane.
  void RemoveRange(uint32_t lo, uint32_t hi);
  void Clear();
  // The window is closing: what is queued is dropped, nothing more is taken,
  // and the pump ends once the running handler returns, however many
  // commands the game keeps posting to itself.
  void Close();
  bool Closed() const { return m_closed; }

  bool Empty() const { return m_posted.empty() && m_input.empty() && m_timers.empty(); }
  size_t size() const { return m_posted.size() + m_input.size() + m_timers.size(); }

 private:
  friend bool PumpMessages(MessageQueue& queue, MessageTarget& target);
  std::deque<Message> m_posted;
  std::deque<Message> m_input;
  std::deque<Message> m_timers;
  // Set while PumpMessages runs this queue. It alone keeps the game's
  // handlers from being entered again from inside one of them, whoever pumps:
  // the frame, and the game-flow tests and the fuzzer, which pump the game
  // with no frame at all.
  Nesting m_pumping;
  bool m_closed = false;
};

// What the pump hands messages to, in the order of the Windows message loop.
class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  // True when the message is consumed.
  virtual bool PreTranslateMessage(const Message& msg) = 0;
  // True when the message was an accelerator key and its command has been run.
  virtual bool TranslateAccelerator(const Message& msg) = 0;
  virtual void Dispatch(const Message& msg) = 0;
};

// Runs queued messages one by one until the queue is empty. A call made while
// this queue is already being pumped (from inside a handler) returns at once;
// the outer pump picks up whatever the handler queued. Returns false then.
bool PumpMessages(MessageQueue& queue, MessageTarget& target);
