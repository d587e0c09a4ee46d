// The computer's move choice: the opening table, the exhaustive search over
// every sequence of legal steps, and the end-for-end turn of the board with
// which the same search finds the human's best move.
#include <chrono>
#include <cstring>
#include <utility>

#include "engine/engine.h"
#include "settings/options.h"

// Sources for die[0] then die[1], rows by die[0]; {0, 0}: searched instead.
const uint8_t g_OpeningMoves[36][2] = {
    // die[0] = 1
    {0, 0},
    {24, 13},
    {6, 8},
    {24, 13},
    {24, 13},
    {8, 13},
    // die[0] = 2
    {13, 24},
    {0, 0},
    {13, 24},
    {6, 8},
    {24, 13},
    {13, 24},
    // die[0] = 3
    {8, 6},
    {24, 13},
    {0, 0},
    {24, 13},
    {6, 8},
    {13, 24},
    // die[0] = 4
    {13, 24},
    {8, 6},
    {13, 24},
    {0, 0},
    {24, 13},
    {24, 20},
    // die[0] = 5
    {13, 24},
    {13, 24},
    {8, 6},
    {13, 24},
    {0, 0},
    {0, 0},
    // die[0] = 6
    {13, 8},
    {24, 13},
    {24, 13},
    {24, 18},
    {24, 18},
    {0, 0},
};

namespace {
using Clock = std::chrono::steady_clock;

int32_t ElapsedMs(Clock::time_point t0) {
  return static_cast<int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count());
}
}  // namespace

bool Engine::OpeningMove() {
  const int d0 = dice->die[0];
  const int d1 = dice->die[1];
  if (DiceCount() != 2 || !ValidDie(d0) || !ValidDie(d1)) return false;
  const uint8_t* entry = g_OpeningMoves[(d0 - 1) * 6 + (d1 - 1)];
  if (entry[0] == 0) return false;
  // The table knows only the starting position: a board where its steps are
  // not legal (a loaded position) is searched instead.
  Save();
  bool legal = BarAllows(entry[0]) && IsLegalStep(entry[0], -d0);
  if (legal) {
    PlayStep(entry[0], d0);
    legal = BarAllows(entry[1]) && IsLegalStep(entry[1], -d1);
  }
  Restore();
  if (!legal) return false;
  bestFrom[0] = entry[0];
  bestFrom[1] = entry[1];
  for (int i = 0; i < 4; ++i) bestDice[i] = dice->die[i];
  return true;
}

int32_t Engine::ChooseMove(bool firstMove) {
  const Clock::time_point t0 = Clock::now();
  searchLeaves = searchScored = 0;
  if (dice == nullptr || DiceCount() == 0) {
    for (int i = 0; i < 4; ++i) bestFrom[i] = bestDice[i] = kNone;
    bestScore = INT_MIN;
    return ElapsedMs(t0);
  }
  if (firstMove && g_LevelOfPlay == 2 && OpeningMove()) return ElapsedMs(t0);

  for (int i = 0; i < 4; ++i) bestFrom[i] = bestDice[i] = from[i] = kNone;
  bestScore = INT_MIN;
  // One table for every order and pass of this choice: the position before
  // the move, the race flag and the level stay the same throughout.
  m_useSeen = BeginSeen();

  // Every pass either finds a sequence of all dice or drops at least one die,
  // so there are at most four passes; the bound guards against a list that
  // no pass can shorten.
  for (int pass = 0; pass < 5 && DiceCount() > 0; ++pass) {
    Enumerate(0);
    // Equal dice searched again in the same order could find nothing new.
    if (DiceCount() == 2 && dice->die[0] != dice->die[1]) {
      std::swap(dice->die[0], dice->die[1]);
      Enumerate(0);
      if (bestScore != INT_MIN) {
        // bestDice holds the order to play; the dice object keeps the roll's.
        std::swap(dice->die[0], dice->die[1]);
        break;
      }
    }
    if (bestScore != INT_MIN) break;
    const int before = DiceCount();
    PruneDice();
    if (DiceCount() >= before) break;
  }
  if (bestScore == INT_MIN)
    for (int i = 0; i < 4; ++i) bestFrom[i] = bestDice[i] = kNone;
  return ElapsedMs(t0);
}

void Engine::Enumerate(int depth) {
  const int n = DiceCount();
  if (depth < 0 || depth >= n) return;
  const int d = dice->die[depth];
  if (!ValidDie(d)) return;
  if (depth == 0) Save();

  // A position with the same dice left, reached before by other steps: all of
  // its sequences were scored then, none can beat the best since.
  Seen* slot = nullptr;
  const int32_t leavesBefore = searchLeaves;
  if (m_useSeen && depth > 0) {
    bool found = false;
    slot = FindSeen(n - depth, depth, found);
    if (found) {
      searchLeaves += slot->leaves;
      if (slot->leaves > 0) Recall(*slot);
      return;
    }
  }

  // With a checker on the bar the bar is the only source.
  const int lowest = *computerBar > 0 ? kComputerBar : 1;
  for (int s = kComputerBar; s >= lowest; --s) {
    from[depth] = static_cast<uint8_t>(s);
    if (!IsLegalStep(s, -d)) continue;
    const StepUndo undo = PlayStepKept(s, d);
    if (depth + 1 == n)
      Leaf();
    else
      Enumerate(depth + 1);
    TakeBack(undo);
  }

  if (slot != nullptr) {
    // The slot found empty may have been taken meanwhile: look again.
    bool found = false;
    slot = FindSeen(n - depth, depth, found);
    if (!found) Remember(slot, searchLeaves - leavesBefore);
  }
}

void Engine::Leaf() {
  ++searchLeaves;
  Seen* slot = nullptr;
  if (m_useSeen) {
    bool found = false;
    slot = FindSeen(0, 0, found);
    if (found) {
      // Scored before, so it cannot beat the best; only the per-leaf values
      // are left as its evaluation would leave them.
      Recall(*slot);
      return;
    }
  }
  Evaluate();
  ++searchScored;
  Remember(slot, 1);
}

// ---- the table of positions seen --------------------------------------------

void Engine::KeyEntry(int i) { m_key[i] = static_cast<uint8_t>(board[i]->count | (board[i]->owner << 4)); }

bool Engine::BeginSeen() {
  // Only counts 0 to 15 and the three owners fit a key byte; the model keeps
  // them so while the side to move is a real side.
  if (g_turn != SideComputer && g_turn != SideHuman) return false;
  for (int i = 0; i < kBoardSize; ++i) {
    const Position* p = board[i];
    if (p->count < 0 || p->count > kMaxCheckers || p->owner < SideNone || p->owner > SideHuman) return false;
    KeyEntry(i);
  }
  if (!m_seen) m_seen.reset(new Seen[kSeenSlots]());
  // A new stamp empties the table at once; when the stamps run out, clear it.
  if (++m_stamp == 0) {
    for (int i = 0; i < kSeenSlots; ++i) m_seen[i].stamp = 0;
    m_stamp = 1;
  }
  m_seenCount = 0;
  return true;
}

Engine::Seen* Engine::FindSeen(int diceLeft, int depth, bool& found) {
  found = false;
  uint8_t bytes[32];
  std::memcpy(bytes, m_key, kBoardSize);
  bytes[28] = static_cast<uint8_t>(diceLeft);
  for (int i = 0; i < 3; ++i) bytes[29 + i] = i < diceLeft ? dice->die[depth + i] : 0;
  uint64_t key[4];
  std::memcpy(key, bytes, sizeof key);

  // The high bits of a product depend on every bit of its word.
  uint64_t h = key[0] * 0x9E3779B97F4A7C15ULL ^ key[1] * 0xC2B2AE3D27D4EB4FULL ^ key[2] * 0x165667B19E3779F9ULL ^
               key[3] * 0xD6E8FEB86659FD93ULL;
  h = (h ^ (h >> 29)) * 0xBF58476D1CE4E5B9ULL;
  for (uint32_t i = static_cast<uint32_t>(h >> (64 - kSeenBits));; i = (i + 1) & (kSeenSlots - 1)) {
    Seen& s = m_seen[i];
    if (s.stamp != m_stamp) {
      if (m_seenCount >= kSeenMax) return nullptr;
      std::memcpy(s.key, key, sizeof key);
      return &s;
    }
    if (std::memcmp(s.key, key, sizeof key) == 0) {
      found = true;
      return &s;
    }
  }
}

void Engine::Remember(Seen* slot, int32_t leaves) {
  if (slot == nullptr) return;
  slot->stamp = m_stamp;
  slot->leaves = leaves;
  slot->made[0] = static_cast<int8_t>(madePoints[SideComputer]);
  slot->made[1] = static_cast<int8_t>(madePoints[SideHuman]);
  slot->blots[0] = static_cast<int8_t>(homeBlots[SideComputer]);
  slot->blots[1] = static_cast<int8_t>(homeBlots[SideHuman]);
  ++m_seenCount;
}

void Engine::Recall(const Seen& seen) {
  madePoints[0] = homeBlots[0] = 0;
  madePoints[SideComputer] = seen.made[0];
  madePoints[SideHuman] = seen.made[1];
  homeBlots[SideComputer] = seen.blots[0];
  homeBlots[SideHuman] = seen.blots[1];
}

Engine::StepUndo Engine::PlayStepKept(int source, int die) {
  const int to = StepDestination(source, die);
  const int hitBar = HitBarFor(g_turn);
  StepUndo u;
  const int touched[3] = {source, to, hitBar};
  for (int k = 0; k < 3; ++k) {
    const Position* p = board[touched[k]];
    u.index[k] = static_cast<int8_t>(touched[k]);
    u.count[k] = p->count;
    u.owner[k] = p->owner;
  }
  board[source]->Position::MoveTo(to);
  if (m_useSeen)
    for (int k = 0; k < 3; ++k) KeyEntry(touched[k]);
  return u;
}

void Engine::TakeBack(const StepUndo& u) {
  for (int k = 2; k >= 0; --k) {
    Position* p = board[u.index[k]];
    p->count = u.count[k];
    p->owner = u.owner[k];
    if (m_useSeen) KeyEntry(u.index[k]);
  }
}

void Engine::MirrorBoard() {
  Position copies[kBoardSize];
  for (int i = 0; i < kBoardSize; ++i) copies[i].CopyFields(*board[i]);
  for (int i = 0; i < kBoardSize; ++i) {
    const int m = i <= kComputerBar ? kComputerBar - i : (i == kComputerTray ? kHumanTray : kComputerTray);
    Position* p = board[m];
    p->CopyFields(copies[i]);
    p->owner = Opponent(p->owner);
  }
}
