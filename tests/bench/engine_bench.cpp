// Time of the computer's move choice at level 2 over a fixed set of
// positions: ordinary rolls, doubles, the slowest positions of self-play and
// constructed worst cases of many blots for every double. Besides Google
// Benchmark's own table it prints a summary with, per move, the sequences of
// the full tree (leaves), the distinct final positions scored, the median
// time of each group and the heap allocations.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "app/dice.h"
#include "engine/engine.h"
#include "settings/options.h"

// Counts every heap allocation of the process, so that the search can be
// shown to allocate nothing per tried step.
static long g_allocations = 0;

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

struct Stack {
  int index, count, owner;
};

struct Case {
  const char* group;
  const char* name;
  std::vector<Stack> stacks;  // empty: the starting position
  std::vector<int> dice;
};

const std::vector<Stack> kMiddle = {
    {24, 1, SideComputer}, {21, 1, SideComputer}, {13, 4, SideComputer}, {9, 1, SideComputer}, {8, 2, SideComputer},
    {6, 4, SideComputer},  {4, 2, SideComputer},  {1, 2, SideHuman},     {5, 1, SideHuman},    {12, 3, SideHuman},
    {17, 2, SideHuman},    {19, 3, SideHuman},    {20, 2, SideHuman},    {22, 2, SideHuman}};

const std::vector<Stack> kRace = {{6, 4, SideComputer}, {5, 3, SideComputer}, {4, 3, SideComputer},
                                  {3, 2, SideComputer}, {9, 2, SideComputer}, {26, 1, SideComputer},
                                  {19, 4, SideHuman},   {20, 4, SideHuman},   {21, 3, SideHuman},
                                  {23, 2, SideHuman},   {27, 2, SideHuman}};

// Fifteen computer blots among human blots: nearly every source is open at
// every depth.
const std::vector<Stack> kBlots = {
    {24, 1, SideComputer}, {23, 1, SideComputer}, {22, 1, SideComputer}, {21, 1, SideComputer}, {20, 1, SideComputer},
    {18, 1, SideComputer}, {16, 1, SideComputer}, {14, 1, SideComputer}, {13, 1, SideComputer}, {11, 1, SideComputer},
    {9, 1, SideComputer},  {8, 1, SideComputer},  {6, 1, SideComputer},  {4, 1, SideComputer},  {2, 1, SideComputer},
    {1, 1, SideHuman},     {3, 1, SideHuman},     {5, 1, SideHuman},     {7, 1, SideHuman},     {10, 1, SideHuman},
    {12, 1, SideHuman},    {15, 1, SideHuman},    {17, 1, SideHuman},    {19, 2, SideHuman},    {0, 5, SideHuman}};

// The positions of 3000 seeded self-play games at level 2 whose doubles have
// the most sequences.
const std::vector<Stack> kSelfPlay1 = {
    {3, 2, SideComputer}, {4, 2, SideComputer}, {5, 2, SideComputer},  {6, 2, SideComputer},  {7, 2, SideComputer},
    {8, 1, SideComputer}, {9, 1, SideComputer}, {10, 1, SideComputer}, {12, 1, SideComputer}, {13, 1, SideComputer},
    {23, 3, SideHuman},   {24, 1, SideHuman},   {27, 11, SideHuman}};
const std::vector<Stack> kSelfPlay2 = {
    {2, 2, SideComputer},  {4, 2, SideComputer},  {6, 2, SideComputer},  {7, 2, SideComputer},  {8, 2, SideComputer},
    {11, 1, SideComputer}, {13, 2, SideComputer}, {19, 1, SideComputer}, {21, 1, SideComputer}, {22, 1, SideHuman},
    {23, 2, SideHuman},    {24, 5, SideHuman},    {27, 7, SideHuman}};
const std::vector<Stack> kSelfPlay3 = {
    {1, 1, SideHuman},     {2, 2, SideComputer},  {4, 2, SideComputer},  {6, 2, SideComputer},  {7, 2, SideComputer},
    {10, 2, SideComputer}, {11, 2, SideComputer}, {13, 1, SideComputer}, {14, 1, SideComputer}, {16, 1, SideComputer},
    {21, 2, SideHuman},    {23, 5, SideHuman},    {24, 5, SideHuman},    {27, 2, SideHuman}};

// For each double the position with the most distinct final positions that a
// hill climb over random positions found: computer blots that every die can
// move, human checkers on the bar or alone, so that nothing blocks.
const std::vector<Stack> kWorst[6] = {
    {{0, 10, SideHuman},    {1, 1, SideHuman},     {2, 1, SideHuman},     {3, 1, SideComputer},  {4, 1, SideComputer},
     {6, 1, SideComputer},  {7, 1, SideComputer},  {8, 1, SideHuman},     {9, 1, SideComputer},  {10, 1, SideComputer},
     {12, 1, SideComputer}, {13, 1, SideComputer}, {15, 1, SideComputer}, {16, 1, SideComputer}, {17, 1, SideHuman},
     {18, 1, SideComputer}, {20, 1, SideComputer}, {21, 1, SideComputer}, {22, 1, SideHuman},    {23, 1, SideComputer},
     {24, 1, SideComputer}},
    {{0, 7, SideHuman},     {1, 1, SideHuman},     {2, 1, SideHuman},     {3, 1, SideHuman},     {4, 1, SideHuman},
     {5, 1, SideComputer},  {6, 1, SideComputer},  {7, 1, SideComputer},  {8, 1, SideComputer},  {9, 1, SideComputer},
     {10, 1, SideHuman},    {12, 1, SideComputer}, {13, 1, SideComputer}, {14, 1, SideComputer}, {15, 1, SideComputer},
     {16, 1, SideHuman},    {17, 1, SideHuman},    {18, 1, SideComputer}, {19, 1, SideComputer}, {20, 1, SideComputer},
     {21, 1, SideComputer}, {22, 1, SideHuman},    {23, 1, SideComputer}, {24, 1, SideComputer}},
    {{0, 10, SideHuman},    {3, 1, SideHuman},     {5, 1, SideHuman},     {6, 1, SideHuman},     {7, 1, SideComputer},
     {8, 1, SideComputer},  {9, 1, SideComputer},  {10, 1, SideComputer}, {11, 1, SideComputer}, {12, 1, SideComputer},
     {13, 1, SideComputer}, {14, 1, SideComputer}, {15, 1, SideComputer}, {16, 1, SideHuman},    {18, 1, SideHuman},
     {19, 1, SideComputer}, {20, 1, SideComputer}, {21, 1, SideComputer}, {22, 1, SideComputer}, {23, 1, SideComputer},
     {24, 1, SideComputer}},
    {{0, 10, SideHuman},    {5, 1, SideHuman},     {6, 1, SideHuman},     {7, 1, SideHuman},     {8, 1, SideHuman},
     {9, 1, SideComputer},  {10, 1, SideComputer}, {11, 1, SideComputer}, {12, 1, SideComputer}, {13, 1, SideComputer},
     {14, 1, SideComputer}, {15, 1, SideComputer}, {16, 1, SideComputer}, {17, 1, SideComputer}, {18, 1, SideHuman},
     {19, 1, SideComputer}, {20, 1, SideComputer}, {21, 1, SideComputer}, {22, 1, SideComputer}, {23, 1, SideComputer},
     {24, 1, SideComputer}},
    {{0, 12, SideHuman},
     {1, 1, SideHuman},
     {2, 1, SideHuman},
     {7, 1, SideComputer},
     {10, 1, SideHuman},
     {11, 1, SideComputer},
     {12, 1, SideComputer},
     {13, 1, SideComputer},
     {14, 1, SideComputer},
     {15, 1, SideComputer},
     {16, 1, SideComputer},
     {17, 1, SideComputer},
     {18, 1, SideComputer},
     {19, 1, SideComputer},
     {20, 1, SideComputer},
     {21, 1, SideComputer},
     {22, 1, SideComputer},
     {23, 1, SideComputer},
     {24, 1, SideComputer}},
    {{0, 11, SideHuman},    {4, 1, SideHuman},     {6, 1, SideHuman},     {8, 1, SideComputer},  {9, 1, SideHuman},
     {10, 1, SideComputer}, {11, 1, SideHuman},    {12, 1, SideComputer}, {13, 1, SideComputer}, {14, 1, SideComputer},
     {15, 1, SideComputer}, {16, 1, SideComputer}, {17, 1, SideComputer}, {18, 1, SideComputer}, {19, 1, SideComputer},
     {20, 1, SideComputer}, {21, 1, SideComputer}, {22, 1, SideComputer}, {23, 1, SideComputer}, {24, 1, SideComputer}},
};

const std::vector<Case> kCases = {
    {"ordinary", "start 3-1", {}, {3, 1}},
    {"ordinary", "start 6-5", {}, {6, 5}},
    {"ordinary", "start 4-2", {}, {4, 2}},
    {"ordinary", "start 6-4", {}, {6, 4}},
    {"ordinary", "middle 5-3", kMiddle, {5, 3}},
    {"ordinary", "middle 6-2", kMiddle, {6, 2}},
    {"ordinary", "middle 4-1", kMiddle, {4, 1}},
    {"ordinary", "race 5-2", kRace, {5, 2}},
    {"ordinary", "blots 6-3", kBlots, {6, 3}},
    {"doubles", "start 3-3", {}, {3, 3, 3, 3}},
    {"doubles", "start 6-6", {}, {6, 6, 6, 6}},
    {"doubles", "middle 2-2", kMiddle, {2, 2, 2, 2}},
    {"doubles", "middle 4-4", kMiddle, {4, 4, 4, 4}},
    {"doubles", "race 2-2", kRace, {2, 2, 2, 2}},
    {"worst", "blots 1-1", kBlots, {1, 1, 1, 1}},
    {"worst", "blots 2-2", kBlots, {2, 2, 2, 2}},
    {"worst", "blots 3-3", kBlots, {3, 3, 3, 3}},
    {"selfplay", "endgame 2-2", kSelfPlay1, {2, 2, 2, 2}},
    {"selfplay", "endgame 1-1", kSelfPlay2, {1, 1, 1, 1}},
    {"selfplay", "contact 1-1", kSelfPlay3, {1, 1, 1, 1}},
    {"worst", "built 1-1", kWorst[0], {1, 1, 1, 1}},
    {"worst", "built 2-2", kWorst[1], {2, 2, 2, 2}},
    {"worst", "built 3-3", kWorst[2], {3, 3, 3, 3}},
    {"worst", "built 4-4", kWorst[3], {4, 4, 4, 4}},
    {"worst", "built 5-5", kWorst[4], {5, 5, 5, 5}},
    {"worst", "built 6-6", kWorst[5], {6, 6, 6, 6}},
};

// A live board built the way the game builds it, without drawing.
class Board {
 public:
  explicit Board(const std::vector<Stack>& stacks) {
    if (stacks.empty()) {
      CreateBoard(entries, true);
      return;
    }
    std::memset(g_BoardRecord, 0, sizeof g_BoardRecord);
    for (const Stack& s : stacks) {
      g_BoardRecord[s.index].count = static_cast<uint8_t>(s.count);
      g_BoardRecord[s.index].owner = s.owner;
    }
    CreateBoard(entries, false);
  }
  ~Board() { DestroyBoard(entries); }
  Position* entries[kBoardSize] = {};
};

void SetDice(DiceRoller& dice, const std::vector<int>& values) {
  dice.count = 0;
  for (uint8_t& d : dice.die) d = kNone;
  for (int v : values) dice.die[dice.count++] = static_cast<uint8_t>(v);
}

void BM_ChooseMove(benchmark::State& state, const Case* c) {
  g_turn = SideComputer;
  g_LevelOfPlay = 2;
  Board board(c->stacks);
  DiceRoller dice;
  Engine engine(board.entries, &dice);
  for (auto _ : state) {
    SetDice(dice, c->dice);
    engine.ChooseMove(false);
    benchmark::DoNotOptimize(engine.bestFrom);
  }
}

// Median, 90th percentile and worst time of single moves of each group.
void PrintSummary() {
  g_turn = SideComputer;
  g_LevelOfPlay = 2;
  std::printf("\nSummary (level 2, time per move):\n");
  std::printf("%-10s %-12s %6s %8s %8s %11s %11s %11s %7s\n", "group", "position", "runs", "leaves", "distinct",
              "median ms", "p90 ms", "max ms", "allocs");
  constexpr int kGroups = 4;
  std::vector<double> all[kGroups];
  const char* groups[kGroups] = {"ordinary", "doubles", "selfplay", "worst"};
  for (const Case& c : kCases) {
    Board board(c.stacks);
    DiceRoller dice;
    Engine engine(board.entries, &dice);
    std::vector<double> times;
    long allocations = 0;
    const int runs = std::string(c.group) == "worst" ? 50 : 500;
    for (int i = 0; i < runs; ++i) {
      SetDice(dice, c.dice);
      const long before = g_allocations;
      const auto t0 = std::chrono::steady_clock::now();
      engine.ChooseMove(false);
      const auto t1 = std::chrono::steady_clock::now();
      allocations += g_allocations - before;
      times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    for (int g = 0; g < kGroups; ++g)
      if (std::string(c.group) == groups[g]) all[g].insert(all[g].end(), times.begin(), times.end());
    std::sort(times.begin(), times.end());
    std::printf("%-10s %-12s %6d %8d %8d %11.4f %11.4f %11.4f %7ld\n", c.group, c.name, runs, engine.searchLeaves,
                engine.searchScored, times[times.size() / 2], times[times.size() * 9 / 10], times.back(),
                allocations / runs);
  }
  for (int g = 0; g < kGroups; ++g) {
    std::vector<double>& t = all[g];
    std::sort(t.begin(), t.end());
    std::printf("%-10s %-12s %6zu %8s %8s %11.4f %11.4f %11.4f\n", groups[g], "(all)", t.size(), "", "",
                t[t.size() / 2], t[t.size() * 9 / 10], t.back());
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const Case& c : kCases)
    benchmark::RegisterBenchmark((std::string(c.group) + "/" + c.name).c_str(), BM_ChooseMove, &c)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintSummary();
  return 0;
}
