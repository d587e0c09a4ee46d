#pragma once
// A running game for the settings pages and the colour dialog that records
// what they do to it, with its settings file in a temporary directory.
#include <string>
#include <vector>

#include "platform/ini_store.h"
#include "settings/options.h"
#include "settings/settings_pages.h"
#include "tests/support/temp_dir.h"

class RecordingGame : public RunningGame {
 public:
  IniStore& Profile() override { return ini; }
  int DiceMode() override { return diceMode; }
  void ChangeDiceSource(int mode) override {
    diceMode = mode;
    calls.push_back("dice " + std::to_string(mode));
  }
  void ChangeClockWise(int clockwise) override {
    g_ClockWise = clockwise;
    calls.push_back("clockwise " + std::to_string(clockwise));
  }
  void ApplyColors() override { calls.push_back("colors"); }
  void PlaySound(const std::string& file) override { calls.push_back("play " + file); }

  // The "key=value" lines of the settings file, in file order; section
  // headers as "[name]".
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::string text = ReadText(ini.Path()), line;
    for (char c : text) {
      if (c == '\n') {
        if (!line.empty()) lines.push_back(line);
        line.clear();
      } else if (c != '\r') {
        line += c;
      }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
  }

  TempDir dir;
  IniStore ini{dir.File("tremaw.ini")};
  int diceMode = 0;
  std::vector<std::string> calls;
};
