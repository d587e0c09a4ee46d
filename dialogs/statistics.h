#pragma once
// The statistics dialog after each game, without its window: the texts of its
// value fields, the end sound, the trend update and the graph's geometry.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/trend.h"
#include "platform/geometry.h"

class Host;

// Control ids of the statistics dialog.
enum StatControlId : int {
  IDC_STAT_AGAIN = 1,    // IDOK "Noch&mal"
  IDC_STAT_QUIT = 2,     // IDCANCEL "&Beenden"
  IDC_STAT_SAME = 4,     // "&Gleiches Würfelschema"
  IDC_STAT_SWAPPED = 5,  // "&Vertauschte Rollen"
  IDC_STAT_DICE_HUMAN = 202,
  IDC_STAT_DOUBLES_HUMAN = 203,
  IDC_STAT_HITS_HUMAN = 204,
  IDC_STAT_DICE_COMPUTER = 207,
  IDC_STAT_DOUBLES_COMPUTER = 208,
  IDC_STAT_HITS_COMPUTER = 209,
  IDC_STAT_RUN_HUMAN = 211,
  IDC_STAT_RUN_COMPUTER = 215,
  IDC_STAT_TIME_HUMAN = 217,
  IDC_STAT_TIME_COMPUTER = 220,
  IDC_STAT_TOTAL_HUMAN = 221,
  IDC_STAT_TOTAL_COMPUTER = 225,
  IDC_STAT_X_AXIS = 1115,
  IDC_STAT_Y_AXIS = 1117,
  IDC_STAT_ENTRIES = 1118,
  IDC_STAT_NEW = 1231,  // "&Neues Würfelschema", first of the radio group
};
constexpr int IDD_STATISTICS = 301;

// "m min ss sec" for a time in milliseconds.
std::string FormatThinkTime(int32_t ms);

// The statistics of the game just ended, by side (element 0 holds nothing).
struct GameStatistics {
  int diceSum[3] = {};
  int doubles[3] = {};
  int hits[3] = {};
  int runScore[3] = {};
  int score[3] = {};
  int32_t thinkTime[3] = {};
};
// The game's statistics and scores as the process-wide values hold them now.
GameStatistics CurrentGameStatistics();

// The graph in the dialog's client pixels. Rectangles have exclusive right and
// bottom edges.
struct TrendGraph {
  Point fiftyFrom, fiftyTo;     // the 50 % line
  std::vector<Point> polyline;  // the trend line, drawn from each point to the next
};
TrendGraph ComputeTrendGraph(const Rect& xAxis, const Rect& yAxis, const TrendRecord& record);

class StatisticsModel {
 public:
  // What the dialog does as it opens, in order: the value texts, the end
  // sound (through host when not null), the trend update.
  void Open(const GameStatistics& stats, int winner, Host* host);

  // The value fields in the order they are filled: (control id, text).
  const std::vector<std::pair<int, std::string>>& Texts() const { return m_texts; }
  // The text of one control; empty when it has none.
  std::string TextOf(int id) const;

  // The radio choice: 0 new dice, 1 same dice, 2 swapped roles.
  int choice = 0;

 private:
  std::vector<std::pair<int, std::string>> m_texts;
};
