// The trend file: whatever it holds, the record read is sound, a game added
// to it keeps it sound, and it survives being written and read back.
#include <cstdint>

#include "dialogs/trend.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Most inputs are cut to the record's size, so that the values are reached.
  const bool exact = size > 0 && (data[0] & 1) == 0;
  const size_t n = exact && size > kTrendFileSize ? kTrendFileSize + 1 : size;
  const std::string path = FuzzFile("trend.dat", exact ? data + 1 : data, exact ? n - 1 : n);

  TrendRecord r = ReadTrendFile(path);
  FUZZ_CHECK(TrendIsSound(r));
  for (int i = 0; i < 3; ++i) {
    const int slot = AddGameToTrend(r, (size + i) % 2 == 0);
    FUZZ_CHECK(slot >= 0 && slot < kTrendEntries);
    FUZZ_CHECK(TrendIsSound(r));
  }
  FUZZ_CHECK(WriteTrendFile(path, r));
  FUZZ_CHECK(ReadTrendFile(path) == r);
  return 0;
}
