// The safe whole-file reader and the replacing writer: what is read is the
// file, byte for byte, within the limit; a larger file is refused.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/fuzz_support.h"
#include "platform/file_io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const size_t limit = in.ConsumeIntegralInRange<size_t>(0, 4096);
  const std::string bytes = in.ConsumeRemainingBytesAsString();
  const std::string path = FuzzFile("whole", bytes.data(), bytes.size());

  std::string out = "left over";
  const FileState state = ReadWholeFile(path, out, limit);
  if (bytes.size() <= limit) {
    FUZZ_CHECK(state == FileState::Read);
    FUZZ_CHECK(out == bytes);
  } else {
    FUZZ_CHECK(state == FileState::Unusable);
  }

  // Replacing keeps nothing of the old contents.
  const std::string reversed(bytes.rbegin(), bytes.rend());
  FUZZ_CHECK(ReplaceFile(path, reversed.data(), reversed.size()));
  FUZZ_CHECK(ReadWholeFile(path, out, bytes.size()) == FileState::Read);
  FUZZ_CHECK(out == reversed);
  return 0;
}
