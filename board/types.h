#pragma once
// Sides, board indices and the process-wide values of the game in play (the
// game resets them with the rest of its state, app/game_state).
#include <cstdint>

enum Side : int32_t { SideNone = 0, SideComputer = 1, SideHuman = 2 };

// 1 gives 2, 2 gives 1, anything else 0.
int Opponent(int side);

// Board indices.
constexpr int kBoardSize = 28;
constexpr int kHumanBar = 0;
constexpr int kComputerBar = 25;
constexpr int kComputerTray = 26;
constexpr int kHumanTray = 27;
constexpr int kMaxCheckers = 15;
constexpr uint8_t kNone = 0xFF;  // an empty die, step or source slot

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
