// The search with its table of positions seen against the plain search, which
// evaluates every sequence: seeded self-play games at each level must choose
// the same steps, scores and dice, and leave the same per-leaf values, on
// every move.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <utility>

#include "tests/engine/engine_fixture.h"

namespace {

// The search without any reuse: every step saves the whole board and puts it
// back, every sequence of all dice is evaluated.
class PlainSearch {
 public:
  PlainSearch(Engine& e, DiceRoller& d) : engine(e), dice(d) {}

  void ChooseMove() {
    leaves = 0;
    for (int i = 0; i < 4; ++i) engine.bestFrom[i] = engine.bestDice[i] = engine.from[i] = kNone;
    engine.bestScore = INT_MIN;
    for (int pass = 0; pass < 5 && Count() > 0; ++pass) {
      Enumerate(0);
      if (Count() == 2 && dice.die[0] != dice.die[1]) {
        std::swap(dice.die[0], dice.die[1]);
        Enumerate(0);
        if (engine.bestScore != INT_MIN) {
          std::swap(dice.die[0], dice.die[1]);
          break;
        }
      }
      if (engine.bestScore != INT_MIN) break;
      const int before = Count();
      engine.PruneDice();
      if (Count() >= before) break;
    }
    if (engine.bestScore == INT_MIN)
      for (int i = 0; i < 4; ++i) engine.bestFrom[i] = engine.bestDice[i] = kNone;
  }

  int32_t leaves = 0;

 private:
  int Count() const { return std::clamp(dice.count, 0, 4); }

  void Play(int s, int d) { engine.board[s]->Position::MoveTo(s - d >= 1 ? s - d : kComputerTray); }

  void Enumerate(int depth) {
    const int n = Count();
    const int d = dice.die[depth];
    if (d < 1 || d > 6) return;
    const int lowest = *engine.computerBar > 0 ? kComputerBar : 1;
    for (int s = kComputerBar; s >= lowest; --s) {
      engine.from[depth] = static_cast<uint8_t>(s);
      if (!engine.IsLegalStep(s, -d)) continue;
      Position* snap = snapshot[depth];
      for (int i = 0; i < kBoardSize; ++i) snap[i].CopyModel(*engine.board[i]);
      if (depth == 0)
        for (int i = 0; i < kBoardSize; ++i) engine.start[i].CopyModel(snap[i]);
      Play(s, d);
      if (depth + 1 == n) {
        engine.Evaluate();
        ++leaves;
      } else {
        Enumerate(depth + 1);
      }
      for (int i = 0; i < kBoardSize; ++i) engine.board[i]->CopyModel(snap[i]);
    }
  }

  Engine& engine;
  DiceRoller& dice;
  Position snapshot[4][kBoardSize];
};

// Everything a move choice leaves behind that anyone may read.
struct Choice {
  uint8_t from[4], dice[4], listed[4];
  int32_t count, score, made[3], blots[3];
  bool operator==(const Choice&) const = default;
};

Choice TakeChoice(const Engine& e, const DiceRoller& d) {
  Choice c{};
  for (int i = 0; i < 4; ++i) {
    c.from[i] = e.bestFrom[i];
    c.dice[i] = e.bestDice[i];
    c.listed[i] = d.die[i];
  }
  c.count = d.count;
  c.score = e.bestScore;
  for (int i = 0; i < 3; ++i) {
    c.made[i] = e.madePoints[i];
    c.blots[i] = e.homeBlots[i];
  }
  return c;
}

std::string Describe(const Choice& c) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += std::to_string(c.from[i]) + "/" + std::to_string(c.dice[i]) + " ";
  s += "list " + std::to_string(c.count) + ":";
  for (uint8_t d : c.listed) s += " " + std::to_string(d);
  s += " score " + std::to_string(c.score) + " made " + std::to_string(c.made[1]) + "," + std::to_string(c.made[2]) +
       " blots " + std::to_string(c.blots[1]) + "," + std::to_string(c.blots[2]);
  return s;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr int kGamesPerLevel = 100;  // the sanitizers run it ten times slower
constexpr int kRandomPositions = 500;
#else
constexpr int kGamesPerLevel = 2000;
constexpr int kRandomPositions = 10000;
#endif

// Both searches on one board, each with its own engine and dice object.
struct Pair {
  explicit Pair(Position** board) : plainEngine(board, &plainDice), fast(board, &fastDice) {}
  DiceRoller plainDice, fastDice;
  Engine plainEngine;
  Engine fast;
  PlainSearch plain{plainEngine, plainDice};

  // Rolls d0 and d1 for the computer and lets both search (the opening table
  // is search_test's); the failure names where.
  ::testing::AssertionResult Choose(int d0, int d1, const std::string& where) {
    for (DiceRoller* d : {&plainDice, &fastDice}) {
      for (uint8_t& v : d->die) v = kNone;
      d->count = 0;
      d->die[d->count++] = static_cast<uint8_t>(d0);
      d->die[d->count++] = static_cast<uint8_t>(d1);
      if (d0 == d1) {
        d->die[2] = d->die[3] = static_cast<uint8_t>(d0);
        d->count = 4;
      }
    }
    plainEngine.UpdateRace();
    fast.UpdateRace();
    const std::vector<int> before = BoardOf(fast.board);
    plain.ChooseMove();
    fast.ChooseMove(false);
    if (BoardOf(fast.board) != before) return ::testing::AssertionFailure() << where << ": the board changed";
    const Choice want = TakeChoice(plainEngine, plainDice);
    const Choice got = TakeChoice(fast, fastDice);
    if (!(got == want))
      return ::testing::AssertionFailure() << where << ":\n  plain " << Describe(want) << "\n  fast  " << Describe(got);
    if (fast.searchLeaves != plain.leaves)
      return ::testing::AssertionFailure() << where << ": " << fast.searchLeaves << " leaves, plain " << plain.leaves;
    return ::testing::AssertionSuccess();
  }
};

}  // namespace

class SearchEqualityTest : public EngineTest {};

TEST_F(SearchEqualityTest, SelfPlayChoosesAsThePlainSearch) {
  int moves = 0, pruned = 0, single = 0;
  for (int level = 0; level <= 2; ++level) {
    for (int game = 0; game < kGamesPerLevel; ++game) {
      std::mt19937 rng(static_cast<uint32_t>(level * 100003 + game));
      std::uniform_int_distribution<int> die(1, 6);
      TestBoard b;
      Pair pair(b.get());
      Engine& fast = pair.fast;
      int d0 = die(rng), d1 = die(rng);
      while (d0 == d1) d1 = die(rng);
      int side = d0 > d1 ? SideComputer : SideHuman;
      for (int move = 0; move < 400; ++move) {
        if (b.Count(kComputerTray) == kMaxCheckers || b.Count(kHumanTray) == kMaxCheckers) break;
        if (move > 0) {
          d0 = die(rng);
          d1 = die(rng);
        }
        // The human's move is found as the best-move command finds it.
        g_turn = SideComputer;
        g_LevelOfPlay = level;
        if (side == SideHuman) fast.MirrorBoard();
        const std::string where =
            "level " + std::to_string(level) + " game " + std::to_string(game) + " move " + std::to_string(move);
        ASSERT_TRUE(pair.Choose(d0, d1, where));

        const DiceRoller& dice = pair.fastDice;
        ++moves;
        pruned += dice.count < (d0 == d1 ? 4 : 2);
        single += dice.count == 1;
        for (int i = 0; i < dice.count; ++i) {
          const int s = fast.bestFrom[i], d = fast.bestDice[i];
          ASSERT_TRUE(fast.IsLegalStepFrom(s, static_cast<unsigned>(d))) << where;
          b[s]->Position::MoveTo(s - d >= 1 ? s - d : kComputerTray);
        }
        if (side == SideHuman) fast.MirrorBoard();
        ASSERT_TRUE(b.Complete()) << where;
        side = Opponent(side);
      }
    }
  }
  // The games reached shortened lists and single dice.
  EXPECT_GT(pruned, 0);
  EXPECT_GT(single, 0);
  std::printf("%d moves, %d with a shortened list, %d with one die\n", moves, pruned, single);
}

TEST_F(SearchEqualityTest, RandomPositionsChooseAsThePlainSearch) {
  // Checkers anywhere, many on the bars and behind blocks: dead ends at every
  // depth, which self-play rarely reaches. Every fourth board is a bear-off,
  // where both orders of two dice can reach one position with different dice left.
  g_turn = SideComputer;
  for (int round = 0; round < kRandomPositions; ++round) {
    std::mt19937 rng(static_cast<uint32_t>(round));
    TestBoard b("");
    for (int side : {SideComputer, SideHuman}) {
      const int bar = side == SideComputer ? kComputerBar : kHumanBar;
      const int tray = side == SideComputer ? kComputerTray : kHumanTray;
      for (int k = 0; k < kMaxCheckers; ++k) {
        Position* p;
        do {
          const int r = static_cast<int>(rng() % 30);
          if (side == SideComputer && round % 4 == 3)
            p = b[r < 20 ? r % 6 + 1 : kComputerTray];
          else
            p = b[r < 24 ? r + 1 : (r < 27 ? bar : tray)];
        } while (p->count > 0 && p->owner != side);
        p->owner = side;
        ++p->count;
        if (side == SideHuman && k < 14 && p != b[kHumanBar] && p != b[kHumanTray]) {
          ++p->count;
          ++k;
        }
      }
    }
    g_LevelOfPlay = static_cast<int>(rng() % 3);
    const int d0 = static_cast<int>(rng() % 6) + 1;
    const int d1 = round % 3 != 0 ? d0 : static_cast<int>(rng() % 6) + 1;
    Pair pair(b.get());
    ASSERT_TRUE(pair.Choose(d0, d1, "position " + std::to_string(round)));
  }
}
