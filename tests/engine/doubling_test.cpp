// Exposed blots, the balance of the position, the board's part of the
// computer's offer, the answer to the human's double and the minimum stake of
// a give-up.
#include <vector>

#include "tests/engine/engine_fixture.h"

using DoublingTest = EngineTest;

TEST_F(DoublingTest, ExposedBlotsAndBalance) {
  // Human blot on 10 with a computer checker above; human blot on 22 with none above.
  TestBoard b("10:1h 22:1h 15:13h 12:1c 5:14c");
  Engine e(b.get(), &dice);
  EXPECT_EQ(e.ExposedBlots(SideHuman), 1);
  // The computer blot on 12 has the human on 10 below it.
  EXPECT_EQ(e.ExposedBlots(SideComputer), 1);
  b[12]->Position::MoveTo(kComputerBar);  // the bar still reaches the blot on 22
  EXPECT_EQ(e.ExposedBlots(SideHuman), 2);
  EXPECT_EQ(e.ExposedBlots(SideComputer), 0);

  // A computer blot below every human checker but the human's bar.
  TestBoard c("3:1c 6:14c 20:14h 0:1h");
  Engine ec(c.get(), &dice);
  EXPECT_EQ(ec.ExposedBlots(SideComputer), 1);
  c[0]->count = 0;
  EXPECT_EQ(ec.ExposedBlots(SideComputer), 0);
  EXPECT_EQ(ec.ExposedBlots(SideNone), 0);

  TestBoard start;
  Engine es(start.get(), &dice);
  EXPECT_EQ(es.Balance(), 0);

  // The computer on its bar (25 pips plus 12), the human's blot on 20 exposed to it.
  TestBoard d("25:1c 6:14c 20:1h 19:14h");
  Engine ed(d.get(), &dice);
  EXPECT_EQ(ed.Balance(), (25 + 84) - (5 + 84) + 12 * 1 + 9 * (0 - 1));
}

TEST_F(DoublingTest, RaceDoubleThresholds) {
  g_turn = SideHuman;
  // Computer 63 pips; human 70 pips.
  TestBoard b("6:10c 3:1c 26:4c 19:11h 21:1h 27:3h");
  Engine e(b.get(), &dice);
  ASSERT_TRUE(e.race);
  ASSERT_EQ(e.PipCount(SideComputer), 63);
  ASSERT_EQ(e.PipCount(SideHuman), 70);
  EXPECT_TRUE(e.AcceptDouble());  // 10 > 9
  b[21]->Position::MoveTo(22);    // 69 pips
  ASSERT_EQ(e.PipCount(SideHuman), 69);
  EXPECT_FALSE(e.AcceptDouble());  // 9 = 9 declines
}

TEST_F(DoublingTest, ContactDoubleThresholds) {
  g_turn = SideHuman;
  // No blots, empty bars: the balance is the pip difference.
  {
    TestBoard b("24:2c 13:5c 8:3c 6:5c 1:2h 12:5h 21:3h 22:2h 27:3h");
    Engine e(b.get(), &dice);
    ASSERT_FALSE(e.race);
    EXPECT_EQ(e.Balance(), 36);
    EXPECT_TRUE(e.AcceptDouble());
  }
  {
    TestBoard b("24:2c 13:5c 8:3c 6:5c 1:2h 12:5h 21:2h 22:3h 27:3h");
    Engine e(b.get(), &dice);
    EXPECT_EQ(e.Balance(), 37);
    EXPECT_FALSE(e.AcceptDouble());
  }
}

TEST_F(DoublingTest, SingleBackCheckerAgainstAStrongHomeBoard) {
  g_turn = SideHuman;
  // One computer checker back, the human holds 19 to 22: declined, whatever
  // the last search left in madePoints.
  TestBoard b("24:1c 6:7c 8:7c 19:2h 20:2h 21:2h 22:2h 12:7h");
  Engine e(b.get(), &dice);
  ASSERT_LT(e.Balance(), 37);
  e.madePoints[SideHuman] = 0;
  EXPECT_FALSE(e.AcceptDouble());
  EXPECT_EQ(e.madePoints[SideHuman], 0);  // an answer changes nothing

  // Three points only: accepted, even if a stale value says more.
  b[22]->count = 0;
  b[22]->owner = SideNone;
  b[12]->count = 9;
  e.madePoints[SideHuman] = 10;
  EXPECT_TRUE(e.AcceptDouble());

  // Two back checkers: the home board alone does not decline.
  TestBoard c("24:2c 6:6c 8:7c 19:2h 20:2h 21:2h 22:2h 12:7h");
  Engine ec(c.get(), &dice);
  ASSERT_LT(ec.Balance(), 37);
  EXPECT_TRUE(ec.AcceptDouble());
}

// The board's part of the computer's offer: a balance of -37 or better for the
// computer, and not exactly one checker of the side named by g_turn on 14 to
// 25 (after the human's turn that side is still the human).
TEST_F(DoublingTest, WhatTheBoardSaysToTheComputersOffer) {
  const std::string human = "1:2h 12:5h 17:3h 19:5h";
  const std::string computer = "24:2c 13:5c 4:2c 3:3c 26:3c";
  const std::string oneHumanUp = "1:2h 12:12h 14:1h";
  const std::string oneComputerBack = "14:1c 13:6c 4:2c 3:3c 26:3c";
  const std::string moreOnFour = "24:2c 13:5c 4:3c 3:2c 26:3c";
  const struct {
    int turn;
    const std::string& ours;
    const std::string& theirs;
    int balance;
    bool offers;
  } cases[] = {
      {SideHuman, computer, human, -37, true},
      {SideHuman, moreOnFour, human, -36, false},
      {SideComputer, oneComputerBack, human, -49, false},
      {SideHuman, oneComputerBack, human, -49, true},
      {SideHuman, computer, oneHumanUp, -94, false},
      {SideComputer, computer, oneHumanUp, -94, true},
  };
  for (const auto& c : cases) {
    TestBoard b(c.ours + " " + c.theirs);
    g_turn = c.turn;
    Engine e(b.get(), &dice);
    ASSERT_EQ(e.Balance(), c.balance);
    EXPECT_EQ(e.WouldOfferDouble(), c.offers) << "turn " << c.turn << ", balance " << c.balance;
  }
}

// A checker on its own bar or in the other side's home board: the backgammon
// of the game end and of the give-up.
TEST_F(DoublingTest, LeftBehind) {
  const struct {
    int side, index;
    bool behind;
  } cases[] = {{SideHuman, 0, true},     {SideHuman, 6, true},     {SideHuman, 7, false},
               {SideComputer, 25, true}, {SideComputer, 19, true}, {SideComputer, 18, false}};
  for (const auto& c : cases) {
    TestBoard b(std::to_string(c.index) + (c.side == SideHuman ? ":1h" : ":1c"));
    Engine e(b.get(), &dice);
    EXPECT_EQ(e.LeftBehind(c.side), c.behind) << c.side << " on " << c.index;
    EXPECT_FALSE(e.LeftBehind(Opponent(c.side)));
  }
}

TEST_F(DoublingTest, GiveUpAtLeastGammon) {
  // A human checker on its bar during contact.
  TestBoard bar("0:1h 19:14h 13:15c");
  Engine eb(bar.get(), &dice);
  ASSERT_FALSE(eb.race);
  EXPECT_TRUE(eb.GiveUpAtLeastGammon());

  // A human checker in the computer's home board during contact.
  TestBoard home("5:1h 27:14h 13:15c");
  Engine eh(home.get(), &dice);
  EXPECT_TRUE(eh.GiveUpAtLeastGammon());

  // In a race only the crossovers count: 30 against 15.
  TestBoard race("14:15h 3:15c");
  Engine er(race.get(), &dice);
  ASSERT_TRUE(er.race);
  EXPECT_TRUE(er.GiveUpAtLeastGammon());
  race[14]->count = 14;
  race[27]->count = 1;  // one checker off: never a gammon by crossovers
  EXPECT_FALSE(er.GiveUpAtLeastGammon());

  // Close crossovers, nothing back: a single game.
  TestBoard close("20:15h 8:15c");
  Engine ecl(close.get(), &dice);
  EXPECT_EQ(ecl.Crossovers(SideHuman) - ecl.Crossovers(SideComputer), 15 - 30);
  EXPECT_FALSE(ecl.GiveUpAtLeastGammon());
  // At the start the human's back checkers stand in the computer's home board.
  TestBoard start;
  Engine es(start.get(), &dice);
  EXPECT_TRUE(es.GiveUpAtLeastGammon());
}
