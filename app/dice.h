#pragma once
// The dice object: the dice of the turn in play, every roll of a game from the
// random generator, the manual dialog or a roll-list file, and the roll history
// that lets the next game replay the same rolls.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/dice_list.h"

class Engine;
class Host;
struct DiceRoller;

// No roll list needs more: a larger file is refused at once rather than
// searched for a die.
constexpr long long kMaxRollsFileBytes = 16LL * 1024 * 1024;

// The manual-dice dialog as the roller runs it: shows die[0] and die[1] as its
// starting values; with OK it writes the two entered values (1 to 6) into
// die[0] and die[1]; with Cancel it leaves them.
class ManualDiceDialog {
 public:
  virtual ~ManualDiceDialog() = default;
  virtual void Run(DiceRoller& dice) = 0;
};

struct DiceRoller : DiceList {
  DiceRoller() = default;
  ~DiceRoller();
  DiceRoller(const DiceRoller&) = delete;
  DiceRoller& operator=(const DiceRoller&) = delete;

  // Makes the next roll and updates the engine's race flag.
  void Roll(Engine* engine);
  // Closes the roll-list file if one is open.
  void CloseListFile();

  int32_t historyPos = 0;
  int32_t mode = 0;  // 0 random, 1 manual dialog, 2 roll-list file
  FILE* listFile = nullptr;
  std::vector<uint8_t> history;
  uint8_t replay = 0;

  // Where the roller shows its message box and its dialog; null: none shown.
  Host* host = nullptr;
  ManualDiceDialog* manualDialog = nullptr;

 private:
  // Reads the next die character from the roll-list file; false on failure.
  bool ReadDie(uint8_t& value);
  // A new roll: random draw, then the mode's source; random opening ties are drawn again.
  void DrawFromSource();
  // The roll list is unusable: close it, tell the player, go on with random dice.
  void RollListFailed();

  // The roll list is read a block at a time: the block read last and how far
  // it has been searched.
  std::vector<char> m_block;
  size_t m_blockPos = 0;
  size_t m_blockEnd = 0;
};
