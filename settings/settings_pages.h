#pragma once
// What the settings sheet's four pages do apart from their controls: the values
// a page shows when it is first shown, the checks when it is left, and what OK
// applies and writes, in order. The window pages only move values between
// these objects and their controls.
#include <string>

#include "platform/readable_text.h"
#include "settings/options.h"

class IniStore;

// The running game as the settings act on it.
class RunningGame {
 public:
  virtual ~RunningGame() = default;
  // The settings file.
  virtual IniStore& Profile() = 0;
  // The dice source in force: 0 random, 1 manual dialog, 2 roll-list file.
  virtual int DiceMode() = 0;
  // The source of the next roll and of every later game; an open roll list
  // is closed, so that the next roll from a file reads it from its start.
  virtual void ChangeDiceSource(int mode) = 0;
  // Sets g_ClockWise and rebuilds the board in that layout with every checker
  // in place; the stored board image stays as it was.
  virtual void ChangeClockWise(int clockwise) = 0;
  // Shows g_Colors on the window and its checkers.
  virtual void ApplyColors() = 0;
  // Plays a wave file without waiting for it.
  virtual void PlaySound(const std::string& file) = 0;
};

// The page the sheet opened on last (by OK or Cancel); for this run only.
extern int g_LastSettingsPage;
constexpr int kSettingsPages = 4;

// The settings file keeps one name per line and at most this many bytes of it.
constexpr size_t kMaxFileNameBytes = 4095;
// A file name the settings file can hold: no control character, no blank at
// either end, not too long.
bool StorableFileName(const std::string& name);
// A name the page may keep: storable, or the one in use already (which came
// from the settings file and goes back into it unchanged).
inline bool AcceptableFileName(const std::string& name, const std::string& inUse) {
  return name == inUse || StorableFileName(name);
}
extern const char* const kBadFileNameText;

// A speed field's text as an integer from 1 to 50; otherwise false with the
// message to show.
bool ParseSpeed(const std::string& text, int& speed, std::string& message);

// "Aussehen".
struct VisOpts {
  // The options as the page first shows them, each brought into its range.
  void Load();
  // Options, then the keys, then the clockwise rebuild when it changed.
  void Apply(RunningGame& game);

  int m_diceAsIcons = 0;
  int m_showProgress = 0;
  int m_highlight = -1;
  int m_autoFinish = -1;
  int m_hitShake = 0;
  int m_speed = 0;
  int m_clockwise = 0;
};

// "Spiel".
struct PlayOpts {
  void Load();
  void Apply(RunningGame& game);

  int m_level = -1;  // the selected entry of the level list
  int m_firstMoveBy = -1;
  int m_useCube = 0;
  int m_autoChangeTurn = 0;
  int m_autoForcedMoves = 0;
  int m_intelMoves = 0;
  int m_computerScore = 0;  // shown only
  int m_humanScore = 0;     // shown only
};

// "Würfel".
struct DiceOpts {
  void Load(RunningGame& game);
  // The file edit's text for the name, and the edit's text back as the name;
  // false (the name kept) when the settings file cannot hold it. The file may
  // hold a name that is not UTF-8, which the edit shows as ReadableUtf8 does:
  // an edit still showing the name in use gives back its stored bytes.
  std::string FileText() const { return ReadableUtf8(m_rollsFile); }
  bool TakeFileText(const std::string& text);
  // Nothing happens unless the name or the mode differs from the one in use.
  void Apply(RunningGame& game);
  // The file edit and its browse button are for the file source only.
  static bool FileControlsEnabled(int selectedMode) { return selectedMode == 2; }

  int m_diceMode = -1;
  std::string m_rollsFile;
};

// "Sound": working copies of the five events' files and flags.
struct SndOpts {
  // Fills the copies and shows the first event.
  void Load();
  // The event list's selection; anything but 0 to 4 is ignored.
  void SelectEvent(int event);
  // The file edit's text and the check box of the event shown; the edit's
  // text stands for a file name as on the dice page.
  void SetFile(const std::string& text);
  void SetActive(int checked);
  std::string File() const;
  int Active() const;
  // Plays the event's file as the edit holds it, active or not.
  void Play(RunningGame& game) const;
  // The first event whose file name cannot be stored, or -1.
  int UnstorableEvent() const;
  // All five flags and files, each flag before its file.
  void Apply(RunningGame& game);

  int m_cur = -1;
  std::string m_file[kSoundEvents];
  int m_activeFlag[kSoundEvents] = {};
};
