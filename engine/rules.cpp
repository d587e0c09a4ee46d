// The engine object and the rules of a single step.
#include "engine/engine.h"
#include "settings/options.h"

bool IsRace(Position** board) {
  // Stop at the human's rearmost checker; never walk past the computer's bar
  // into the trays.
  int total = 0;
  for (int i = 0; i <= kComputerBar; ++i) {
    const Position* p = board[i];
    if (p == nullptr) continue;
    if (p->owner == SideHuman && p->count > 0) break;
    total += p->count;
  }
  if (board[kComputerTray] != nullptr) total += board[kComputerTray]->count;
  return total == kMaxCheckers;
}

Engine::Engine(Position** board_, DiceList* dice_) : board(board_), dice(dice_) {
  humanBar = &board[kHumanBar]->count;
  computerBar = &board[kComputerBar]->count;
  humanOff = &board[kHumanTray]->count;
  computerOff = &board[kComputerTray]->count;
  UpdateRace();
}

void Engine::UpdateRace() { race = IsRace(board); }

// ---- helpers ----------------------------------------------------------------

// Model moves change only counts and owners, so only those are kept.
void Engine::Save() {
  for (int i = 0; i < kBoardSize; ++i) start[i].CopyModel(*board[i]);
}

void Engine::Restore() {
  for (int i = 0; i < kBoardSize; ++i) board[i]->CopyModel(start[i]);
}

int Engine::DiceCount() const { return dice == nullptr ? 0 : dice->InPlay(); }

bool Engine::BarAllows(int source) const {
  if (g_turn == SideComputer) return *computerBar <= 0 || source == kComputerBar;
  if (g_turn == SideHuman) return *humanBar <= 0 || source == kHumanBar;
  return true;
}

bool Engine::AllHomeOf(int side) const {
  if (side == SideComputer) return CountCheckers(1, 6, board, SideComputer) + *computerOff == kMaxCheckers;
  if (side == SideHuman) return CountCheckers(19, 24, board, SideHuman) + *humanOff == kMaxCheckers;
  return false;
}

int Engine::StepDestination(int source, int die) const {
  if (g_turn == SideComputer) {
    const int to = source - die;
    return OnBoard(to) ? to : kComputerTray;
  }
  const int to = source + die;
  return OnBoard(to) ? to : kHumanTray;
}

void Engine::PlayStep(int source, int die) { board[source]->Position::MoveTo(StepDestination(source, die)); }

// ---- step rules ---------------------------------------------------------------

bool Engine::AllHome() { return AllHomeOf(g_turn); }

bool Engine::IsLegalStep(int from, int step) {
  // Only the bars and the points are sources.
  if (from < 0 || from > kComputerBar) return false;
  const int side = g_turn;
  const Position* src = board[from];
  if (src->owner != side || src->count < 1) return false;
  const int to = from + step;
  if (OnBoard(to)) return !(board[to]->owner == Opponent(side) && board[to]->count >= 2);

  // Bearing off.
  if (!AllHomeOf(side)) return false;
  if (side == SideHuman) {
    if (to == 25) return true;
    if (to > 25) return CountCheckers(19, from - 1, board, SideHuman) == 0;
    return false;
  }
  if (side == SideComputer) {
    if (to == 0) return true;
    if (to < 0) return CountCheckers(from + 1, 6, board, SideComputer) == 0;
  }
  return false;
}

bool Engine::IsLegalStepFrom(int source, unsigned die) {
  if (!ValidDie(static_cast<int>(die)) || !BarAllows(source)) return false;
  const int d = static_cast<int>(die);
  return IsLegalStep(source, g_turn == SideComputer ? -d : d);
}

int Engine::FirstSourceForDie(int dieIndex) {
  if (dice == nullptr || dieIndex < 0 || dieIndex > 3) return -1;
  const int d = dice->die[dieIndex];
  if (!ValidDie(d)) return -1;
  const int step = g_turn == SideComputer ? -d : d;
  for (int s = kComputerBar; s >= 0; --s) {
    if (!BarAllows(s)) continue;
    if (IsLegalStep(s, step)) return s;
  }
  return -1;
}

bool Engine::NoLegalStep() {
  const int n = DiceCount();
  for (int i = 0; i < n; ++i)
    if (FirstSourceForDie(i) >= 0) return false;
  return true;
}

int Engine::BearOffDie(int source) {
  const int n = DiceCount();
  int exact = -1;
  int larger = -1;
  for (int i = 0; i < n; ++i) {
    const int d = dice->die[i];
    if (!ValidDie(d)) continue;
    if (source + d == 25)
      exact = d;
    else if (source + d > 25)
      larger = d;
  }
  return exact != -1 ? exact : larger;
}

int Engine::DefaultDestination(uint8_t source) {
  const int n = DiceCount();
  if (n == 0) return kNoDestination;
  const int s = source;
  const int d0 = dice->die[0];
  const int d1 = n >= 2 ? dice->die[1] : kNone;
  if (n == 1 || d0 == d1) return ValidDie(d0) ? s + d0 : kNoDestination;

  if (race && AllHome()) {
    const int d = BearOffDie(s);
    if (d != -1) return s + d;
  }
  if (g_IntelMoves == 0) return kNoDestination;
  if (!ValidDie(d0) || !ValidDie(d1)) return kNoDestination;
  // Propose the other die when only one of them can be played from here.
  if (!IsLegalStepFrom(s, static_cast<unsigned>(d0))) return s + d1;
  if (!IsLegalStepFrom(s, static_cast<unsigned>(d1))) return s + d0;
  return kNoDestination;
}

bool Engine::MustPlayBothDice() {
  if (g_turn != SideHuman || DiceCount() != 2) return false;
  for (int i = 0; i < 2; ++i) {
    if (FirstSourceForDie(i) != -1) continue;
    const int e = dice->die[1 - i];
    if (!ValidDie(e)) continue;
    for (int s = 0; s <= 24; ++s) {
      if (!BarAllows(s) || !IsLegalStep(s, e)) continue;
      Save();
      PlayStep(s, e);
      const bool playable = FirstSourceForDie(i) != -1;
      Restore();
      if (playable) return true;
    }
  }
  return false;
}

void Engine::PruneDice() {
  if (dice == nullptr) return;
  Save();
  int i = 0;
  // Later dice are judged on the board after the earlier ones; a die without
  // any source leaves the list and the next one takes its place.
  while (i < 4 && dice->die[i] != kNone && i < DiceCount()) {
    const int source = FirstSourceForDie(i);
    if (source >= 0) {
      PlayStep(source, dice->die[i]);
      ++i;
      continue;
    }
    dice->RemoveAt(i);
  }
  // A count beyond the last die present names no dice.
  if (dice->count > i && (i >= 4 || dice->die[i] == kNone)) dice->count = i;
  Restore();
}
