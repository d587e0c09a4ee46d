#include "settings/colors.h"

#include "platform/file_io.h"
#include "settings/options.h"

ColorScheme g_Colors = {};
std::string g_SchemeFile;

const ColorScheme g_DefaultSchemes[kSchemes] = {
    {{0x00C8C0C8, 0x00C0C0C0, 0x00008080, 0x000080FF, 0x00FFFFFF, 0x00C0C0C0}},
    {{0x0055B6D2, 0x00C0C0C0, 0x00008080, 0x000080FF, 0x00FFFFFF, 0x00C0C0C0}},
    {{0x00B7B76C, 0x00606060, 0x00C0C0C0, 0x000080FF, 0x00C08000, 0x00B7B7B7}},
    {{0x00CFB1B3, 0x00C0C0C0, 0x00008080, 0x008080FF, 0x00FFFFFF, 0x00C0C0C0}},
};

namespace {
uint32_t LittleEndian32(const unsigned char* b) {
  return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) | (static_cast<uint32_t>(b[2]) << 16) |
         (static_cast<uint32_t>(b[3]) << 24);
}
}  // namespace

bool ReadSchemeFile(const std::string& path, ColorScheme out[kSchemes], int& schemesRead) {
  schemesRead = 0;
  // The schemes lie at fixed offsets in the first 96 bytes; whatever follows
  // them is never read, however long the file.
  std::string data;
  if (ReadFileStart(path, data, kSchemes * sizeof(ColorScheme)) != FileState::Read) return false;
  const auto* buf = reinterpret_cast<const unsigned char*>(data.data());
  const size_t got = data.size();
  for (int n = 0; n < kSchemes && (static_cast<size_t>(n) + 1) * 24 <= got; ++n) {
    for (int s = 0; s < kColorSlots; ++s) out[n][s] = LittleEndian32(buf + 24 * n + 4 * s) & 0x00FFFFFF;
    ++schemesRead;
  }
  return true;
}

bool WriteSchemeFile(const std::string& path, const ColorScheme schemes[kSchemes]) {
  unsigned char buf[kSchemes * 24];
  for (int n = 0; n < kSchemes; ++n)
    for (int s = 0; s < kColorSlots; ++s)
      for (int b = 0; b < 4; ++b) buf[24 * n + 4 * s + b] = static_cast<unsigned char>(schemes[n][s] >> (8 * b));
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
