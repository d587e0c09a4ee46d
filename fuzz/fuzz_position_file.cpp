// The position file: a record that reading accepts is one a game can go on
// from, and writing it back gives a file that reads as the same record.
#include <cstdint>
#include <string>

#include "app/position_file.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<PositionRecord> record = DecodePositionFile(bytes);
  if (!record) return 0;
  FUZZ_CHECK(size == kPositionFileSize);

  int checkers[3] = {0, 0, 0};
  for (int i = 0; i < kBoardSize; ++i) {
    const PointRecord& p = record->board[i];
    FUZZ_CHECK(p.count <= 15);
    FUZZ_CHECK(p.owner >= 0 && p.owner <= 2);
    if (FixedOwner(i) != 0) {
      FUZZ_CHECK(p.owner == FixedOwner(i));
    } else {
      FUZZ_CHECK((p.count == 0) == (p.owner == 0));
    }
    if (p.count > 0) checkers[p.owner] += p.count;
  }
  FUZZ_CHECK(checkers[1] == 15 && checkers[2] == 15);
  FUZZ_CHECK(record->cubeOwner >= 0 && record->cubeOwner <= 2);
  FUZZ_CHECK(record->cubeValue >= 1 && record->cubeValue <= 64 && (record->cubeValue & (record->cubeValue - 1)) == 0);
  FUZZ_CHECK(record->computerMayDouble <= 1);

  const std::string again = EncodePositionFile(*record);
  FUZZ_CHECK(again.size() == kPositionFileSize);
  const std::optional<PositionRecord> reread = DecodePositionFile(again);
  FUZZ_CHECK(reread.has_value());
  FUZZ_CHECK(EncodePositionFile(*reread) == again);
  return 0;
}
