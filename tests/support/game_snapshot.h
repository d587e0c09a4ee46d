#pragma once
// Everything of a running game that a command could change, taken at once, so
// that a test can show that a command left the game exactly as it was.
#include <string>
#include <vector>

class TremaWnd;
class FakeView;

struct GameSnapshot {
  std::vector<long long> numbers;
  std::vector<std::string> texts;
  bool operator==(const GameSnapshot&) const = default;
};

GameSnapshot TakeSnapshot(TremaWnd& w, const FakeView& view);

// The counts and owners of the live board, entry by entry.
std::vector<int> BoardOf(TremaWnd& w);
