// The stakes a give-up offers and the About box's texts.
#include "dialogs/small_dialogs.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/dice.h"
#include "engine/engine.h"
#include "tests/support/test_board.h"

namespace {

// The lowest stake the position owes is selected; it and every higher one
// are offered.
TEST(GiveUpChoicesTest, TheLowestOwedStakeAndEveryHigherOne) {
  const struct {
    const char* what;
    const char* board;  // null: the starting position
    int selected;
  } cases[] = {
      {"the starting position: back checkers in the computer's home board", nullptr, IDC_GIVEUP_BACKGAMMON},
      {"contact, all checkers home", "19:15h 20:2c 26:13c", IDC_GIVEUP_SINGLE},
      {"a checker on the bar", "0:1h 12:14h 5:15c", IDC_GIVEUP_BACKGAMMON},
      {"a checker in the computer's home board with contact", "3:1h 27:14h 5:2c 26:13c", IDC_GIVEUP_BACKGAMMON},
      {"the same in a race", "3:1h 27:14h 2:2c 26:13c", IDC_GIVEUP_SINGLE},
      {"none borne off, far behind in the race", "7:15h 2:2c 26:13c", IDC_GIVEUP_GAMMON},
  };
  const int turn = g_turn;
  g_turn = SideHuman;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DiceRoller dice;
    const auto b = c.board != nullptr ? std::make_unique<TestBoard>(c.board) : std::make_unique<TestBoard>();
    ASSERT_TRUE(b->Complete());
    Engine e(b->get(), &dice);
    const GiveUpChoices g = GiveUpChoicesFor(e);
    EXPECT_EQ(g.selected, c.selected);
    EXPECT_EQ(g.single, c.selected == IDC_GIVEUP_SINGLE);
    EXPECT_EQ(g.gammon, c.selected != IDC_GIVEUP_BACKGAMMON);
    EXPECT_TRUE(g.backgammon);
  }
  g_turn = turn;
}

TEST(AboutTextsTest, NameVersionInformationAndDate) {
  const AboutTexts t = AboutBoxTexts();
  EXPECT_EQ(t.title, "Kolvar Backgammon");
  EXPECT_EQ(t.version, "Version 1.0");
  EXPECT_EQ(t.info1, "Backgammon gegen den Computer");
  EXPECT_EQ(t.info2, "Viel Vergnügen!");
  EXPECT_EQ(t.date, "Tue Aug 28 15:48:21 2012");
}

}  // namespace
