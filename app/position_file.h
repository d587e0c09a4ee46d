#pragma once
// The position file: one record of 286 bytes, little-endian, written and read
// field by field. Decoding checks everything a loaded game relies on, so that
// a record it returns can be put on the board as it is.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "board/position.h"

constexpr size_t kPositionFileSize = 286;
constexpr int32_t kPositionFileMarker = 32;

// Per-side arrays are indexed by side (element 0 holds nothing).
struct PositionRecord {
  PointRecord board[kBoardSize] = {};  // the stored board image
  uint8_t dice[4] = {kNone, kNone, kNone, kNone};
  int32_t diceCount = 0;
  int32_t stepCount = 0;
  uint8_t race = 0;
  int32_t thinkTime[3] = {0, 0, 0};  // stopped clocks, milliseconds
  int32_t cubeOwner = 0;
  int32_t cubeValue = 1;
  int32_t diceSum[3] = {0, 0, 0};
  uint8_t computerMayDouble = 1;
  int32_t doublesCount[3] = {0, 0, 0};
  int32_t hitCount[3] = {0, 0, 0};
};

// The owner the bars and trays always have: human, computer, computer, human.
// 0 for a point.
int FixedOwner(int index);

// The 286 bytes of a record. The owners of the bars and trays are written as
// fixed; padding and unused bytes as zeros.
std::string EncodePositionFile(const PositionRecord& record);

// The record of a file's whole contents, or nothing when they are not a
// position a game can go on from: not exactly 286 bytes, no marker, counts
// above 15, owners that do not match the checkers, not 15 checkers a side, a
// tray already full, both sides closed out, a cube or statistics out of range.
// The may-double byte counts as set when it is not 0.
std::optional<PositionRecord> DecodePositionFile(std::string_view bytes);
