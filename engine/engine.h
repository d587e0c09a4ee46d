#pragma once
// The rules and the computer player of one game: legality of single steps,
// the dice rules, evaluation, the exhaustive move search, doubling and the
// give-up assessment. Always works for the side named by g_turn.
#include <climits>
#include <cstdint>

#include "board/position.h"

struct DiceRoller;

class Engine {
 public:
  Engine(Position** board, DiceRoller* dice);
  // The engine points into the live board and its own snapshots: never copied.
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // ---- step rules ----
  bool AllHome();
  bool IsLegalStep(int from, int step);
  bool IsLegalStepFrom(int source, unsigned die);
  int FirstSourceForDie(int dieIndex);
  bool NoLegalStep();
  int BearOffDie(int source);
  int DefaultDestination(uint8_t source);
  bool MustPlayBothDice();
  void PruneDice();

  // ---- evaluation ----
  void Evaluate();
  int32_t RaceBearIn();
  int32_t Hitting();
  int32_t ShotRisk(int b);
  int32_t PointMaking();
  int32_t Stacking();
  int32_t FullPrime();
  int32_t Escape();
  int32_t BlotExposure();
  void CountHomeBlots();
  void CountMadePoints();
  int32_t Crossovers(int side);
  int32_t CrossoverLead(int side);

  // ---- search ----
  int32_t ChooseMove(bool firstMove);
  void Enumerate(int depth);
  void MirrorBoard();

  // ---- doubling and give-up ----
  int32_t ExposedBlots(int side);
  int32_t Balance();
  bool AcceptDouble();
  bool GiveUpAtLeastGammon();

  // Pip counts as the trend and the doubling use them.
  int32_t PipCount(int side);

  // The race-flag rule, applied to the live board.
  void UpdateRace();

  int8_t* humanBar = nullptr;
  int8_t* computerBar = nullptr;
  int8_t* humanOff = nullptr;
  int8_t* computerOff = nullptr;
  bool race = false;
  uint8_t bestFrom[4] = {0xFF, 0xFF, 0xFF, 0xFF};
  uint8_t bestDice[4] = {0xFF, 0xFF, 0xFF, 0xFF};
  int32_t bestScore = INT_MIN;
  int32_t madePoints[3] = {0, 0, 0};
  int32_t homeBlots[3] = {0, 0, 0};
  uint8_t from[4] = {0xFF, 0xFF, 0xFF, 0xFF};
  Position** board = nullptr;
  // One snapshot per search depth, kept as values so that a tried step costs
  // no allocation; snapshot[0] is the position before the move (start).
  Position snapshot[4][kBoardSize];
  Position* start = nullptr;
  DiceRoller* dice = nullptr;

 private:
  void Save(int depth);
  void Restore(int depth);

  // Dice still to play, kept within the four slots.
  int DiceCount() const;
  // The bar rule for the side to move.
  bool BarAllows(int source) const;
  // Checkers of side on entry i of the live board, and of the position before
  // the move.
  // Inline: the evaluation calls them for every entry of every leaf.
  int Checkers(int i, int side) const { return board[i]->owner == side ? board[i]->count : 0; }
  int StartCheckers(int i, int side) const { return start[i].owner == side ? start[i].count : 0; }
  bool MadePoint(int i, int side) const { return board[i]->owner == side && board[i]->count >= 2; }
  bool AllHomeOf(int side) const;
  // Made points of side in its home board plus the unbroken run beyond it.
  int32_t MadePointRun(int side) const;
  // Plays one step of the side to move with the model move; off the board
  // means that side's tray.
  void PlayStep(int source, int die);
  // The opening table's move for the dice, if it can be played here.
  bool OpeningMove();
};

// The opening table: sources for die[0] then die[1], by (die[0]-1)*6 + die[1]-1.
extern const uint8_t g_OpeningMoves[36][2];

// The race-flag rule on a board: every computer checker borne off or below the
// human's rearmost checker.
bool IsRace(Position** board);
