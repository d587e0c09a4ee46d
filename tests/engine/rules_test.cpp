// Legality of single steps, the dice rules and the race flag.
#include "tests/engine/engine_fixture.h"

using RulesTest = EngineTest;

TEST_F(RulesTest, BlockedPointsHitsAndSources) {
  TestBoard b("10:1c 7:2h 8:1h 4:3c");
  Engine e(b.get(), &dice);
  g_turn = SideComputer;
  EXPECT_FALSE(e.IsLegalStep(10, -3));  // two human checkers block
  EXPECT_TRUE(e.IsLegalStep(10, -2));   // a single one is hit
  EXPECT_TRUE(e.IsLegalStep(10, -6));   // own point
  EXPECT_TRUE(e.IsLegalStep(10, -5));   // empty point
  EXPECT_FALSE(e.IsLegalStep(7, -1));   // not the computer's checkers
  EXPECT_FALSE(e.IsLegalStep(9, -1));   // empty source
  EXPECT_FALSE(e.IsLegalStep(4, -4));   // off the board before all are home

  g_turn = SideHuman;
  EXPECT_TRUE(e.IsLegalStep(7, 3));    // hits the blot on 10
  EXPECT_FALSE(e.IsLegalStep(8, -4));  // lands on the computer's point 4
  EXPECT_FALSE(e.IsLegalStep(10, 1));

  // Sources outside the bars and points are never legal.
  EXPECT_FALSE(e.IsLegalStep(26, -3));
  EXPECT_FALSE(e.IsLegalStep(-1, 3));
  EXPECT_FALSE(e.IsLegalStep(400, -3));
}

TEST_F(RulesTest, BarRuleForBothSides) {
  TestBoard b("25:1c 13:4c 0:1h 12:3h 21:2h");
  Engine e(b.get(), &dice);
  SetDice({2, 4});

  g_turn = SideComputer;
  EXPECT_EQ(e.FirstSourceForDie(0), 25);  // enters on 23
  EXPECT_EQ(e.FirstSourceForDie(1), -1);  // 21 is blocked, 13 is not allowed
  EXPECT_TRUE(e.IsLegalStepFrom(25, 2));
  EXPECT_FALSE(e.IsLegalStepFrom(13, 2));
  EXPECT_FALSE(e.IsLegalStepFrom(25, 4));
  EXPECT_FALSE(e.NoLegalStep());

  g_turn = SideHuman;
  EXPECT_EQ(e.FirstSourceForDie(0), 0);
  EXPECT_TRUE(e.IsLegalStepFrom(0, 4));
  EXPECT_FALSE(e.IsLegalStepFrom(12, 2));

  // Every entry point blocked: no step at all.
  TestBoard closed(kComputerShutOut + " 6:14c");
  Engine blocked(closed.get(), &dice);
  g_turn = SideComputer;
  SetDice({6, 1});
  EXPECT_TRUE(blocked.NoLegalStep());
  EXPECT_EQ(blocked.FirstSourceForDie(0), -1);
  EXPECT_EQ(blocked.FirstSourceForDie(1), -1);
}

TEST_F(RulesTest, BearingOffExactAndHigher) {
  // Computer: checkers on 5 and 3, the rest off, none on 6.
  TestBoard b("5:1c 3:1c 26:13c 20:15h");
  Engine e(b.get(), &dice);
  g_turn = SideComputer;
  EXPECT_TRUE(e.AllHome());
  EXPECT_TRUE(e.IsLegalStep(5, -6));   // the farthest checker may use a larger die
  EXPECT_FALSE(e.IsLegalStep(3, -6));  // a checker on 5 is farther away
  EXPECT_TRUE(e.IsLegalStep(3, -3));   // exact
  EXPECT_TRUE(e.IsLegalStep(5, -5));
  // The empty bar is the computer's own entry, but holds nothing to bear off.
  EXPECT_FALSE(e.IsLegalStep(25, -26));
  EXPECT_FALSE(e.IsLegalStep(25, -25));

  // Human: checkers on 20 and 22, 19 empty.
  TestBoard h("20:1h 22:1h 27:13h 5:15c");
  Engine eh(h.get(), &dice);
  g_turn = SideHuman;
  EXPECT_TRUE(eh.AllHome());
  EXPECT_FALSE(eh.IsLegalStep(22, 6));
  EXPECT_TRUE(eh.IsLegalStep(20, 6));
  EXPECT_TRUE(eh.IsLegalStep(22, 3));
  EXPECT_FALSE(eh.IsLegalStep(0, 26));  // the empty bar bears nothing off
  EXPECT_FALSE(eh.IsLegalStep(20, -25));

  // One checker outside the home board forbids even an exact bear-off.
  TestBoard out("5:1c 3:1c 7:1c 26:12c 20:15h");
  Engine eo(out.get(), &dice);
  g_turn = SideComputer;
  EXPECT_FALSE(eo.AllHome());
  EXPECT_FALSE(eo.IsLegalStep(3, -3));
  EXPECT_TRUE(eo.IsLegalStep(7, -4));
}

TEST_F(RulesTest, DiceOutsideTheListOrRange) {
  TestBoard b;
  Engine e(b.get(), &dice);
  g_turn = SideComputer;
  SetDice({0, 7});
  EXPECT_FALSE(e.IsLegalStepFrom(13, 0));
  EXPECT_FALSE(e.IsLegalStepFrom(13, 7));
  EXPECT_FALSE(e.IsLegalStepFrom(13, 0xFFFFFFFFu));
  EXPECT_EQ(e.FirstSourceForDie(0), -1);
  EXPECT_EQ(e.FirstSourceForDie(1), -1);
  EXPECT_EQ(e.FirstSourceForDie(4), -1);
  EXPECT_EQ(e.FirstSourceForDie(-1), -1);
  EXPECT_TRUE(e.NoLegalStep());

  SetDice({});
  EXPECT_TRUE(e.NoLegalStep());
  dice.count = -3;
  EXPECT_TRUE(e.NoLegalStep());
  dice.count = 99;  // a damaged count reads no more than four slots
  for (uint8_t& d : dice.die) d = 3;
  EXPECT_FALSE(e.NoLegalStep());
}

TEST_F(RulesTest, BearOffDieAndDefaultDestination) {
  // The human is home and the race is on.
  TestBoard b("19:3h 22:6h 24:6h 3:2c 5:2c 6:11c");
  Engine e(b.get(), &dice);
  g_turn = SideHuman;
  ASSERT_TRUE(e.race);

  SetDice({3, 5});
  EXPECT_EQ(e.BearOffDie(22), 3);  // exact beats larger
  SetDice({5, 4});
  EXPECT_EQ(e.BearOffDie(22), 4);  // the last of the larger ones
  SetDice({1, 2});
  EXPECT_EQ(e.BearOffDie(19), -1);

  g_IntelMoves = 0;
  SetDice({6, 2});
  EXPECT_EQ(e.DefaultDestination(22), 28);  // bears off with the 6
  EXPECT_EQ(e.DefaultDestination(19), 25);  // exact with the 6
  SetDice({});
  EXPECT_EQ(e.DefaultDestination(22), 255);

  // Outside a bear-off.
  TestBoard c("5:2h 8:2c 12:13h 20:13c");
  Engine ec(c.get(), &dice);
  g_turn = SideHuman;
  SetDice({3, 3, 3, 3});
  EXPECT_EQ(ec.DefaultDestination(5), 8);  // doubles: proposed though blocked
  SetDice({4});
  EXPECT_EQ(ec.DefaultDestination(12), 16);
  SetDice({3, 1});
  g_IntelMoves = 0;
  EXPECT_EQ(ec.DefaultDestination(5), 255);
  g_IntelMoves = 1;
  EXPECT_EQ(ec.DefaultDestination(5), 6);     // the 3 is blocked, the 1 is proposed
  EXPECT_EQ(ec.DefaultDestination(12), 255);  // both dice play from 12
  SetDice({1, 3});
  EXPECT_EQ(ec.DefaultDestination(5), 6);
  SetDice({1, 0xFF});
  dice.count = 2;
  EXPECT_EQ(ec.DefaultDestination(5), 255);
}

TEST_F(RulesTest, MustPlayBothDice) {
  // The 6 is blocked now (1 to 7), but becomes playable after the 1 (2 to 8).
  TestBoard b("1:1h 24:14h 7:2c 13:13c");
  Engine e(b.get(), &dice);
  const std::vector<int> before = BoardOf(b.get());
  g_turn = SideHuman;
  SetDice({6, 1});
  EXPECT_TRUE(e.MustPlayBothDice());
  SetDice({1, 6});
  EXPECT_TRUE(e.MustPlayBothDice());
  EXPECT_EQ(BoardOf(b.get()), before);

  SetDice({6});
  EXPECT_FALSE(e.MustPlayBothDice());
  SetDice({1, 1, 1, 1});
  EXPECT_FALSE(e.MustPlayBothDice());
  g_turn = SideComputer;
  SetDice({6, 1});
  EXPECT_FALSE(e.MustPlayBothDice());

  // With 8 blocked as well the 6 stays unplayable: the human may stop.
  TestBoard c("1:1h 24:14h 7:2c 8:2c 13:11c");
  Engine ec(c.get(), &dice);
  g_turn = SideHuman;
  SetDice({6, 1});
  EXPECT_FALSE(ec.MustPlayBothDice());
}

TEST_F(RulesTest, PruneDiceDropsWhatTheGreedyPassCannotPlay) {
  // Four sixes: each checker on 24 reaches 18, then 12 blocks.
  TestBoard b("24:2c 1:13c 12:2h 20:13h");
  Engine e(b.get(), &dice);
  const std::vector<int> before = BoardOf(b.get());
  g_turn = SideComputer;
  SetDice({6, 6, 6, 6});
  e.PruneDice();
  EXPECT_EQ(dice.count, 2);
  EXPECT_EQ(dice.die[0], 6);
  EXPECT_EQ(dice.die[1], 6);
  EXPECT_EQ(dice.die[2], kNone);
  EXPECT_EQ(dice.die[3], kNone);
  EXPECT_EQ(BoardOf(b.get()), before);

  // The greedy pass takes the list order: here the 5 is played (24 to 19)
  // and the 6 dropped, though the 6 alone could have been played.
  TestBoard c("24:1c 1:14c 14:2h 13:2h 20:11h");
  Engine ec(c.get(), &dice);
  SetDice({5, 6});
  ec.PruneDice();
  EXPECT_EQ(dice.count, 1);
  EXPECT_EQ(dice.die[0], 5);
  EXPECT_EQ(dice.die[1], kNone);

  // Nothing playable: the list empties; an empty list stays empty.
  SetDice({4, 4, 4, 4});
  TestBoard d("25:2c 21:2h 1:13c 10:13h");
  Engine ed(d.get(), &dice);
  ed.PruneDice();
  EXPECT_EQ(dice.count, 0);
  for (uint8_t v : dice.die) EXPECT_EQ(v, kNone);
  ed.PruneDice();
  EXPECT_EQ(dice.count, 0);
}

TEST_F(RulesTest, RaceFlag) {
  TestBoard start;
  Engine e(start.get(), &dice);
  EXPECT_FALSE(e.race);

  // A human checker on its bar stops the walk at once.
  TestBoard bar("0:1h 24:14h 3:15c");
  Engine eb(bar.get(), &dice);
  EXPECT_FALSE(eb.race);
  TestBoard allOff("0:1h 24:14h 26:15c");
  Engine eo(allOff.get(), &dice);
  EXPECT_TRUE(eo.race);

  TestBoard passed("10:5c 26:10c 11:15h");
  Engine ep(passed.get(), &dice);
  EXPECT_TRUE(ep.race);
  passed[11]->count = 14;
  passed[9]->owner = SideHuman;
  passed[9]->count = 1;
  ep.UpdateRace();
  EXPECT_FALSE(ep.race);
}
