// The stakes a give-up offers and the About box's texts.
#include "dialogs/small_dialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/dice.h"
#include "engine/engine.h"
#include "tests/support/test_board.h"

namespace {

TEST(GiveUpChoicesTest, TheLowestOwedStakeAndEveryHigherOne) {
  const struct {
    bool gammonOwed, backgammonOwed;
    bool single, gammon;
    int selected;
  } cases[] = {
      {false, false, true, true, IDC_GIVEUP_SINGLE},
      {true, false, false, true, IDC_GIVEUP_GAMMON},
      {true, true, false, false, IDC_GIVEUP_BACKGAMMON},
  };
  for (const auto& c : cases) {
    const GiveUpChoices g = GiveUpChoicesFor(c.gammonOwed, c.backgammonOwed);
    EXPECT_EQ(g.single, c.single) << c.selected;
    EXPECT_EQ(g.gammon, c.gammon) << c.selected;
    EXPECT_TRUE(g.backgammon);
    EXPECT_EQ(g.selected, c.selected);
  }
}

TEST(GiveUpChoicesTest, FromTheGameOnTheBoard) {
  const struct {
    const char* what;
    std::vector<Stack> board;
    int selected;
  } cases[] = {
      {"the starting position: back checkers in the computer's home board", {}, IDC_GIVEUP_BACKGAMMON},
      {"contact, all checkers home",
       {{19, 15, SideHuman}, {20, 2, SideComputer}, {kComputerTray, 13, SideComputer}},
       IDC_GIVEUP_SINGLE},
      {"a checker on the bar",
       {{kHumanBar, 1, SideHuman}, {12, 14, SideHuman}, {5, 15, SideComputer}},
       IDC_GIVEUP_BACKGAMMON},
      {"a checker in the computer's home board with contact",
       {{3, 1, SideHuman}, {kHumanTray, 14, SideHuman}, {5, 2, SideComputer}, {kComputerTray, 13, SideComputer}},
       IDC_GIVEUP_BACKGAMMON},
      {"the same in a race",
       {{3, 1, SideHuman}, {kHumanTray, 14, SideHuman}, {2, 2, SideComputer}, {kComputerTray, 13, SideComputer}},
       IDC_GIVEUP_SINGLE},
      {"none borne off, far behind in the race",
       {{7, 15, SideHuman}, {2, 2, SideComputer}, {kComputerTray, 13, SideComputer}},
       IDC_GIVEUP_GAMMON},
  };
  const int turn = g_turn;
  g_turn = SideHuman;
  for (const auto& c : cases) {
    DiceRoller dice;
    if (c.board.empty()) {
      TestBoard b;
      Engine e(b.get(), &dice);
      EXPECT_EQ(GiveUpChoicesFor(e).selected, c.selected) << c.what;
      continue;
    }
    TestBoard b;
    std::memset(g_BoardRecord, 0, sizeof g_BoardRecord);
    for (const Stack& s : c.board) {
      g_BoardRecord[s.index].count = static_cast<uint8_t>(s.count);
      g_BoardRecord[s.index].owner = s.owner;
    }
    CreateBoard(b.board, false);
    ASSERT_TRUE(b.Complete()) << c.what;
    Engine e(b.get(), &dice);
    EXPECT_EQ(GiveUpChoicesFor(e).selected, c.selected) << c.what;
  }
  g_turn = turn;
}

TEST(AboutTextsTest, TheSameTextsEveryTime) {
  const AboutTexts t = AboutBoxTexts();
  EXPECT_EQ(t.title, "Kolvar Backgammon");
  EXPECT_EQ(t.version, "Version 1.0");
  EXPECT_EQ(t.info1, "Backgammon gegen den Computer");
  EXPECT_EQ(t.info2, "Viel Vergnügen!");
  EXPECT_EQ(t.date, "Tue Aug 28 15:48:21 2012");
  const AboutTexts again = AboutBoxTexts();
  EXPECT_EQ(again.title, t.title);
  EXPECT_EQ(again.info1, t.info1);
}

}  // namespace
