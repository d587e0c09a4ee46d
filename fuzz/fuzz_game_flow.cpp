// The game flow: the headless main window with the test fakes, driven by a
// fuzzed stream of keys, clicks, right clicks, every command, timer ticks and
// answers to every box and dialog, with seeded dice. After every message the
// board must hold fifteen checkers per side on its 28 entries, no entry above
// fifteen, bars and trays with their fixed owners, and no pump may run on
// without end.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/tremawnd.h"
#include "dialogs/trend.h"
#include "fuzz/fuzz_support.h"
#include "platform/ini_store.h"
#include "platform/random.h"
#include "resources/ids.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/support/fake_host.h"
#include "tests/support/game_fakes.h"
#include "tests/support/game_state.h"

namespace {

FuzzedDataProvider* g_in = nullptr;

// Pauses and input take-ins one pump may make before it counts as endless:
// a whole game with animations needs far fewer.
constexpr long kMaxWaitsPerPump = 200000;
long g_waits = 0;

int Pick(std::initializer_list<int> answers) {
  const int i = g_in->ConsumeIntegralInRange<int>(0, static_cast<int>(answers.size()) - 1);
  return answers.begin()[i];
}

class FuzzHost : public FakeHost {
 public:
  int MessageBox(const std::string& text, unsigned type) override {
    boxes.push_back({text, type});
    if (boxes.size() > 64) boxes.erase(boxes.begin());
    switch (type & MB_TYPEMASK) {
      case MB_OKCANCEL: return Pick({IDOK, IDCANCEL});
      case MB_YESNO: return Pick({IDYES, IDNO});
      case MB_YESNOCANCEL: return Pick({IDYES, IDNO, IDCANCEL});
      default: return IDOK;
    }
  }
  void Pause(int ms) override {
    FUZZ_CHECK(++g_waits < kMaxWaitsPerPump);
    tick += static_cast<uint32_t>(ms);
  }
  void TakeInPendingInput() override { FUZZ_CHECK(++g_waits < kMaxWaitsPerPump); }
  bool EscapeDown() override { return g_in->ConsumeIntegralInRange(0, 15) == 0; }
};

class FuzzDialogs : public FakeDialogs {
 public:
  StatisticsResult Statistics(int) override {
    return StatisticsResult{Pick({IDOK, IDCANCEL}), g_in->ConsumeIntegralInRange(0, 2)};
  }
  int GiveUp() override { return Pick({IDCANCEL, 1087, 1088, 1097}); }
  int FinishSpeed() override { return Pick({kFinishFast, kFinishSlow, kFinishCancel}); }
  void About() override {}
  // The position file has a target of its own: here every chooser is cancelled.
  bool ChooseFile(const FileChooser&, std::string&) override { return false; }
  int Settings() override { return Pick({IDOK, IDCANCEL}); }
  int Colors() override { return Pick({IDOK, IDCANCEL}); }
  void Run(DiceRoller& dice) override {
    if (g_in->ConsumeBool()) return;  // Cancel
    // Out-of-range values too: the roller must keep its drawn dice then.
    dice.die[0] = g_in->ConsumeIntegralInRange<uint8_t>(0, 7);
    dice.die[1] = g_in->ConsumeIntegralInRange<uint8_t>(0, 7);
  }
};

void CheckBoard(Position* const* board) {
  if (board[0] == nullptr) return;  // the window is gone
  int total[3] = {0, 0, 0};
  for (int i = 0; i < kBoardSize; ++i) {
    const Position* p = board[i];
    FUZZ_CHECK(p != nullptr);
    FUZZ_CHECK(p->count >= 0 && p->count <= kMaxCheckers);
    FUZZ_CHECK(p->owner == SideNone || p->owner == SideComputer || p->owner == SideHuman);
    if (p->count > 0) FUZZ_CHECK(p->owner != SideNone);
    total[p->owner] += p->count;
  }
  FUZZ_CHECK(total[SideComputer] == kMaxCheckers);
  FUZZ_CHECK(total[SideHuman] == kMaxCheckers);
  FUZZ_CHECK(board[kHumanBar]->owner == SideHuman);
  FUZZ_CHECK(board[kComputerBar]->owner == SideComputer);
  // An empty tray may have lost its owner; one with checkers has its own.
  FUZZ_CHECK(board[kHumanTray]->count == 0 || board[kHumanTray]->owner == SideHuman);
  FUZZ_CHECK(board[kComputerTray]->count == 0 || board[kComputerTray]->owner == SideComputer);
}

// The window, checked after every message it handles.
class CheckedWnd : public TremaWnd {
 public:
  using TremaWnd::TremaWnd;
  void Dispatch(const Message& msg) override {
    TremaWnd::Dispatch(msg);
    CheckBoard(m_board);
  }
};

const int kCommands[] = {ID_REDRAW,        ID_COLORS,      ID_SWAP_SIDES,    ID_FINISH_GAME,
                         ID_BEST_MOVE,     ID_GIVE_UP,     ID_COMPUTER_TURN, ID_AUTO_FORCED_MOVES,
                         ID_DOCUMENTATION, ID_CTRL_H,      ID_SHOW_TREND,    ID_UNDO_STEP,
                         ID_PASS,          ID_RESET_SCORE, ID_DOUBLE,        ID_SETTINGS,
                         ID_CTRL_T,        ID_FILE_NEW,    ID_FILE_OPEN,     ID_FILE_SAVE_AS,
                         ID_APP_ABOUT,     ID_APP_EXIT,    ID_HELP};
const unsigned kKeys[] = {'0', VK_SPACE, VK_ESCAPE, VK_F1, VK_F2, VK_F9, 0x08, 0x0D, VK_SHIFT, VK_CONTROL, 'Z', 'Y'};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  g_in = &in;
  ResetGameGlobals();
  SeedGameRand(in.ConsumeIntegral<uint32_t>());

  const std::string dir = FuzzDir();
  const std::string iniPath = dir + "/game.ini";
  std::remove(iniPath.c_str());
  g_GraphFile = dir + "/trend.dat";
  g_SchemeFile = dir + "/colors.dat";
  IniStore ini(iniPath);
  const char* const flags[] = {"UseCube",   "AutoFinish", "AutoChangeTurn", "AutoForcedMoves",
                               "HighLight", "IntelMoves", "ClockWise",      "DiceAsIcons"};
  for (const char* key : flags) ini.WriteInt("Options", key, in.ConsumeIntegralInRange(0, 1));
  ini.WriteInt("Options", "LevelOfPlay", in.ConsumeIntegralInRange(0, 2));
  ini.WriteInt("Options", "FirstMoveBy", in.ConsumeIntegralInRange(0, 2));
  ini.WriteInt("Options", "Speed", 50);
  const int diceMode = in.ConsumeIntegralInRange(0, 2);
  ini.WriteInt("Options", "DiceMode", diceMode);
  if (diceMode == 2) {
    const std::string rolls = in.ConsumeRandomLengthString(64);
    ini.WriteString("Options", "RollsList", FuzzFile("rolls.txt", rolls.data(), rolls.size()));
  }

  FuzzHost host;
  FakeView view;
  FakeFrame frame;
  FuzzDialogs dialogs;
  TremaWndServices s;
  s.host = &host;
  s.view = &view;
  s.frame = &frame;
  s.dialogs = &dialogs;
  s.profile = &ini;
  s.docFile = dir + "/Documentation.htm";
  s.displayName = "Kolvar Backgammon";
  g_waits = 0;
  auto wnd = std::make_unique<CheckedWnd>(s);
  wnd->Create();
  CheckBoard(wnd->m_board);

  for (int step = 0; step < 400 && in.remaining_bytes() > 0; ++step) {
    Message m;
    switch (in.ConsumeIntegralInRange(0, 11)) {
      case 0:  // a point's letter
        m.message = WM_KEYDOWN;
        m.wParam = 'A' + in.ConsumeIntegralInRange(0, 23);
        break;
      case 1:
        m.message = WM_KEYDOWN;
        m.wParam = in.PickValueInArray(kKeys);
        m.flags = in.ConsumeIntegralInRange(0, 7);
        break;
      case 2:
        m.message = in.ConsumeBool() ? WM_KEYDOWN : WM_CHAR;
        m.wParam = in.ConsumeIntegral<uint8_t>();
        m.flags = in.ConsumeIntegralInRange(0, 7);
        break;
      case 3:
      case 4: {  // a click on an entry, or anywhere
        const int i = in.ConsumeIntegralInRange(0, kBoardSize - 1);
        const Rect r = wnd->m_board[i] != nullptr ? wnd->m_board[i]->rect : Rect{};
        m.x = in.ConsumeBool() ? (r.left + r.right) / 2 : in.ConsumeIntegralInRange(-10, 1000);
        m.y = in.ConsumeBool() ? r.top + (r.bottom - r.top) / 4 : in.ConsumeIntegralInRange(-10, 800);
        m.message = WM_LBUTTONDOWN;
        wnd->Queue().PostInput(m);
        m.message = in.ConsumeIntegralInRange(0, 7) == 0 ? WM_LBUTTONDBLCLK : WM_LBUTTONUP;
        break;
      }
      case 5:
        m.message = in.ConsumeBool() ? WM_RBUTTONDOWN : WM_MOUSEMOVE;
        m.x = in.ConsumeIntegralInRange(-10, 1000);
        m.y = in.ConsumeIntegralInRange(-10, 800);
        break;
      case 6:
      case 7: wnd->PostCommand(in.PickValueInArray(kCommands)); break;
      case 8: wnd->Queue().PostTimer(in.ConsumeBool() ? ID_TIMER_BLINK : in.ConsumeIntegral<uint16_t>()); break;
      case 9:  // the window changes size
        wnd->OnSize(0, in.ConsumeIntegralInRange(0, 2000), in.ConsumeIntegralInRange(0, 1500));
        break;
      default: {  // a legal step typed as its two letters, so that games reach their end
        if (g_turn != SideHuman || wnd->m_dice == nullptr) break;
        const std::vector<StepChoice> steps = HumanStepChoices(*wnd);
        if (steps.empty()) break;
        const StepChoice c = steps[in.ConsumeIntegralInRange<size_t>(0, steps.size() - 1)];
        const int to = c.source + c.die;
        m.message = WM_KEYDOWN;
        m.wParam = c.source == 0 ? '0' : 'A' + c.source - 1;
        wnd->Queue().PostInput(m);
        m.wParam = to >= 25 ? '0' : 'A' + to - 1;
        break;
      }
    }
    if (m.message != 0) wnd->Queue().PostInput(m);
    g_waits = 0;
    wnd->Pump();
    CheckBoard(wnd->m_board);
  }
  wnd.reset();
  g_in = nullptr;
  return 0;
}
