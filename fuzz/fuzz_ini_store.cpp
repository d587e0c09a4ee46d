// The ini store: a fuzzed file, then reads and writes of odd sections, keys
// and values. A write that succeeds reads back; one that fails leaves the
// file as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/file_io.h"
#include "platform/ini_store.h"

namespace {

std::string FileBytes(const std::string& path) {
  std::string out;
  if (ReadWholeFile(path, out, IniStore::kMaxFileBytes) != FileState::Read) out = "<unreadable>";
  return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Names the store promises to keep: a few plain characters.
bool PlainName(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

// A value that reads back as written: one line, no blanks at its ends.
bool PlainValue(const std::string& s) {
  if (s.size() > IniStore::kMaxValueChars) return false;
  if (!s.empty() && (IsBlank(s.front()) || IsBlank(s.back()))) return false;
  for (char c : s)
    if (c == '\n' || c == '\r' || c == '\0') return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string content = in.ConsumeRandomLengthString(8192);
  IniStore ini(FuzzFile("store.ini", content.data(), content.size()));

  for (int op = 0; op < 16 && in.remaining_bytes() > 0; ++op) {
    const int kind = in.ConsumeIntegralInRange(0, 3);
    const std::string section = in.ConsumeRandomLengthString(24);
    const std::string key = in.ConsumeRandomLengthString(24);
    switch (kind) {
      case 0: (void)ini.GetInt(section, key, in.ConsumeIntegral<int>()); break;
      case 1: {
        const std::string v = ini.GetString(section, key, "");
        FUZZ_CHECK(v.size() <= IniStore::kMaxValueChars);
        break;
      }
      case 2:
      case 3: {
        const std::string before = FileBytes(ini.Path());
        const int number = in.ConsumeIntegral<int>();
        const std::string value = kind == 2 ? std::to_string(number) : in.ConsumeRandomLengthString(64);
        const bool ok = kind == 2 ? ini.WriteInt(section, key, number) : ini.WriteString(section, key, value);
        if (!ok) {
          FUZZ_CHECK(FileBytes(ini.Path()) == before);
        } else if (PlainName(section) && PlainName(key) && PlainValue(value)) {
          FUZZ_CHECK(ini.GetString(section, key, "\x01") == value);
          if (kind == 2) FUZZ_CHECK(ini.GetInt(section, key, number ^ 1) == number);
        }
        break;
      }
    }
  }
  return 0;
}
