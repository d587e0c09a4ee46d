#include "settings/settings_pages.h"

#include "platform/ini_store.h"
#include "platform/readable_text.h"
#include "platform/sides.h"
#include "platform/whole_number.h"
#include "settings/settings_keys.h"

int g_LastSettingsPage = 0;

const char* const kBadFileNameText =
    "Dieser Dateiname kann nicht gespeichert werden: er darf kein Steuerzeichen enthalten, nicht mit einem "
    "Leerzeichen beginnen oder enden und höchstens 4095 Bytes lang sein.";

namespace {

// Every list and radio group of the pages has three entries. A stored value
// outside them would leave it without a selection; the page shows the key's
// built-in value instead.
int Selection(int value, const IntKey& key) { return (value >= 0 && value <= 2) ? value : key.builtIn; }
// The game runs a check-box option for any value but 0, so the box shows such
// a value ticked, and OK stores it as 1.
int Check(int value) { return value != 0 ? 1 : 0; }

// A file name from its edit field. A field that still shows the name in use
// gives back its stored bytes, so that OK neither loses nor rewrites a name
// that is not UTF-8 when the player left it alone.
std::string NameOfFieldText(const std::string& text, const std::string& inUse) {
  return text == ReadableUtf8(inUse) ? inUse : text;
}

}  // namespace

bool StorableFileName(const std::string& name) {
  if (name.size() > kMaxFileNameBytes) return false;
  // The settings file drops the blanks around a value, and the next start
  // would look for another file.
  if (!name.empty() && (name.front() == ' ' || name.back() == ' ')) return false;
  for (const char c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  return true;
}

bool ParseSpeed(const std::string& text, int& speed, std::string& message) {
  int v = 0;
  if (!ParseWholeNumber(text, v)) {
    message = "Bitte eine ganze Zahl eingeben.";
    return false;
  }
  if (v < 1 || v > kFastestSpeed) {
    message = "Bitte eine ganze Zahl zwischen 1 und 50 eingeben.";
    return false;
  }
  speed = v;
  return true;
}

// ---- Aussehen -----------------------------------------------------------------

void VisOpts::Load() {
  m_hitShake = Check(g_HitShake);
  m_diceAsIcons = Check(g_DiceAsIcons);
  m_clockwise = Check(g_ClockWise);
  m_highlight = Selection(g_HighLight, keys::HighLight);
  m_showProgress = Check(g_ShowProgress);
  m_autoFinish = Selection(g_AutoFinish, keys::AutoFinish);
  m_speed = SpeedOfDelay(g_SpeedDelay);
}

void VisOpts::Apply(RunningGame& game) {
  IniStore& ini = game.Profile();
  SetKey(ini, keys::ShowProgress, m_showProgress);
  SetKey(ini, keys::HitShake, m_hitShake);
  SetKey(ini, keys::DiceAsIcons, m_diceAsIcons);
  SetKey(ini, keys::HighLight, m_highlight);
  SetKey(ini, keys::AutoFinish, m_autoFinish);
  WriteKey(ini, keys::Speed, m_speed);
  g_SpeedDelay = DelayOfSpeed(m_speed);
  // A stored value other than 1 lays the board out clockwise as well: only a
  // change between off and on rebuilds the board.
  if ((m_clockwise != 0) != (g_ClockWise != 0)) {
    game.ChangeClockWise(m_clockwise);
    WriteKey(ini, keys::ClockWise);
  }
}

// ---- Spiel --------------------------------------------------------------------

void PlayOpts::Load() {
  m_level = Selection(g_LevelOfPlay, keys::LevelOfPlay);
  m_autoChangeTurn = Check(g_AutoChangeTurn);
  m_useCube = Check(g_UseCube);
  m_autoForcedMoves = Check(g_AutoForcedMoves);
  m_intelMoves = Check(g_IntelMoves);
  m_computerScore = g_Score[SideComputer];
  m_humanScore = g_Score[SideHuman];
  m_firstMoveBy = Selection(g_FirstMoveBy, keys::FirstMoveBy);
}

void PlayOpts::Apply(RunningGame& game) {
  IniStore& ini = game.Profile();
  SetKey(ini, keys::FirstMoveBy, m_firstMoveBy);
  SetKey(ini, keys::UseCube, m_useCube);
  SetKey(ini, keys::AutoChangeTurn, m_autoChangeTurn);
  SetKey(ini, keys::AutoForcedMoves, m_autoForcedMoves);
  SetKey(ini, keys::IntelMoves, m_intelMoves);
  SetKey(ini, keys::LevelOfPlay, m_level);
}

// ---- Würfel -------------------------------------------------------------------

void DiceOpts::Load(RunningGame& game) {
  m_diceMode = Selection(game.DiceMode(), keys::DiceMode);
  m_rollsFile = g_RollsFile;
}

bool DiceOpts::TakeFileText(const std::string& text) {
  const std::string name = NameOfFieldText(text, g_RollsFile);
  if (!AcceptableFileName(name, g_RollsFile)) return false;
  m_rollsFile = name;
  return true;
}

void DiceOpts::Apply(RunningGame& game) {
  if (g_RollsFile == m_rollsFile && game.DiceMode() == m_diceMode) return;
  g_RollsFile = m_rollsFile;
  game.ChangeDiceSource(m_diceMode);
  IniStore& ini = game.Profile();
  WriteKey(ini, keys::RollsList);
  WriteKey(ini, keys::DiceMode, m_diceMode);
}

// ---- Sound --------------------------------------------------------------------

void SndOpts::Load() {
  for (int i = 0; i < kSoundEvents; ++i) {
    m_file[i] = g_SoundFiles[i];
    m_activeFlag[i] = Check(g_SoundActive[i]);
  }
  m_cur = 0;
}

void SndOpts::SelectEvent(int event) {
  if (event >= 0 && event < kSoundEvents) m_cur = event;
}

void SndOpts::SetFile(const std::string& text) {
  if (m_cur >= 0 && m_cur < kSoundEvents) m_file[m_cur] = NameOfFieldText(text, g_SoundFiles[m_cur]);
}

void SndOpts::SetActive(int checked) {
  if (m_cur >= 0 && m_cur < kSoundEvents) m_activeFlag[m_cur] = checked != 0 ? 1 : 0;
}

std::string SndOpts::File() const {
  return (m_cur >= 0 && m_cur < kSoundEvents) ? ReadableUtf8(m_file[m_cur]) : std::string();
}

int SndOpts::Active() const { return (m_cur >= 0 && m_cur < kSoundEvents) ? m_activeFlag[m_cur] : 0; }

void SndOpts::Play(RunningGame& game) const {
  if (m_cur >= 0 && m_cur < kSoundEvents) game.PlaySound(m_file[m_cur]);
}

int SndOpts::UnstorableEvent() const {
  for (int i = 0; i < kSoundEvents; ++i)
    if (!AcceptableFileName(m_file[i], g_SoundFiles[i])) return i;
  return -1;
}

void SndOpts::Apply(RunningGame& game) {
  IniStore& ini = game.Profile();
  for (int i = 0; i < kSoundEvents; ++i) {
    g_SoundActive[i] = m_activeFlag[i];
    g_SoundFiles[i] = m_file[i];
    WriteSoundKeys(ini, i);
  }
}
