#include "ui/wx_ids.h"

#include <iterator>

#include "resources/ids.h"

namespace {
// Above wx's own ids (wxID_HIGHEST is 5999) and far below the limit.
constexpr int kFirstWxId = 11000;

constexpr int kCommands[] = {
    ID_REDRAW,        ID_COLORS,      ID_SWAP_SIDES,    ID_FINISH_GAME,
    ID_BEST_MOVE,     ID_GIVE_UP,     ID_COMPUTER_TURN, ID_AUTO_FORCED_MOVES,
    ID_DOCUMENTATION, ID_CTRL_H,      ID_SHOW_TREND,    ID_UNDO_STEP,
    ID_PASS,          ID_RESET_SCORE, ID_DOUBLE,        ID_SETTINGS,
    ID_CTRL_T,        ID_FILE_NEW,    ID_FILE_OPEN,     ID_FILE_SAVE_AS,
    ID_APP_ABOUT,     ID_APP_EXIT,    ID_HELP,
};
constexpr int kCount = static_cast<int>(std::size(kCommands));
}  // namespace

int WxIdForCommand(int command) {
  for (int i = 0; i < kCount; ++i)
    if (kCommands[i] == command) return kFirstWxId + i;
  return -1;
}

int CommandForWxId(int wxId) {
  const int i = wxId - kFirstWxId;
  return (i >= 0 && i < kCount) ? kCommands[i] : 0;
}
