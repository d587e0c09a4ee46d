#pragma once
// The state of the game in play and of the run, by side (element 0 holds
// nothing), and its resets. The side to move, the hits and the automatic
// finish are read by the board and the engine, so they are defined with the
// board (board/globals.h, included here) but reset here with the rest.
#include <cstdint>

#include "board/globals.h"

// Thinking time in milliseconds: the stopped total. A running clock also has
// its flag set and the tick it started at, so a total never reads as running.
extern int32_t g_ThinkTime[3];
extern bool g_ThinkRunning[3];
extern uint32_t g_ThinkStart[3];

extern int g_DiceSum[3];
extern int g_DoublesCount[3];
// Points won since the program started.
extern int g_RunScore[3];

// A step was taken back this turn: no automatic forced steps.
extern int g_UndoneThisTurn;
// Board index of the hover-highlighted entry, -1 none. A run starts at 0, the
// human's bar, which nothing has highlighted yet.
extern int g_HoverPoint;

// What a new game starts from: no hits, dice sums or doubles, stopped clocks
// at zero, no step taken back, no automatic finish running.
void ResetGameState();
// The state the program starts with: a new game's, and also no side to move,
// no points of the run, no hover mark and an empty board record.
void ResetRunState();

// Who begins a new game. After a finished game, once the computer has
// completed a turn this run, the higher die of the opening roll, a tie giving
// the last winner; otherwise firstMoveBy (the setting as the game applies it):
// 1 the computer, 2 the human, 0 the higher die, a tie giving the computer.
int FirstSide(int firstMoveBy, bool firstGame, int lastWinner, int computerDie, int humanDie);

// Starts and stops a side's clock at the given tick; starting a running clock
// or stopping a stopped one changes nothing.
void StartThinkClock(int side, uint32_t tick);
void StopThinkClock(int side, uint32_t tick);
// The side's total including a running clock's time so far.
int32_t ThinkTimeNow(int side, uint32_t tick);
