#pragma once
// Paces the frames of an animation against deadlines counted from its start:
// frame k ends k × delay after the start, whatever the drawing took and however
// far the wait before it overshot. Waiting a fixed delay after each frame
// instead makes a move slower by the drawing time and every oversleep.
#include <cstdint>

class FramePacer {
 public:
  // An animation starts now (a tick count in milliseconds).
  void Start(uint32_t now) {
    m_deadline = now;
    m_running = true;
  }
  void Stop() { m_running = false; }
  bool Running() const { return m_running; }

  // How long to wait now, at tick now, so that the frame just drawn, which
  // lasts ms, ends on its deadline; 0 when the drawing is already late. Outside
  // an animation every frame is paced from its own call.
  int Next(uint32_t now, int ms) {
    if (!m_running) m_deadline = now;
    m_deadline += static_cast<uint32_t>(ms > 0 ? ms : 0);
    // The difference of two wrapping tick counts, read as signed.
    const auto left = static_cast<int32_t>(m_deadline - now);
    return left > 0 ? left : 0;
  }

 private:
  uint32_t m_deadline = 0;
  bool m_running = false;
};
