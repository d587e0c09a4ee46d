#pragma once
// The rules and the computer player of one game: legality of single steps,
// the dice rules, evaluation, the exhaustive move search, doubling and the
// give-up assessment. Always works for the side named by g_turn.
#include <climits>
#include <cstdint>
#include <memory>

#include "board/position.h"
#include "engine/dice_list.h"

class Engine {
 public:
  Engine(Position** board, DiceList* dice);
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
  // The destination proposed for the human's source, or kNoDestination.
  static constexpr int kNoDestination = 255;
  int DefaultDestination(uint8_t source);
  bool MustPlayBothDice();
  void PruneDice();
  // The bar rule for the side to move: with a checker of its own on the bar,
  // only the bar is a source.
  bool BarAllows(int source) const;

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
  void MirrorBoard();

  // ---- doubling and give-up ----
  int32_t ExposedBlots(int side);
  int32_t Balance();
  // What the board says to the computer's offer of a double; the cube and the
  // game flow have their own conditions.
  bool WouldOfferDouble();
  bool AcceptDouble();
  bool GiveUpAtLeastGammon();
  // Checkers of side on entries 14 to 25: for the computer, its back checkers,
  // its bar included.
  int BackCheckers(int side) const { return CountCheckers(14, kComputerBar, board, side); }
  // A checker of side is still on its bar or in the other side's home board:
  // losing now costs it a backgammon.
  bool LeftBehind(int side) const {
    if (side == SideHuman) return CountCheckers(kHumanBar, 6, board, SideHuman) > 0;
    if (side == SideComputer) return CountCheckers(19, kComputerBar, board, SideComputer) > 0;
    return false;
  }

  // The side's pip count on the live board (the board's PipCount).
  int32_t PipCount(int side) const { return ::PipCount(board, side); }

  // The race-flag rule, applied to the live board.
  void UpdateRace();

  int8_t* humanBar = nullptr;
  int8_t* computerBar = nullptr;
  int8_t* humanOff = nullptr;
  int8_t* computerOff = nullptr;
  bool race = false;
  uint8_t bestFrom[4] = {kNone, kNone, kNone, kNone};
  uint8_t bestDice[4] = {kNone, kNone, kNone, kNone};
  int32_t bestScore = INT_MIN;
  int32_t madePoints[3] = {0, 0, 0};
  int32_t homeBlots[3] = {0, 0, 0};
  uint8_t from[4] = {kNone, kNone, kNone, kNone};
  Position** board = nullptr;
  // The position before the move (the depth-0 snapshot), counts and owners.
  // A deeper depth keeps only the entries its step changed (see StepUndo).
  Position start[kBoardSize];
  DiceList* dice = nullptr;

  // What the last ChooseMove did: every sequence of all its dice (the leaves
  // of the full tree), and the distinct final positions it scored.
  int32_t searchLeaves = 0;
  int32_t searchScored = 0;

 private:
  // The recursive search over the steps of die[depth] onward; ChooseMove
  // starts it at depth 0.
  void Enumerate(int depth);
  // The model of the live board into start and back (the rules' scratch copy).
  void Save();
  void Restore();

  // A model step changes the source, the destination and the bar a hit
  // checker goes to, and nothing else: those three are kept to take it back.
  struct StepUndo {
    int8_t index[3];
    int8_t count[3];
    int32_t owner[3];
  };
  StepUndo PlayStepKept(int source, int die);
  void TakeBack(const StepUndo& undo);

  // Positions already seen in this move choice, by board and dice still to
  // play: a final position is scored once, and a position with dice left is
  // searched once (searching it again cannot beat the score it already gave).
  // Key bytes 0 to 27 are the entries (count | owner << 4), 28 to 31 the dice
  // still to play; m_key holds the live board's bytes during a search.
  struct Seen {
    uint64_t key[4];
    uint32_t stamp;   // the move choice it belongs to; others are empty
    int32_t leaves;   // sequences below it, for searchLeaves
    int8_t made[2];   // madePoints[1..2] and homeBlots[1..2] of the last leaf
    int8_t blots[2];  // below it, which a skipped search would have left
  };
  static constexpr int kSeenBits = 13;
  static constexpr int kSeenSlots = 1 << kSeenBits;
  static constexpr int kSeenMax = kSeenSlots / 4 * 3;
  // Starts an empty table for a new move choice; false when the board cannot
  // be keyed (then every sequence is searched and scored, as without it).
  bool BeginSeen();
  void KeyEntry(int i);
  // The slot of the live board with these dice left: found, or the empty slot
  // where it belongs (null when the table is full).
  Seen* FindSeen(int diceLeft, int depth, bool& found);
  void Remember(Seen* slot, int32_t leaves);
  void Recall(const Seen& seen);
  void Leaf();
  std::unique_ptr<Seen[]> m_seen;
  uint32_t m_stamp = 0;
  int m_seenCount = 0;
  bool m_useSeen = false;
  uint8_t m_key[32] = {};

  // Dice still to play, kept within the four slots.
  int DiceCount() const;
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
  int StepDestination(int source, int die) const;
  // The opening table's move for the dice, if it can be played here.
  bool OpeningMove();
};

// The opening table: sources for die[0] then die[1], by (die[0]-1)*6 + die[1]-1.
extern const uint8_t g_OpeningMoves[36][2];

// The race-flag rule on a board: every computer checker borne off or below the
// human's rearmost checker.
bool IsRace(Position** board);
