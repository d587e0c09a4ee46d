#pragma once
// Runs the tests of a program inside its started wx application, without its
// main loop: each test drives the event loop itself. A wx assertion or a
// logged error would open a modal box and hang the run, so assertions fail the
// test and the log goes to stderr.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/log.h>

inline int RunTestsInWxApp() {
  wxSetAssertHandler(
      [](const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg) {
        ADD_FAILURE() << "wx assertion in " << file.utf8_string() << ":" << line << " " << func.utf8_string() << ": "
                      << cond.utf8_string() << " " << msg.utf8_string();
      });
  delete wxLog::SetActiveTarget(new wxLogStderr);
  int rc = 0;
  {
    // Yields need an active loop even though it never runs.
    wxGUIEventLoop loop;
    wxEventLoopActivator activate(&loop);
    rc = RUN_ALL_TESTS();
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return rc;
}
