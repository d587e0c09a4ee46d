// The evaluation terms on small hand-made boards, and how Evaluate combines
// them and keeps the best sequence.
#include "tests/engine/engine_fixture.h"

using EvaluateTest = EngineTest;

namespace {
void Step(TestBoard& b, int from, int to) { b[from]->Position::MoveTo(to); }
}  // namespace

TEST_F(EvaluateTest, CountsPipsAndCrossovers) {
  TestBoard b;
  Engine e(b.get(), &dice);
  EXPECT_EQ(e.PipCount(SideComputer), 167);
  EXPECT_EQ(e.PipCount(SideHuman), 167);
  EXPECT_EQ(e.Crossovers(SideComputer), 34);
  EXPECT_EQ(e.Crossovers(SideHuman), 34);
  EXPECT_EQ(e.CrossoverLead(SideHuman), 0);
  EXPECT_EQ(e.Crossovers(SideNone), 0);

  // Bars weigh five quarters and 25 pips, trays nothing.
  TestBoard c("25:1c 26:14c 0:2h 19:1h 27:12h");
  Engine ec(c.get(), &dice);
  EXPECT_EQ(ec.Crossovers(SideComputer), 5);
  EXPECT_EQ(ec.Crossovers(SideHuman), 11);
  EXPECT_EQ(ec.CrossoverLead(SideComputer), 6);
  EXPECT_EQ(ec.PipCount(SideComputer), 25);
  EXPECT_EQ(ec.PipCount(SideHuman), 56);
}

TEST_F(EvaluateTest, MadePointsAndHomeBlots) {
  TestBoard b("1:2c 3:1c 6:2c 7:3c 8:2c 10:2c 24:2h 22:1h 18:2h 17:2h 15:2h");
  Engine e(b.get(), &dice);
  e.CountMadePoints();
  e.CountHomeBlots();
  EXPECT_EQ(e.madePoints[SideComputer], 4);  // 1, 6, then the run 7 and 8; 10 is cut off
  EXPECT_EQ(e.madePoints[SideHuman], 3);     // 24, then 18 and 17; 15 is cut off
  EXPECT_EQ(e.homeBlots[SideComputer], 1);
  EXPECT_EQ(e.homeBlots[SideHuman], 1);
  EXPECT_EQ(e.madePoints[0], 0);
}

TEST_F(EvaluateTest, ShotRiskFromPointsAndTheBar) {
  // A computer blot on 5 alone in the home board; the human holds 20.
  TestBoard b("5:1c 13:14c 20:2h 22:13h");
  Engine e(b.get(), &dice);
  e.CountMadePoints();
  e.CountHomeBlots();
  ASSERT_EQ(e.madePoints[SideHuman], 2);
  ASSERT_EQ(e.homeBlots[SideComputer], 1);
  // Only the empty human bar reaches it: 6x2 + 2x1 + 20/6 = 17 shots' worth, a fifth of it.
  EXPECT_EQ(e.ShotRisk(5), 500 * 17 / 5);
  // With a checker on the bar it counts in full (5 <= 6 + 1).
  b[0]->count = 1;
  EXPECT_EQ(e.ShotRisk(5), 500 * 17);
  b[0]->count = 0;

  // A human blot three below adds a direct shot; a human point of two beyond 6 one less.
  TestBoard c("15:1c 13:14c 8:2h 12:1h 27:12h");
  Engine ec(c.get(), &dice);
  ec.CountMadePoints();
  ec.CountHomeBlots();
  ASSERT_EQ(ec.madePoints[SideHuman], 0);
  ASSERT_EQ(ec.homeBlots[SideComputer], 0);
  // From 12 (n 3): 10/6 = 1; from 8 (n 7): 1 + 1 - 1 = 1; the bar is out of reach (15 - 9 = 6).
  EXPECT_EQ(ec.ShotRisk(15), 500 * 1 + 500 * 1);
  EXPECT_EQ(ec.ShotRisk(0), 0);
  EXPECT_EQ(ec.ShotRisk(30), 0);
}

TEST_F(EvaluateTest, PointMakingAndSafeBlots) {
  // 8 to 5 makes the 5-point with back checkers out and a human checker behind.
  TestBoard b("5:1c 8:1c 24:2c 13:11c 1:1h 19:14h");
  Engine e(b.get(), &dice);
  g_turn = SideComputer;
  MarkStart(e, b);
  Step(b, 8, 5);
  e.CountMadePoints();
  e.CountHomeBlots();
  EXPECT_EQ(e.PointMaking(), 8033 * (1 + 2 + 1));

  // Breaking the point again loses the same weight.
  MarkStart(e, b);
  Step(b, 5, 2);
  e.CountMadePoints();
  e.CountHomeBlots();
  // 5 broken (-4); the blots on 5 and 2 are within reach of the bar (risk > 0).
  EXPECT_EQ(e.PointMaking(), -8033 * 4);

  // A blot far from every human checker is worth +1 when a made point lies above it.
  TestBoard c("15:1c 24:14c 20:15h");
  Engine ec(c.get(), &dice);
  MarkStart(ec, c);
  ec.CountMadePoints();
  ec.CountHomeBlots();
  EXPECT_EQ(ec.ShotRisk(15), 0);
  EXPECT_EQ(ec.PointMaking(), 8033);
}

TEST_F(EvaluateTest, HittingLowCountsOnlyAfterAHigherHit) {
  const char* const stacks = "5:1c 12:1c 20:1c 26:12c 3:1h 10:1h 22:2h 24:1h 27:10h";
  g_turn = SideComputer;
  {
    TestBoard b(stacks);
    Engine e(b.get(), &dice);
    MarkStart(e, b);
    Step(b, 5, 3);  // hits on 3 alone
    e.CountMadePoints();
    e.CountHomeBlots();
    EXPECT_EQ(b.Count(0), 1);
    EXPECT_EQ(e.Hitting(), 0);
  }
  {
    TestBoard b(stacks);
    Engine e(b.get(), &dice);
    MarkStart(e, b);
    Step(b, 12, 10);
    Step(b, 5, 3);
    e.CountMadePoints();
    e.CountHomeBlots();
    // limit 5; on 10: 10/6 + 2 x 1 + 1 (owned above 7) = 4; on 3: 0 + 2 = 2.
    EXPECT_EQ(e.Hitting(), 5500 * 4 + 5500 * 2);
  }
  {
    // Without a computer checker on 14 to 25 the low hit stays uncounted.
    TestBoard b(stacks);
    b[20]->count = 0;
    b[20]->owner = SideNone;
    Engine e(b.get(), &dice);
    MarkStart(e, b);
    Step(b, 12, 10);
    Step(b, 5, 3);
    e.CountMadePoints();
    e.CountHomeBlots();
    EXPECT_EQ(e.Hitting(), 5500 * 4);
  }
}

TEST_F(EvaluateTest, StackingAndFullPrime) {
  TestBoard b("6:5c 8:4c 13:6c 20:15h");
  Engine e(b.get(), &dice);
  g_turn = SideComputer;
  MarkStart(e, b);
  Step(b, 6, 2);   // 6 thins out: +1
  Step(b, 13, 8);  // 8 grows above 4: -1; 13 thins out: +1
  EXPECT_EQ(e.Stacking(), 1445);

  // Made points 2 to 7 with a human checker on 1 behind them.
  TestBoard p("2:2c 3:2c 4:2c 5:2c 6:2c 7:2c 13:3c 1:1h 20:14h");
  Engine ep(p.get(), &dice);
  EXPECT_EQ(ep.FullPrime(), 1);
  p[1]->count = 0;
  p[1]->owner = SideNone;
  EXPECT_EQ(ep.FullPrime(), 0);  // nobody behind it
  p[1]->count = 1;
  p[1]->owner = SideHuman;
  p[7]->count = 1;
  EXPECT_EQ(ep.FullPrime(), 0);  // five points are no prime
}

TEST_F(EvaluateTest, EscapeZoneAndHolding) {
  // Five made points: the zone is 18 to 24, a checker leaving 24 gains weight 5.
  TestBoard b("1:2c 2:2c 3:2c 4:2c 5:2c 24:1c 26:4c 7:1h 12:14h");
  Engine e(b.get(), &dice);
  g_turn = SideComputer;
  MarkStart(e, b);
  Step(b, 24, 16);
  EXPECT_EQ(e.Escape(), 7830 * 5);

  // A move inside the zone gains the difference of the weights (24: 5, 20: 1).
  b[16]->Position::MoveTo(24);
  MarkStart(e, b);
  Step(b, 24, 20);
  EXPECT_EQ(e.Escape(), 7830 * 4);

  // No made point: the zone is empty.
  TestBoard z("24:1c 10:1c 7:1h 12:14h");
  Engine ez(z.get(), &dice);
  MarkStart(ez, z);
  Step(z, 24, 18);
  EXPECT_EQ(ez.Escape(), 0);

  // Far behind with no human checker on 0 to 9: holding the points on 19 to 24 counts.
  TestBoard h("20:2c 21:2c 26:11c 22:2h 23:2h 24:5h 27:6h");
  Engine eh(h.get(), &dice);
  MarkStart(eh, h);
  EXPECT_EQ(eh.Escape(), 3000 * 2);
}

TEST_F(EvaluateTest, ScoreByRaceAndLevel) {
  // A race: score = new home entries + 2 x crossover difference, no blot term.
  TestBoard r("6:14c 8:1c 20:15h");
  Engine e(r.get(), &dice);
  g_turn = SideComputer;
  ASSERT_TRUE(e.race);
  g_LevelOfPlay = 0;
  SetDice({5});
  MarkStart(e, r);
  Step(r, 8, 3);
  e.from[0] = 8;
  e.Evaluate();
  EXPECT_EQ(e.bestScore, 1);
  EXPECT_EQ(e.bestFrom[0], 8);
  EXPECT_EQ(e.bestDice[0], 5);
  EXPECT_EQ(e.bestFrom[1], kNone);

  // Contact at level 0: Escape minus BlotExposure; outside 0 to 2: minus BlotExposure alone.
  TestBoard c("5:1c 13:14c 10:1h 20:2h 22:12h");
  Engine ec(c.get(), &dice);
  ASSERT_FALSE(ec.race);
  MarkStart(ec, c);
  ec.CountMadePoints();
  ec.CountHomeBlots();
  const int32_t exposure = ec.BlotExposure();
  EXPECT_EQ(exposure, 500 * 17 / 5);  // the blot on 5; 13 is no blot
  g_LevelOfPlay = 0;
  ec.Evaluate();
  EXPECT_EQ(ec.bestScore, ec.Escape() - exposure);
  g_LevelOfPlay = 7;
  ec.bestScore = INT_MIN;
  ec.Evaluate();
  EXPECT_EQ(ec.bestScore, -exposure);
  EXPECT_EQ(ec.bestScore, -1700);

  // Equal scores: the first sequence stays.
  ec.from[0] = 13;
  ec.bestScore = INT_MIN;
  ec.Evaluate();
  ec.from[0] = 5;
  ec.Evaluate();
  EXPECT_EQ(ec.bestFrom[0], 13);
}

TEST_F(EvaluateTest, BlotExposureSparesOuterBlotsWhileTheHumanIsClosedOut) {
  TestBoard b("1:2c 2:2c 3:2c 4:2c 9:1c 13:6c 0:1h 20:14h");
  Engine e(b.get(), &dice);
  e.CountMadePoints();
  e.CountHomeBlots();
  ASSERT_EQ(e.madePoints[SideComputer], 4);
  EXPECT_EQ(e.BlotExposure(), 0);
  b[4]->count = 1;  // three made points: the blot on 9 counts again
  e.CountMadePoints();
  e.CountHomeBlots();
  EXPECT_GT(e.BlotExposure(), 0);
  EXPECT_EQ(e.BlotExposure(), e.ShotRisk(4) + e.ShotRisk(9));
}
