#pragma once
// The process-wide values of the game in play that the board and the engine
// read: the side to move, the hits, the automatic finish and the board scale.
// The game resets them with the rest of its state (app/game_state).
#include <cstdint>

#include "platform/sides.h"

// The side to move.
extern int g_turn;

// Checkers hit this game, by side (element 0 holds nothing).
extern int g_HitCount[3];

// The automatic finish runs, and runs fast (no pauses, delays or sounds).
extern int g_AutoFinishActive;
extern int g_AutoFinishFast;

// Board scale, set by the window's sizing.
extern int g_Unit;
extern int g_CheckerSize;
extern int g_ShadowOffset;
extern uint16_t g_SpriteSize;

// Fast mode of the animation: the automatic finish at full speed.
inline bool FastMode() { return g_AutoFinishActive != 0 && g_AutoFinishFast != 0; }
