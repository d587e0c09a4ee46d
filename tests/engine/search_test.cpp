// The opening table, the exhaustive search and the end-for-end board turn.
#include <string>
#include <utility>
#include <vector>

#include "tests/engine/engine_fixture.h"

class SearchTest : public EngineTest {
 protected:
  // Plays the chosen steps on the model, each checked before it is made.
  bool PlayBest(Engine& e, TestBoard& b, int steps) {
    for (int i = 0; i < steps; ++i) {
      const int s = e.bestFrom[i];
      const int d = e.bestDice[i];
      if (s > 25 || d < 1 || d > 6 || !e.IsLegalStepFrom(s, static_cast<unsigned>(d))) return false;
      const int to = s - d >= 1 ? s - d : kComputerTray;
      b[s]->Position::MoveTo(to);
    }
    return true;
  }
};

// Where the opening table is not used but the move searched: a lower level
// (a fresh engine each, so that no score of an earlier search remains), not
// the first move, doubles, dice outside 1 to 6, and a board on which the
// table's steps are not legal (a loaded position: 18 is the human's).
TEST_F(SearchTest, OpeningMovesSearchedInstead) {
  g_turn = SideComputer;
  for (int level : {0, 1}) {
    TestBoard fresh;
    Engine lower(fresh.get(), &dice);
    g_LevelOfPlay = level;
    SetDice({3, 1});
    lower.ChooseMove(true);
    EXPECT_NE(lower.bestScore, INT_MIN) << level;
  }
  g_LevelOfPlay = 2;
  TestBoard loaded("24:2c 13:5c 8:3c 6:5c 1:2h 12:5h 18:3h 19:5h");
  Engine el(loaded.get(), &dice);
  SetDice({6, 5});
  el.ChooseMove(true);
  EXPECT_NE(el.bestScore, INT_MIN);
  TestBoard b;
  Engine e(b.get(), &dice);
  e.ChooseMove(false);
  EXPECT_NE(e.bestScore, INT_MIN);
  SetDice({3, 3, 3, 3});
  e.ChooseMove(true);
  EXPECT_NE(e.bestScore, INT_MIN);
  EXPECT_EQ(dice.count, 4);
  SetDice({7, 3});
  e.ChooseMove(true);
  EXPECT_EQ(dice.count, 1);
  EXPECT_EQ(e.bestDice[0], 3);
  EXPECT_EQ(e.bestFrom[1], kNone);
}

// The whole table: the steps each pair of different dice plays from the
// starting position (the computer moves from s to s - die).
TEST_F(SearchTest, OpeningTableMoves) {
  g_turn = SideComputer;
  g_LevelOfPlay = 2;
  const struct {
    int a, b;
    std::vector<std::pair<int, int>> steps;
  } kTable[] = {{1, 2, {{24, 23}, {13, 11}}}, {1, 3, {{8, 5}, {6, 5}}},     {1, 4, {{24, 23}, {13, 9}}},
                {1, 5, {{24, 23}, {13, 8}}},  {1, 6, {{13, 7}, {8, 7}}},    {2, 3, {{24, 21}, {13, 11}}},
                {2, 4, {{8, 4}, {6, 4}}},     {2, 5, {{24, 22}, {13, 8}}},  {2, 6, {{24, 18}, {13, 11}}},
                {3, 4, {{24, 21}, {13, 9}}},  {3, 5, {{8, 3}, {6, 3}}},     {3, 6, {{24, 18}, {13, 10}}},
                {4, 5, {{24, 20}, {13, 8}}},  {4, 6, {{24, 20}, {20, 14}}}, {6, 5, {{24, 18}, {18, 13}}}};
  for (const auto& row : kTable)
    for (const bool swapped : {false, true}) {
      SCOPED_TRACE(std::to_string(row.a) + (swapped ? " swapped" : ""));
      TestBoard played;
      TestBoard expected;
      Engine e(played.get(), &dice);
      SetDice({swapped ? row.b : row.a, swapped ? row.a : row.b});
      e.ChooseMove(true);
      if (row.a == 6 && swapped) {
        EXPECT_NE(e.bestScore, INT_MIN) << "5 then 6 is searched";
        continue;
      }
      EXPECT_EQ(e.bestScore, INT_MIN) << "from the table";
      ASSERT_TRUE(PlayBest(e, played, 2));
      for (const auto& [from, to] : row.steps) expected[from]->Position::MoveTo(to);
      EXPECT_EQ(BoardOf(played.get()), BoardOf(expected.get()));
    }
}

// Whole searches at each level on a few positions: the chosen steps and the
// best score. Any term of a level's score that is left out or changed moves
// at least one of them.
TEST_F(SearchTest, GoldenSearches) {
  const char* const kPositions[] = {
      // both sides with blots, the computer able to hit
      "24:2c 13:4c 8:3c 6:4c 5:1c 3:1c 1:2h 4:1h 10:1h 12:4h 17:3h 19:4h",
      // the computer building a prime with a checker of the human's behind it
      "2:1h 8:3c 7:3c 6:3c 5:2c 13:3c 24:1c 11:1h 16:3h 19:5h 20:5h",
      // a checker of the computer's on the bar
      "25:1c 13:5c 8:3c 6:5c 1:1c 2:2h 4:1h 12:5h 17:3h 19:4h",
      // a sixth point in a row makes a full prime
      "8:2c 7:2c 6:2c 5:2c 4:2c 13:4c 12:1c 1:2h 19:5h 20:4h 21:4h",
  };
  // position, dice, level, best score, sources in playing order
  const struct {
    int position, d0, d1, level, score;
    int from[4];
  } kGolden[] = {
      {0, 6, 4, 0, -12100, {13, 7, 255, 255}},  {0, 6, 4, 1, 20032, {13, 7, 255, 255}},
      {0, 6, 4, 2, 21477, {13, 7, 255, 255}},   {0, 3, 1, 0, 0, {6, 6, 255, 255}},
      {0, 3, 1, 1, 64264, {6, 6, 255, 255}},    {0, 3, 1, 2, 65709, {6, 6, 255, 255}},
      {0, 2, 2, 0, 40540, {24, 24, 22, 22}},    {0, 2, 2, 1, 67424, {24, 6, 6, 5}},
      {0, 2, 2, 2, 68869, {24, 6, 6, 5}},       {1, 6, 4, 0, 32650, {24, 18, 255, 255}},
      {1, 6, 4, 1, 32650, {24, 18, 255, 255}},  {1, 6, 4, 2, 32650, {24, 18, 255, 255}},
      {1, 3, 1, 0, 5490, {24, 8, 255, 255}},    {1, 3, 1, 1, 5490, {24, 8, 255, 255}},
      {1, 3, 1, 2, 5490, {24, 8, 255, 255}},    {1, 2, 2, 0, 15660, {24, 13, 13, 13}},
      {1, 2, 2, 1, 147193, {24, 13, 6, 4}},     {1, 2, 2, 2, 147193, {24, 13, 6, 4}},
      {2, 6, 4, 0, -5700, {25, 21, 255, 255}},  {2, 6, 4, 1, -5700, {25, 21, 255, 255}},
      {2, 6, 4, 2, -5700, {25, 21, 255, 255}},  {2, 3, 1, 0, -13200, {25, 22, 255, 255}},
      {2, 3, 1, 1, -13200, {25, 22, 255, 255}}, {2, 3, 1, 2, -13200, {25, 22, 255, 255}},
      {2, 2, 2, 0, -9200, {25, 13, 13, 13}},    {2, 2, 2, 1, 2066, {25, 8, 6, 6}},
      {2, 2, 2, 2, 3511, {25, 8, 6, 6}},        {3, 4, 3, 1, 8033, {13, 12, 255, 255}},
      {3, 4, 3, 2, 49478, {13, 12, 255, 255}},
  };
  for (const auto& g : kGolden) {
    SCOPED_TRACE(::testing::Message() << g.position << ": " << g.d0 << "-" << g.d1 << " level " << g.level);
    TestBoard b(kPositions[g.position]);
    g_LevelOfPlay = g.level;
    Engine e(b.get(), &dice);
    if (g.d0 == g.d1)
      SetDice({g.d0, g.d0, g.d0, g.d0});
    else
      SetDice({g.d0, g.d1});
    e.ChooseMove(false);
    EXPECT_EQ(e.bestScore, g.score);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(e.bestFrom[i], g.from[i]) << i;
  }
}

TEST_F(SearchTest, NothingToPlay) {
  g_turn = SideComputer;
  g_LevelOfPlay = 2;
  // An empty list, e.g. after a best move that could play nothing.
  TestBoard b;
  Engine e(b.get(), &dice);
  SetDice({3, 1});
  e.ChooseMove(false);
  ASSERT_NE(e.bestFrom[0], kNone);
  SetDice({});
  EXPECT_GE(e.ChooseMove(false), 0);
  for (uint8_t f : e.bestFrom) EXPECT_EQ(f, kNone);
  EXPECT_EQ(dice.count, 0);
  dice.count = -1;
  e.ChooseMove(true);
  for (uint8_t f : e.bestFrom) EXPECT_EQ(f, kNone);

  // On the bar with every entry point closed.
  TestBoard closed(kComputerShutOut + " 6:14c");
  Engine ec(closed.get(), &dice);
  const std::vector<int> before = BoardOf(closed.get());
  for (int d = 1; d <= 6; ++d) {
    SetDice({d, d, d, d});
    ec.ChooseMove(false);
    EXPECT_EQ(dice.count, 0);
    for (uint8_t f : ec.bestFrom) EXPECT_EQ(f, kNone);
  }
  EXPECT_EQ(BoardOf(closed.get()), before);
}

TEST_F(SearchTest, ShortenedListsFollowTheListOrder) {
  g_turn = SideComputer;
  g_LevelOfPlay = 2;
  // Either die alone can be played from 24, but not both: 13 is blocked.
  const char* const stacks = "24:1c 1:14c 14:2h 13:2h 20:11h";
  {
    TestBoard b(stacks);
    Engine e(b.get(), &dice);
    SetDice({6, 5});
    e.ChooseMove(false);
    // The greedy pass runs on the exchanged order and keeps the 5.
    ASSERT_EQ(dice.count, 1);
    EXPECT_EQ(e.bestFrom[0], 24);
    EXPECT_EQ(e.bestDice[0], 5);
    EXPECT_EQ(e.bestFrom[1], kNone);
  }
  {
    TestBoard b(stacks);
    Engine e(b.get(), &dice);
    SetDice({5, 6});
    e.ChooseMove(false);
    ASSERT_EQ(dice.count, 1);
    EXPECT_EQ(e.bestDice[0], 6);
  }
  {
    // Only 1 then 6 plays the checker on 13 (7 is blocked): found in the exchanged order.
    TestBoard b("13:1c 26:14c 7:2h 20:13h");
    Engine e(b.get(), &dice);
    SetDice({6, 1});
    e.ChooseMove(false);
    ASSERT_EQ(dice.count, 2);
    EXPECT_EQ(e.bestFrom[0], 13);
    EXPECT_EQ(e.bestFrom[1], 12);
    EXPECT_EQ(e.bestDice[0], 1);
    EXPECT_EQ(e.bestDice[1], 6);
    // The dice object keeps the roll's order.
    EXPECT_EQ(dice.die[0], 6);
    EXPECT_EQ(dice.die[1], 1);
  }
}

TEST_F(SearchTest, TiesKeepTheFirstSequence) {
  g_turn = SideComputer;
  g_LevelOfPlay = 2;
  // A race in which every sequence scores the same.
  TestBoard b("17:1c 16:1c 26:13c 24:15h");
  Engine e(b.get(), &dice);
  ASSERT_TRUE(e.race);
  SetDice({2, 1});
  e.ChooseMove(false);
  EXPECT_EQ(e.bestScore, 18);
  EXPECT_EQ(e.bestFrom[0], 17);
  EXPECT_EQ(e.bestFrom[1], 16);
  EXPECT_EQ(e.bestDice[0], 2);
  EXPECT_EQ(e.bestDice[1], 1);
  SetDice({1, 2});
  e.ChooseMove(false);
  EXPECT_EQ(e.bestFrom[0], 17);
  EXPECT_EQ(e.bestFrom[1], 16);
  EXPECT_EQ(e.bestDice[0], 1);
  EXPECT_EQ(e.bestDice[1], 2);
}

TEST_F(SearchTest, ChosenStepsAreLegalAndTheBoardIsKept) {
  g_turn = SideComputer;
  const char* const middle = "24:1c 21:1c 13:4c 9:1c 8:2c 6:4c 4:2c 1:2h 5:1h 12:3h 17:2h 19:3h 20:2h 22:2h";
  for (int level = 0; level <= 2; ++level) {
    g_LevelOfPlay = level;
    for (int useMiddle = 0; useMiddle <= 1; ++useMiddle)
      for (int a = 1; a <= 6; ++a)
        for (int c = a; c <= 6; ++c) {
          TestBoard b = useMiddle ? TestBoard(middle) : TestBoard();
          Engine e(b.get(), &dice);
          const std::vector<int> before = BoardOf(b.get());
          if (a == c)
            SetDice({a, a, a, a});
          else
            SetDice({a, c});
          e.ChooseMove(false);
          EXPECT_EQ(BoardOf(b.get()), before);
          if (!useMiddle) {
            EXPECT_EQ(dice.count, a == c ? 4 : 2);  // every roll plays in full from the start
          }
          EXPECT_TRUE(PlayBest(e, b, dice.count)) << level << a << c;
          for (int i = dice.count; i < 4; ++i) EXPECT_EQ(e.bestFrom[i], kNone);
        }
  }
}

TEST_F(SearchTest, MirrorBoardTwiceIsTheIdentity) {
  TestBoard b("0:1h 3:2h 10:4c 13:3h 26:5c 24:2c 6:4c 27:9h");
  for (int i = 0; i < kBoardSize; ++i) {
    b[i]->x = 100 + i;
    b[i]->y = 200 + i;
    b[i]->rect = Rect{i, i + 1, i + 2, i + 3};
  }
  Engine e(b.get(), &dice);
  const std::vector<int> before = BoardOf(b.get());
  e.MirrorBoard();
  // The human's checkers now stand where the computer's would.
  EXPECT_EQ(b.Count(25), 1);
  EXPECT_EQ(b.Owner(25), SideComputer);
  EXPECT_EQ(b.Owner(0), SideHuman);
  EXPECT_EQ(b.Count(22), 2);
  EXPECT_EQ(b.Owner(22), SideComputer);
  EXPECT_EQ(b.Count(15), 4);
  EXPECT_EQ(b.Owner(15), SideHuman);
  EXPECT_EQ(b.Count(26), 9);
  EXPECT_EQ(b.Count(27), 5);
  EXPECT_EQ(b.Owner(2), SideNone);
  EXPECT_EQ(b[25]->number, 0);
  EXPECT_EQ(b[25]->x, 100);

  e.MirrorBoard();
  EXPECT_EQ(BoardOf(b.get()), before);
  for (int i = 0; i < kBoardSize; ++i) {
    EXPECT_EQ(b[i]->number, i);
    EXPECT_EQ(b[i]->x, 100 + i);
    EXPECT_EQ(b[i]->y, 200 + i);
    EXPECT_EQ(b[i]->rect.left, i);
    EXPECT_EQ(b[i]->rect.bottom, i + 3);
  }

  // The best move for the human: mirrored, searched as the computer, mirrored back.
  g_turn = SideComputer;
  g_LevelOfPlay = 2;
  e.MirrorBoard();
  SetDice({4, 2});
  e.ChooseMove(false);
  e.MirrorBoard();
  EXPECT_EQ(BoardOf(b.get()), before);
  EXPECT_EQ(e.bestFrom[0], 25);  // the human's bar checker enters first
}
