#include "platform/message_queue.h"

#include <algorithm>

bool MessageQueue::Post(const Message& msg) {
  if (m_closed || m_posted.size() >= kMaxPerLane) return false;
  m_posted.push_back(msg);
  return true;
}

bool MessageQueue::PostInput(const Message& msg) {
  if (m_closed || m_input.size() >= kMaxPerLane) return false;
  m_input.push_back(msg);
  return true;
}

void MessageQueue::PostTimer(uint32_t timerId) {
  if (m_closed) return;
  for (const Message& m : m_timers)
    if (m.wParam == timerId) return;
  m_timers.push_back(Message{WM_TIMER, timerId});
}

bool MessageQueue::Get(Message& msg) {
  for (std::deque<Message>* lane : {&m_posted, &m_input, &m_timers}) {
    if (!lane->empty()) {
      msg = lane->front();
      lane->pop_front();
      return true;
    }
  }
  return false;
}

void MessageQueue::RemoveRange(uint32_t lo, uint32_t hi) {
  const auto inRange = [lo, hi](const Message& m) { return m.message >= lo && m.message <= hi; };
  for (std::deque<Message>* lane : {&m_posted, &m_input, &m_timers})
    lane->erase(std::remove_if(lane->begin(), lane->end(), inRange), lane->end());
}

void MessageQueue::Clear() {
  m_posted.clear();
  m_input.clear();
  m_timers.clear();
}

void MessageQueue::Close() {
  Clear();
  m_closed = true;
}

bool PumpMessages(MessageQueue& queue, MessageTarget& target) {
  if (queue.m_pumping.Active()) return false;
  const Nesting::Scope pumping(queue.m_pumping);
  Message msg;
  while (queue.Get(msg)) {
    if (target.PreTranslateMessage(msg)) continue;
    if (target.TranslateAccelerator(msg)) continue;
    target.Dispatch(msg);
  }
  return true;
}
