#pragma once
// A main frame of the test's own, with its settings, colour and trend files in
// a temporary directory; closed and gone when the test ends.
#include <gtest/gtest.h>
#include <wx/weakref.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/trend.h"
#include "platform/sound.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/gui_support.h"
#include "ui/main_frame.h"
#include "ui/wx_host.h"

// Keeps the names of the sounds the game plays.
class RecordingSound : public SoundPlayer {
 public:
  explicit RecordingSound(std::vector<std::string>* log) : m_log(log) {}
  void Play(const std::string& file, bool) override { m_log->push_back(file); }

 private:
  std::vector<std::string>* m_log;
};

class FrameFixture : public ::testing::Test {
 protected:
  // ini: the settings file the frame starts with.
  explicit FrameFixture(std::string ini) : m_ini(std::move(ini)) {}

  void SetUp() override {
    ASSERT_FALSE(tmp.path().empty());
    dir = tmp.path().string();
    ResetOptionsToBuiltIn();
    g_SchemeFile = dir + "/tremaw32.clr";
    g_GraphFile = dir + "/tremaw32.gph";
    std::ofstream(dir + "/tremaw.ini") << m_ini;
  }
  void TearDown() override {
    if (weak) weak->Close(true);
    RunEvents(30);
    EXPECT_FALSE(weak) << "the frame is gone once closed";
    ResetOptionsToBuiltIn();
  }

  // What every frame of these tests is made with; the test adds its dialogs.
  MainFrameSetup BasicSetup() const {
    MainFrameSetup s;
    s.profilePath = dir + "/tremaw.ini";
    s.docFile = dir + "/Documentation.htm";
    s.displayName = "Kolvar Backgammon";
    return s;
  }
  // Makes the frame; the test starts its game.
  void Open(MainFrameSetup s) {
    frame = new MainFrame(std::move(s));
    weak = frame;
  }
  // Starts the game of a frame that shows no message box: one that comes is a
  // failure, answered with answer.
  void StartWithoutBoxes(int answer) {
    frame->GameHost().SetAnswerFunction([answer](const std::string& text, unsigned) {
      ADD_FAILURE() << "unexpected message box: " << text;
      return answer;
    });
    frame->StartGame();
    frame->UpdateNow();
  }

  TempDir tmp;
  std::string dir;
  MainFrame* frame = nullptr;
  wxWeakRef<MainFrame> weak;

 private:
  std::string m_ini;
};
