#include "resources/accelerators_table.h"

#include "resources/ids.h"

const std::vector<Accelerator>& GameAccelerators() {
  // isChar, key, ctrl, shift, alt, command
  static const std::vector<Accelerator> table = {
      {true, '/', false, false, false, ID_SHOW_TREND},       {true, '?', false, false, false, ID_SHOW_TREND},
      {false, 'C', true, false, false, ID_COLORS},           {false, 'D', true, false, false, ID_DOUBLE},
      {false, 'F', true, false, false, ID_FINISH_GAME},      {false, 'H', true, false, false, ID_CTRL_H},
      {false, 'M', true, false, false, ID_BEST_MOVE},        {false, 'N', true, false, false, ID_FILE_NEW},
      {false, 'O', true, false, false, ID_FILE_OPEN},        {false, 'R', true, false, false, ID_REDRAW},
      {false, 'S', true, false, false, ID_FILE_SAVE_AS},     {false, 'T', true, false, false, ID_CTRL_T},
      {false, VK_ESCAPE, false, false, false, ID_UNDO_STEP}, {false, VK_F1, false, false, false, ID_HELP},
      {false, VK_F2, false, false, false, ID_FILE_NEW},      {false, VK_F9, false, false, false, ID_SETTINGS},
      {false, VK_SPACE, false, false, false, ID_PASS},       {false, VK_SPACE, true, false, false, ID_GIVE_UP},
      {false, 'W', true, false, false, ID_SWAP_SIDES},
  };
  return table;
}
