#include "tests/support/game_fixture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "app/game_state.h"
#include "board/position.h"
#include "resources/ids.h"
#include "settings/options.h"

void GameFixture::ResetGlobals() { ResetGameGlobals(); }

void GameFixture::SetUp() {
  ResetGlobals();
  ASSERT_FALSE(tmp.path().empty());
  dir = tmp.path().string();
  iniPath = dir + "/tremaw.ini";
  rollsPath = dir + "/rolls.txt";
  ini = std::make_unique<IniStore>(iniPath);
}

void GameFixture::TearDown() {
  wnd.reset();
  ResetGlobals();
}

void GameFixture::SetOption(const std::string& key, int value) { ini->WriteInt("Options", key, value); }

void GameFixture::UseRolls(const std::string& text) {
  {
    std::ofstream out(rollsPath, std::ios::binary | std::ios::trunc);
    out << text;
  }
  if (!wnd) {
    ini->WriteInt("Options", "DiceMode", 2);
    ini->WriteString("Options", "RollsList", rollsPath);
    return;
  }
  g_RollsFile = rollsPath;
  wnd->m_diceMode = 2;
  if (wnd->m_dice != nullptr) {
    wnd->m_dice->CloseListFile();
    wnd->m_dice->mode = 2;
  }
}

void GameFixture::Start(Surface* surface) {
  TremaWndServices s;
  s.host = &host;
  s.view = &view;
  s.frame = &frame;
  s.surface = surface;
  s.dialogs = &dialogs;
  s.profile = ini.get();
  s.docFile = dir + "/Documentation.htm";
  s.displayName = "Kolvar Backgammon";
  wnd = std::make_unique<TremaWnd>(s);
  wnd->Create();
}

void GameFixture::QueueKey(unsigned key, uint32_t modifiers) {
  Message m;
  m.message = WM_KEYDOWN;
  m.wParam = key;
  m.flags = modifiers;
  wnd->Queue().PostInput(m);
}

void GameFixture::Key(unsigned key, uint32_t modifiers) {
  QueueKey(key, modifiers);
  Pump();
}

void GameFixture::Char(char c) {
  Message m;
  m.message = WM_CHAR;
  m.wParam = static_cast<unsigned char>(c);
  wnd->Queue().PostInput(m);
  Pump();
}

void GameFixture::Command(int id) {
  wnd->PostCommand(id);
  Pump();
}

Point GameFixture::EntryCentre(int index) const {
  const Rect& r = wnd->m_board[index]->rect;
  return Point{(r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4};
}

void GameFixture::QueueClickEntry(int index) {
  const Point p = EntryCentre(index);
  Message down;
  down.message = WM_LBUTTONDOWN;
  down.x = p.x;
  down.y = p.y;
  Message up = down;
  up.message = WM_LBUTTONUP;
  wnd->Queue().PostInput(down);
  wnd->Queue().PostInput(up);
}

void GameFixture::ClickEntry(int index) {
  QueueClickEntry(index);
  Pump();
}

void GameFixture::ClickAt(int x, int y) {
  Message down;
  down.message = WM_LBUTTONDOWN;
  down.x = x;
  down.y = y;
  Message up = down;
  up.message = WM_LBUTTONUP;
  wnd->Queue().PostInput(down);
  wnd->Queue().PostInput(up);
  Pump();
}

void GameFixture::RightClickAt(int x, int y) {
  Message down;
  down.message = WM_RBUTTONDOWN;
  down.x = x;
  down.y = y;
  wnd->Queue().PostInput(down);
  Pump();
}

void GameFixture::HumanTurnWith(int d0, int d1) {
  g_turn = SideHuman;
  wnd->m_openingRoll = 0;
  wnd->m_awaitConfirm = 0;
  wnd->m_handOverPending = false;
  for (auto& step : wnd->m_steps) step[0] = step[1] = 0xFF;
  wnd->m_stepCount = 0;
  wnd->PointCurrentStep();
  DiceRoller& d = *wnd->m_dice;
  for (uint8_t& v : d.die) v = 0xFF;
  d.count = 0;
  if (d0 > 0) d.die[d.count++] = static_cast<uint8_t>(d0);
  if (d1 > 0) d.die[d.count++] = static_cast<uint8_t>(d1);
  if (d0 > 0 && d0 == d1) {
    d.die[2] = d.die[3] = static_cast<uint8_t>(d0);
    d.count = 4;
  }
  wnd->m_engine->UpdateRace();
  wnd->Queue().Clear();
  wnd->PromptStep(false);
  Pump();
}

const std::string& GameFixture::LastLog() const {
  static const std::string empty;
  return wnd->LogLines().empty() ? empty : wnd->LogLines().back();
}

std::string GameFixture::LogLine(int fromEnd) const {
  const auto& log = wnd->LogLines();
  if (fromEnd < 0 || static_cast<size_t>(fromEnd) >= log.size()) return {};
  return log[log.size() - 1 - static_cast<size_t>(fromEnd)];
}

int GameFixture::StoredInt(const std::string& section, const std::string& key, int def) const {
  return IniStore(iniPath).GetInt(section, key, def);
}

int GameFixture::BoxCount(const std::string& text) const {
  int n = 0;
  for (const auto& b : host.boxes)
    if (b.text == text) ++n;
  return n;
}

bool GameFixture::PlayFirstLegalStep() {
  TremaWnd& w = *wnd;
  if (g_turn != SideHuman || w.m_awaitConfirm || w.m_dice->count <= 0) return false;
  Engine& e = *w.m_engine;

  const std::vector<StepChoice> found = HumanStepChoices(w);
  if (found.empty()) {
    if (!e.NoLegalStep()) return false;
    Key(VK_SPACE);
    return true;
  }

  const size_t games = dialogs.winners.size();
  for (const StepChoice& c : found) {
    const std::vector<int> before = BoardOf(w.m_board);
    Key(c.source == 0 ? '0' : static_cast<unsigned>('A' + c.source - 1));
    if (BoardOf(w.m_board) != before || dialogs.winners.size() != games) return true;
    if (w.m_curStep[0] != 0xFF && w.m_curStep[1] == 0xFF) {
      const int to = c.source + c.die;
      Key(to >= 25 ? '0' : static_cast<unsigned>('A' + to - 1));
      if (BoardOf(w.m_board) != before || dialogs.winners.size() != games) return true;
    }
  }
  return false;
}
