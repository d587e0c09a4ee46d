// Scoring of a candidate move: weighted terms, compared with the position
// before the move (start). Every term is stated for the computer as the side
// that moved; the search always runs that way.
#include <cstdlib>

#include "engine/engine.h"
#include "settings/options.h"

namespace {
constexpr int32_t WeightShotRisk = 500;
constexpr int32_t WeightHitting = 5500;
constexpr int32_t WeightPointMaking = 8033;
constexpr int32_t WeightEscape = 7830;
constexpr int32_t WeightStacking = 1445;
constexpr int32_t WeightHolding = 3000;
constexpr int32_t WeightFullPrime = 40000;

// Six-point quarters a checker on entry i still has to cross.
int32_t CrossoverWeight(int i, int side) {
  if (side == SideComputer) {
    if (i <= 0) return 0;
    if (i >= kComputerBar) return 5;
    return (i - 1) / 6 + 1;
  }
  if (i <= 0) return 5;
  if (i >= kComputerBar) return 0;
  return 4 - (i - 1) / 6;
}
}  // namespace

int32_t Engine::MadePointRun(int side) const {
  int32_t n = 0;
  if (side == SideComputer) {
    for (int i = 1; i <= 6; ++i) n += MadePoint(i, side) ? 1 : 0;
    for (int i = 7; i <= 24 && MadePoint(i, side); ++i) ++n;
  } else if (side == SideHuman) {
    for (int i = 19; i <= 24; ++i) n += MadePoint(i, side) ? 1 : 0;
    for (int i = 18; i >= 1 && MadePoint(i, side); --i) ++n;
  }
  return n;
}

void Engine::CountMadePoints() {
  madePoints[0] = 0;
  madePoints[SideComputer] = MadePointRun(SideComputer);
  madePoints[SideHuman] = MadePointRun(SideHuman);
}

void Engine::CountHomeBlots() {
  homeBlots[0] = 0;
  int32_t c = 0;
  int32_t h = 0;
  for (int i = 1; i <= 6; ++i) c += Checkers(i, SideComputer) == 1 ? 1 : 0;
  for (int i = 19; i <= 24; ++i) h += Checkers(i, SideHuman) == 1 ? 1 : 0;
  homeBlots[SideComputer] = c;
  homeBlots[SideHuman] = h;
}

int32_t Engine::Crossovers(int side) {
  if (side != SideComputer && side != SideHuman) return 0;
  int32_t sum = 0;
  for (int i = 0; i <= kComputerBar; ++i) sum += CrossoverWeight(i, side) * Checkers(i, side);
  return sum;
}

int32_t Engine::CrossoverLead(int side) { return Crossovers(Opponent(side)) - Crossovers(side); }

void Engine::Evaluate() {
  CountMadePoints();
  CountHomeBlots();

  int32_t score;
  if (race) {
    score = RaceBearIn() + 2 * (Crossovers(SideHuman) - Crossovers(SideComputer));
  } else {
    switch (g_LevelOfPlay) {
      case 0: score = Escape(); break;
      case 1: score = Hitting() + PointMaking() + Escape(); break;
      case 2: score = WeightFullPrime * FullPrime() + Stacking() + Hitting() + PointMaking() + Escape(); break;
      default: score = 0; break;
    }
    score -= BlotExposure();
  }

  // Strictly greater: of equal scores the first sequence found stays.
  if (score > bestScore && dice != nullptr) {
    bestScore = score;
    const int n = DiceCount();
    for (int i = 0; i < 4; ++i) {
      bestFrom[i] = i < n ? from[i] : kNone;
      bestDice[i] = dice->die[i];
    }
  }
}

int32_t Engine::RaceBearIn() {
  if (!(Crossovers(SideHuman) - Crossovers(SideComputer) > 0 || AllHomeOf(SideComputer))) return 0;
  int32_t n = 0;
  for (int i = 1; i <= 6; ++i) n += (start[i].count == 0 && board[i]->count >= 1) ? 1 : 0;
  return n;
}

int32_t Engine::Hitting() {
  const int limit = (madePoints[SideHuman] + homeBlots[SideComputer] < 3 || madePoints[SideComputer] >= 3) ? 5 : 9;
  const bool lowHitsCount = madePoints[SideHuman] < 4 && homeBlots[SideComputer] < 2 && BackCheckers(SideComputer) > 0;
  int32_t lead = CrossoverLead(SideHuman);
  if (lead < 0) lead = 0;
  const int32_t base = 2 * (homeBlots[SideHuman] + madePoints[SideComputer]) + lead;

  int32_t total = 0;
  int hits = 0;
  for (int p = 24; p >= 1; --p) {
    if (start[p].owner != SideHuman || board[p]->owner == SideHuman) continue;
    // A hit deep in the computer's home counts only as a second hit.
    if (p < limit && !(hits > 0 && lowHitsCount)) continue;
    const int32_t term = p / 6 + base + ((board[p]->owner == SideComputer && p > 7) ? 1 : 0);
    total += WeightHitting * term;
    ++hits;
  }
  return total;
}

int32_t Engine::ShotRisk(int b) {
  if (!OnBoard(b)) return 0;
  const int32_t common = 6 * madePoints[SideHuman] + 2 * homeBlots[SideComputer] + (25 - b) / 6;
  int32_t sum = 0;
  for (int j = (b - 9 > 0 ? b - 9 : 0); j < b; ++j) {
    const Position* p = board[j];
    if (p->owner != SideHuman) continue;
    const int n = b - j;
    const int32_t t = ((n == 7 || n == 8) ? 1 : 0) + common - ((j > 6 && p->count == 2) ? 1 : 0);
    int32_t value = WeightShotRisk * t;
    if (j == kHumanBar) {
      const int reach = 6 + (madePoints[SideComputer] < 3 ? 1 : 0);
      if (*humanBar == 0 || b > reach) value /= 5;
    }
    sum += value;
  }
  return sum;
}

int32_t Engine::PointMaking() {
  const bool backCheckers = BackCheckers(SideComputer) > 1;
  const bool heavyBack = CountCheckers(18, 25, board, SideComputer) > 3;
  // Highest computer made point, the bar included.
  int highestMade = 0;
  for (int i = kComputerBar; i >= 1; --i)
    if (MadePoint(i, SideComputer)) {
      highestMade = i;
      break;
    }

  int32_t a = 0;
  int humanBehind = Checkers(0, SideHuman) + Checkers(1, SideHuman);  // CC(0, p, human) as p runs
  for (int p = 2; p <= 24; ++p) {
    humanBehind += Checkers(p, SideHuman);
    if (p >= 9 && highestMade <= p) continue;
    const int32_t w = 1 + 2 * ((p < 8 && backCheckers) ? 1 : 0) + ((p <= 6 && humanBehind > 0) ? 1 : 0) +
                      3 * ((p > 18 && heavyBack) ? 1 : 0);
    const bool madeNow = MadePoint(p, SideComputer);
    const bool madeBefore = start[p].owner == SideComputer && start[p].count >= 2;
    if (madeNow && !madeBefore) a += w;
    if (madeBefore && !madeNow) a -= w;
    if (Checkers(p, SideComputer) == 1 && ShotRisk(p) == 0) a += 1;
  }
  return WeightPointMaking * a;
}

int32_t Engine::Stacking() {
  int32_t sum = 0;
  for (int i = 1; i <= 24; ++i) {
    const Position* p = board[i];
    if (p->owner != SideComputer) continue;
    const int before = start[i].count;
    if (before <= 3) continue;
    if (p->count < before)
      ++sum;
    else if (p->count > before)
      --sum;
  }
  return WeightStacking * sum;
}

int32_t Engine::FullPrime() {
  int run = 0;
  for (int p = 24; p >= 1; --p) {
    if (!MadePoint(p, SideComputer)) {
      run = 0;
      continue;
    }
    if (++run == 6) return CountCheckers(0, p, board, SideHuman) > 0 ? 1 : 0;
  }
  return 0;
}

int32_t Engine::Escape() {
  const int32_t pipLead = PipCount(SideComputer) - PipCount(SideHuman);
  if (pipLead > 7 * CountCheckers(19, 24, board, SideComputer) && *humanOff < 7 &&
      CountCheckers(0, 9, board, SideHuman) == 0) {
    int32_t held = 0;
    for (int i = 19; i <= 24; ++i) held += MadePoint(i, SideComputer) ? 1 : 0;
    return WeightHolding * held;
  }

  int32_t made = 0;
  for (int i = 1; i <= 24; ++i) made += MadePoint(i, SideComputer) ? 1 : 0;
  const int32_t d = (3 * made) / 2 < 8 ? (3 * made) / 2 : 8;  // 1.5 x M, truncated
  const int e = 25 - d;
  int32_t a = 0;
  int before = 0;
  for (int i = e; i <= 24; ++i) {
    const int c0 = StartCheckers(i, SideComputer);
    before += c0;
    a += std::abs(i - e - 1) * (c0 - Checkers(i, SideComputer));
  }
  return before > 0 ? WeightEscape * a : 0;
}

int32_t Engine::BlotExposure() {
  const bool skipOuter = *humanBar > 0 && madePoints[SideComputer] >= 4;
  int32_t sum = 0;
  for (int b = 1; b <= 24; ++b) {
    if (Checkers(b, SideComputer) != 1) continue;
    if (skipOuter && b > 6) continue;
    sum += ShotRisk(b);
  }
  return sum;
}
