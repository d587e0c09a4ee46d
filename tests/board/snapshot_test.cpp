// Snapshot copies on a drawn board: the search's model moves and the restore
// leave the live entries' classes, sprites and the surface alone.
#include "tests/board/draw_fixture.h"

TEST_F(DrawnBoardTest, SnapshotsKeepSpritesAndSurface) {
  CreateBoard(board, true);
  const std::vector<Color> before = surface.Pixels();
  const Outcome start = Capture(board);
  Piece* top = Top(1)->pieces[2];
  Position* copies[kBoardSize] = {};
  SaveBoard(board, copies);
  EXPECT_EQ(copies[1]->rect, board[1]->rect);
  EXPECT_EQ(copies[1]->board, board);
  // Model moves straight on the live entries, a hit among them.
  g_turn = SideHuman;
  board[1]->Position::MoveTo(6 - 1);
  board[12]->Position::MoveTo(13);  // onto five opposing checkers: no hit
  EXPECT_EQ(board[kComputerBar]->count, 0);
  g_turn = SideComputer;
  board[6]->Position::MoveTo(5);  // hits the human's blot on 5
  EXPECT_EQ(board[0]->count, 1);
  EXPECT_EQ(board[5]->owner, SideComputer);
  EXPECT_EQ(g_HitCount[SideComputer], 0);  // the model counts no hit
  EXPECT_EQ(surface.Pixels(), before);     // and draws nothing
  RestoreBoard(copies, board);
  EXPECT_EQ(Capture(board), start);
  for (Position* c : copies) EXPECT_EQ(c, nullptr);
  EXPECT_EQ(Top(1)->pieces[2], top);
  EXPECT_NE(dynamic_cast<BarHuman*>(board[0]), nullptr);
  EXPECT_NE(dynamic_cast<PositionBottom*>(board[24]), nullptr);

  // A board that is not built yet: nothing to copy, nothing to crash on.
  Position* none[kBoardSize] = {};
  SaveBoard(none, copies);
  for (Position* c : copies) EXPECT_EQ(c, nullptr);
  RestoreBoard(copies, none);

  // StoreBoard and a rebuild reproduce every count and owner, and the picture.
  StoreBoard(board);
  CreateBoard(board, false);
  EXPECT_EQ(Capture(board), start);
  EXPECT_EQ(surface.Pixels(), before);
}
