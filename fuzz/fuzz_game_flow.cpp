// The game flow: the headless main window with the test fakes, driven by a
// fuzzed stream of keys, clicks, right clicks, every command, timer ticks and
// answers to every box and dialog (the settings pages, the colour schemes and
// the file choosers included), with seeded dice. After every message the
// board must hold fifteen checkers per side on its 28 entries, no entry above
// fifteen, bars and trays with their fixed owners, and no pump may run on
// without end. An automatic finish that Esc stopped must have handed the
// player a clean turn.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/appearance.h"
#include "app/tremawnd.h"
#include "dialogs/trend.h"
#include "fuzz/fuzz_support.h"
#include "platform/ini_store.h"
#include "platform/random.h"
#include "resources/ids.h"
#include "settings/color_dialog.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "settings/settings_pages.h"
#include "tests/support/fake_host.h"
#include "tests/support/game_fakes.h"
#include "tests/support/game_state.h"

namespace {

FuzzedDataProvider* g_in = nullptr;

// Pauses and input take-ins one pump may make before it counts as endless:
// a whole game with animations needs far fewer.
constexpr long kMaxWaitsPerPump = 200000;
// A finish can rightly run for ever (a roll list of one value can leave both
// sides without a move); the player then holds Esc. Here Esc counts as held
// once one step has polled it this often.
constexpr int kEscHeldAfterPolls = 2000;
// Finish passes one step may make: the held Esc must stop the finish at the
// start of its next pass.
constexpr int kMaxFinishPasses = kEscHeldAfterPolls + 1;

// Computer turns one step may run. A roll list of one pair with the forced
// steps played for the player and the turn handed over at once can make a
// game play itself for ever (both sides hitting and entering in a circle);
// no input reaches the game then, so the run ends there.
constexpr int kMaxTurnsPerPump = 100;

long g_waits = 0;
int g_turns = 0;
bool g_playsItself = false;
int g_escPolls = 0;
int g_finishPasses = 0;
bool g_escStoppedFinish = false;  // Esc was seen held by a running finish

int Pick(std::initializer_list<int> answers) {
  const int i = g_in->ConsumeIntegralInRange<int>(0, static_cast<int>(answers.size()) - 1);
  return answers.begin()[i];
}

bool Flag() { return g_in->ConsumeBool(); }

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
  // Held as the input says while it lasts, then up, until the step has polled
  // it too often.
  bool EscapeDown() override {
    const bool held =
        ++g_escPolls >= kEscHeldAfterPolls || (g_in->remaining_bytes() > 0 && g_in->ConsumeIntegralInRange(0, 15) == 0);
    if (held && g_AutoFinishActive != 0) g_escStoppedFinish = true;
    return held;
  }
  // Nothing of these is looked at; a long finish would only pile them up.
  void PlaySound(const std::string&, bool) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void SetConfirmCursor(bool) override {}
};

class FuzzView : public FakeView {
 public:
  // The finish repaints once at every pass.
  void UpdateNow() override {
    FakeView::UpdateNow();
    if (g_AutoFinishActive != 0) FUZZ_CHECK(++g_finishPasses <= kMaxFinishPasses);
  }
};

class FuzzDialogs : public FakeDialogs {
 public:
  StatisticsResult Statistics(int) override {
    return StatisticsResult{Pick({IDOK, IDCANCEL}), g_in->ConsumeIntegralInRange(0, 2)};
  }
  int GiveUp() override { return Pick({IDCANCEL, IDC_GIVEUP_SINGLE, IDC_GIVEUP_GAMMON, IDC_GIVEUP_BACKGAMMON}); }
  int FinishSpeed() override { return Pick({kFinishFast, kFinishSlow, kFinishCancel, 0}); }
  // The About box has nothing to answer but OK.
  void About() override {}
  bool ChooseFile(const FileChooser&, std::string& path) override {
    switch (g_in->ConsumeIntegralInRange(0, 4)) {
      case 0: return false;
      case 1: path = FuzzDir() + "/game.pos"; break;  // saved before, or not yet
      case 2: path = FuzzDir() + "/game"; break;      // no extension
      case 3: {
        const std::string bytes = g_in->ConsumeBytesAsString(g_in->ConsumeIntegralInRange<size_t>(0, 300));
        path = FuzzFile("input.pos", bytes.data(), bytes.size());
        break;
      }
      default: path = FuzzDir(); break;  // a directory
    }
    return true;
  }
  // The sheet applies the pages the player looked at, in their order. The
  // sound page touches nothing of the game but the settings file.
  int Settings() override {
    if (wnd == nullptr || Flag()) return IDCANCEL;
    TremaWndGame game(*wnd);
    if (Flag()) {
      VisOpts page;
      page.Load();
      page.m_diceAsIcons = Flag();
      page.m_showProgress = Flag();
      page.m_highlight = g_in->ConsumeIntegralInRange(0, 2);
      page.m_autoFinish = g_in->ConsumeIntegralInRange(0, 2);
      page.m_hitShake = Flag();
      page.m_speed = g_in->ConsumeIntegralInRange(1, 50);
      page.m_clockwise = Flag();
      page.Apply(game);
    }
    if (Flag()) {
      PlayOpts page;
      page.Load();
      page.m_level = g_in->ConsumeIntegralInRange(0, 2);
      page.m_firstMoveBy = g_in->ConsumeIntegralInRange(0, 2);
      page.m_useCube = Flag();
      page.m_autoChangeTurn = Flag();
      page.m_autoForcedMoves = Flag();
      page.m_intelMoves = Flag();
      page.Apply(game);
    }
    if (Flag()) {
      DiceOpts page;
      page.Load(game);
      page.m_diceMode = g_in->ConsumeIntegralInRange(0, 2);
      if (Flag()) {
        const std::string rolls = g_in->ConsumeRandomLengthString(16);
        page.m_rollsFile = FuzzFile("rolls2.txt", rolls.data(), rolls.size());
      }
      page.Apply(game);
    }
    return IDOK;
  }
  int Colors() override {
    if (wnd == nullptr) return IDCANCEL;
    TremaWndGame game(*wnd);
    BackgClr dialog(game);
    dialog.Open();
    dialog.SelectScheme(g_in->ConsumeIntegralInRange(0, kSchemes - 1));
    if (Flag()) dialog.SetColor(g_in->ConsumeIntegralInRange(0, 5), g_in->ConsumeIntegral<uint32_t>() & 0xFFFFFF);
    if (Flag()) dialog.Reset();
    if (Flag()) {
      dialog.Cancel();
      return IDCANCEL;
    }
    return dialog.OK() ? IDOK : kColorsNotSaved;
  }
  void Run(DiceRoller& dice) override {
    if (Flag()) return;  // Cancel
    // Out-of-range values too: the roller must keep its drawn dice then.
    dice.die[0] = g_in->ConsumeIntegralInRange<uint8_t>(0, 7);
    dice.die[1] = g_in->ConsumeIntegralInRange<uint8_t>(0, 7);
  }

  TremaWnd* wnd = nullptr;
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

// Esc stopped a finish: the player has the turn, no step half entered, no
// confirmation wait, and the prompt for the next step. (The dice may all be
// gone already: a search finding none playable drops them.)
void CheckHandedBack(TremaWnd& w, const FakeView& view) {
  FUZZ_CHECK(g_AutoFinishActive == 0);
  FUZZ_CHECK(w.HumanInputAllowed());
  FUZZ_CHECK(w.m_awaitConfirm == 0 && w.m_hintMade == 0);
  FUZZ_CHECK(w.m_curStep[0] == 0xFF);
  const int n = w.m_dice->count;
  FUZZ_CHECK(n >= 0 && n <= 4);
  for (int i = 0; i < n; ++i) FUZZ_CHECK(w.m_dice->die[i] >= 1 && w.m_dice->die[i] <= 6);
  FUZZ_CHECK(view.status[0] == "Wähle Startposition..." ||
             view.status[0] == "Du kannst nicht ziehen. Drücke die Leertaste oder würfle");
  FUZZ_CHECK(!w.LogLines().empty() && w.LogLines().back() == std::to_string(w.m_stepCount + 1) + "ter von  ");
}

// The window, checked after every message it handles.
class CheckedWnd : public TremaWnd {
 public:
  CheckedWnd(const TremaWndServices& s, const FakeView& view) : TremaWnd(s), m_fakeView(view) {}
  void Dispatch(const Message& msg) override {
    g_escStoppedFinish = false;
    TremaWnd::Dispatch(msg);
    CheckBoard(m_board);
    if (g_escStoppedFinish) CheckHandedBack(*this, m_fakeView);
    if (msg.message == WM_COMMAND && msg.wParam == ID_COMPUTER_TURN && ++g_turns > kMaxTurnsPerPump) {
      g_playsItself = true;
      Queue().Clear();
    }
  }

 private:
  const FakeView& m_fakeView;
};

const int kCommands[] = {ID_REDRAW,        ID_COLORS,      ID_SWAP_SIDES,    ID_FINISH_GAME,
                         ID_BEST_MOVE,     ID_GIVE_UP,     ID_COMPUTER_TURN, ID_AUTO_FORCED_MOVES,
                         ID_DOCUMENTATION, ID_CTRL_H,      ID_SHOW_TREND,    ID_UNDO_STEP,
                         ID_PASS,          ID_RESET_SCORE, ID_DOUBLE,        ID_SETTINGS,
                         ID_CTRL_T,        ID_FILE_NEW,    ID_FILE_OPEN,     ID_FILE_SAVE_AS,
                         ID_APP_ABOUT,     ID_APP_EXIT,    ID_HELP};
const unsigned kKeys[] = {'0', VK_SPACE, VK_ESCAPE, VK_F1, VK_F2, VK_F9, 0x08, 0x0D, VK_SHIFT, VK_CONTROL, 'Z', 'Y'};

// Every run starts from an empty directory, so that an input replays alike.
void ClearFuzzDir() {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(FuzzDir(), ec))
    std::filesystem::remove_all(entry.path(), ec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  g_in = &in;
  ResetGameGlobals();
  const uint32_t seed = in.ConsumeIntegral<uint32_t>();

  ClearFuzzDir();
  const std::string dir = FuzzDir();
  g_GraphFile = dir + "/trend.dat";
  // Now and then the colour schemes cannot be saved.
  g_SchemeFile = in.ConsumeIntegralInRange(0, 7) == 0 ? dir : dir + "/colors.dat";
  // The settings file written in one go: a save per key is slow.
  std::string options = "[Options]\nSpeed=50\n";
  const char* const flags[] = {"UseCube",    "AutoChangeTurn", "AutoForcedMoves", "HighLight",
                               "IntelMoves", "ClockWise",      "DiceAsIcons"};
  for (const char* key : flags)
    options += std::string(key) + "=" + std::to_string(in.ConsumeIntegralInRange(0, 1)) + "\n";
  options += "AutoFinish=" + std::to_string(in.ConsumeIntegralInRange(0, 2)) + "\n";
  options += "LevelOfPlay=" + std::to_string(in.ConsumeIntegralInRange(0, 2)) + "\n";
  options += "FirstMoveBy=" + std::to_string(in.ConsumeIntegralInRange(0, 2)) + "\n";
  const int diceMode = in.ConsumeIntegralInRange(0, 2);
  options += "DiceMode=" + std::to_string(diceMode) + "\n";
  if (diceMode == 2) {
    const std::string rolls = in.ConsumeRandomLengthString(64);
    options += "RollsList=" + FuzzFile("rolls.txt", rolls.data(), rolls.size()) + "\n";
  }
  const std::string iniPath = FuzzFile("game.ini", options.data(), options.size());
  IniStore ini(iniPath);

  FuzzHost host;
  FuzzView view;
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
  g_waits = g_turns = g_escPolls = g_finishPasses = 0;
  g_playsItself = false;
  auto wnd = std::make_unique<CheckedWnd>(s, view);
  dialogs.wnd = wnd.get();
  wnd->Create();
  // The start seeds the dice from the clock: a game of the input's own seed
  // instead, so that an input always plays the same.
  SeedGameRand(seed);
  wnd->NewGame();
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
    g_waits = g_turns = g_escPolls = g_finishPasses = 0;
    wnd->Pump();
    CheckBoard(wnd->m_board);
    if (g_playsItself) break;
  }
  wnd.reset();
  g_in = nullptr;
  return 0;
}
