#pragma once
// Shared set-up of the engine tests: the globals the engine reads are put
// back after every test, and the dice are set by hand.
#include <gtest/gtest.h>

#include <initializer_list>

#include "app/dice.h"
#include "engine/engine.h"
#include "settings/options.h"
#include "tests/support/test_board.h"

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedTurn = g_turn;
    savedLevel = g_LevelOfPlay;
    savedIntel = g_IntelMoves;
    g_turn = SideComputer;
  }
  void TearDown() override {
    g_turn = savedTurn;
    g_LevelOfPlay = savedLevel;
    g_IntelMoves = savedIntel;
  }

  // The list holds exactly the dice given; unused slots are empty.
  void SetDice(std::initializer_list<int> values) {
    dice.count = 0;
    for (uint8_t& d : dice.die) d = kNone;
    for (int v : values) dice.die[dice.count++] = static_cast<uint8_t>(v);
  }

  // Makes the current board the position before the move, as the search's
  // first step does.
  static void MarkStart(Engine& e, TestBoard& b) {
    for (int i = 0; i < kBoardSize; ++i) e.start[i].CopyFields(*b[i]);
  }

  DiceRoller dice;

 private:
  int savedTurn = SideNone;
  int savedLevel = 0;
  int savedIntel = 0;
};
