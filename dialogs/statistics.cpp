#include "dialogs/statistics.h"

#include <cstdio>

#include "app/text.h"
#include "board/globals.h"
#include "platform/host.h"
#include "resources/strings.h"
#include "settings/options.h"

std::string FormatThinkTime(int32_t ms) {
  const long minutes = static_cast<long>(ms / 60000);
  const long seconds = static_cast<long>((ms % 60000) / 1000);
  char text[32];
  std::snprintf(text, sizeof text, LoadResString(kThinkTimeText), minutes, seconds);
  return text;
}

TrendGraph ComputeTrendGraph(const Rect& xAxis, const Rect& yAxis, const TrendRecord& record) {
  TrendGraph g;
  // 64-bit, so that no rectangle can make the products overflow.
  const int64_t w = static_cast<int64_t>(xAxis.right) - yAxis.right;
  const int64_t h = static_cast<int64_t>(xAxis.top) - yAxis.top;
  const int y50 = static_cast<int>(yAxis.top + h / 2);
  g.fiftyFrom = {yAxis.right, y50};
  g.fiftyTo = {xAxis.right, y50};

  for (int i = 0; i < kTrendEntries; ++i) {
    int32_t p = record.trend[i];
    if (i > 0 && p == 0) break;
    p = p < 0 ? 0 : p > 100 ? 100 : p;
    const Point pt{static_cast<int>(yAxis.right + i * w / (kTrendEntries - 1)),
                   static_cast<int>(xAxis.top - p * h / 100)};
    if (i == 0) g.polyline.push_back({yAxis.right + 1, pt.y});
    g.polyline.push_back(pt);
  }
  return g;
}

void StatisticsModel::Open(const GameStatistics& s, int winner, Host* host) {
  m_texts.clear();
  auto put = [this](int id, const std::string& text) { m_texts.emplace_back(id, text); };
  put(IDC_STAT_ENTRIES, std::to_string(kTrendEntries));
  put(IDC_STAT_DICE_HUMAN, std::to_string(s.diceSum[SideHuman]));
  put(IDC_STAT_DICE_COMPUTER, std::to_string(s.diceSum[SideComputer]));
  put(IDC_STAT_DOUBLES_HUMAN, std::to_string(s.doubles[SideHuman]));
  put(IDC_STAT_DOUBLES_COMPUTER, std::to_string(s.doubles[SideComputer]));
  put(IDC_STAT_HITS_HUMAN, std::to_string(s.hits[SideHuman]));
  put(IDC_STAT_HITS_COMPUTER, std::to_string(s.hits[SideComputer]));
  put(IDC_STAT_RUN_HUMAN, std::to_string(s.runScore[SideHuman]));
  put(IDC_STAT_RUN_COMPUTER, std::to_string(s.runScore[SideComputer]));
  put(IDC_STAT_TOTAL_HUMAN, std::to_string(s.score[SideHuman]));
  put(IDC_STAT_TOTAL_COMPUTER, std::to_string(s.score[SideComputer]));
  put(IDC_STAT_TIME_HUMAN, FormatThinkTime(s.thinkTime[SideHuman]));
  put(IDC_STAT_TIME_COMPUTER, FormatThinkTime(s.thinkTime[SideComputer]));

  if (host != nullptr)
    PlayEventSound(winner == SideHuman ? SoundWin : SoundLose,
                   [host](const std::string& file) { host->PlaySound(file, true); });

  UpdateTrendFile(winner);
}

std::string StatisticsModel::TextOf(int id) const {
  for (const auto& [cid, text] : m_texts)
    if (cid == id) return text;
  return {};
}
