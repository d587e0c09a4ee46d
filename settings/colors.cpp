#include "settings/colors.h"

#include "platform/file_io.h"
#include "settings/options.h"

ColorScheme g_Colors = {};
std::string g_SchemeFile;

namespace {
static_assert(kColorBytes == 4, "a colour is a 32-bit value on file");
uint32_t LittleEndian32(const unsigned char* b) {
  return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) | (static_cast<uint32_t>(b[2]) << 16) |
         (static_cast<uint32_t>(b[3]) << 24);
}
}  // namespace

bool ReadSchemeFile(const std::string& path, ColorScheme out[kSchemes], int& schemesRead) {
  schemesRead = 0;
  // The schemes lie at fixed offsets at the start of the file; whatever
  // follows them is never read, however long the file.
  std::string data;
  if (ReadFileStart(path, data, kSchemeFileBytes) != FileState::Read) return false;
  const auto* buf = reinterpret_cast<const unsigned char*>(data.data());
  const size_t got = data.size();
  for (int n = 0; n < kSchemes && (static_cast<size_t>(n) + 1) * kSchemeRecordBytes <= got; ++n) {
    for (int s = 0; s < kColorSlots; ++s)
      out[n][s] = LittleEndian32(buf + kSchemeRecordBytes * n + kColorBytes * s) & 0x00FFFFFF;
    ++schemesRead;
  }
  return true;
}

bool WriteSchemeFile(const std::string& path, const ColorScheme schemes[kSchemes]) {
  unsigned char buf[kSchemeFileBytes];
  for (int n = 0; n < kSchemes; ++n)
    for (int s = 0; s < kColorSlots; ++s)
      for (size_t b = 0; b < kColorBytes; ++b)
        buf[kSchemeRecordBytes * n + kColorBytes * s + b] = static_cast<unsigned char>(schemes[n][s] >> (8 * b));
  return ReplaceFile(path, buf, sizeof buf);
}

std::string SchemeFileNotWrittenText(const std::string& path) {
  return "Die Farbschemas konnten nicht in die Datei " + path +
         " gespeichert werden. Die Farben gelten nur bis zum Programmende.";
}

void LoadCurrentScheme() {
  // A scheme whose record the file does not hold whole has its built-in
  // colours, as the colour dialog shows it; no file that reads, or an index
  // outside the four schemes, gives scheme A.
  ColorScheme schemes[kSchemes];
  int read = 0;
  if (g_CurScheme >= 0 && g_CurScheme < kSchemes && ReadSchemeFile(g_SchemeFile, schemes, read)) {
    g_Colors = g_CurScheme < read ? schemes[g_CurScheme] : g_DefaultSchemes[g_CurScheme];
    return;
  }
  g_CurScheme = 0;
  g_Colors = g_DefaultSchemes[0];
}
