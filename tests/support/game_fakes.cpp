#include "tests/support/game_fakes.h"

#include "app/dice.h"
#include "platform/host.h"

namespace {
class FakeTrayLabel : public TrayLabel {
 public:
  explicit FakeTrayLabel(std::vector<std::string>* texts) : m_texts(texts) {}
  void SetText(const std::string& text, bool yellow) override { m_texts->push_back(text + (yellow ? "*" : "")); }

 private:
  std::vector<std::string>* m_texts;
};
}  // namespace

std::unique_ptr<TrayLabel> FakeView::CreateTrayLabel(const Rect&, bool, const std::string& text) {
  trayTexts.push_back(text);
  return std::make_unique<FakeTrayLabel>(&trayTexts);
}

int FakeView::StatusCount(const std::string& text, int pane) const {
  int n = 0;
  for (const auto& [p, t] : statusHistory)
    if (p == pane && t == text) ++n;
  return n;
}

StatisticsResult FakeDialogs::Statistics(int winner) {
  winners.push_back(winner);
  if (onStatistics) onStatistics(winner);
  if (statistics.empty()) return StatisticsResult{IDCANCEL, 0};
  const StatisticsResult r = statistics.front();
  statistics.pop_front();
  return r;
}

void FakeDialogs::Run(DiceRoller& dice) {
  ++manualCalls;
  if (manual.empty()) return;  // Cancel
  dice.die[0] = static_cast<uint8_t>(manual.front().first);
  dice.die[1] = static_cast<uint8_t>(manual.front().second);
  manual.pop_front();
}

bool FakeDialogs::ChooseFile(const FileChooser& chooser, std::string& path) {
  choosers.push_back(chooser);
  if (files.empty()) return false;
  path = files.front();
  files.pop_front();
  return true;
}

int FakeDialogs::Settings() {
  ++settingsCalls;
  return onSettings ? onSettings() : IDCANCEL;
}

int FakeDialogs::Colors() {
  ++colorsCalls;
  return onColors ? onColors() : IDCANCEL;
}
