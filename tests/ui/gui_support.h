#pragma once
// Helpers of the GUI tests: running the event loop for a while.
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

#include <chrono>

// Dispatches events as the main loop would (not as a yield) for ms
// milliseconds, then runs idle time (which deletes closed frames).
inline void RunEvents(int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  do {
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
      while (loop->Pending()) loop->Dispatch();
    if (wxTheApp) wxTheApp->ProcessPendingEvents();
    wxMilliSleep(2);
  } while (std::chrono::steady_clock::now() < end);
  if (wxTheApp) wxTheApp->ProcessIdle();
}
