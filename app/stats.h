#pragma once
// Statistics of the current game and the scores, by side (element 0 holds
// nothing). g_HitCount lives with the board (board/types.h), which counts hits.
#include <cstdint>

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
// Board index of the hover-highlighted entry; -1 none.
extern int g_HoverPoint;

// Starts and stops a side's clock at the given tick; starting a running clock
// or stopping a stopped one changes nothing.
void StartThinkClock(int side, uint32_t tick);
void StopThinkClock(int side, uint32_t tick);
// The side's total including a running clock's time so far.
int32_t ThinkTimeNow(int side, uint32_t tick);
