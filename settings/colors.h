#pragma once
// Colour schemes: six colours each, the one in use in g_Colors.
#include <cstddef>
#include <iterator>
#include <string>

#include "platform/geometry.h"

enum ColorSlot : int {
  ColorBackground = 0,
  ColorPointA = 1,  // odd points
  ColorPointB = 2,  // even points
  ColorComputer = 3,
  ColorHuman = 4,
  ColorBar = 5,
};
constexpr int kColorSlots = 6;
constexpr int kSchemes = 4;

// The controls of the colour dialog.
enum ColorDialogId : int {
  IDC_COLOR_BACKGROUND = 1011,  // the swatches
  IDC_COLOR_POINT_A = 1012,
  IDC_COLOR_POINT_B = 1013,
  IDC_COLOR_COMPUTER = 1014,
  IDC_COLOR_HUMAN = 1015,
  IDC_COLOR_BAR = 1024,
  IDC_PICK_BACKGROUND = 1017,  // their ".." buttons
  IDC_PICK_POINT_A = 1018,
  IDC_PICK_POINT_B = 1019,
  IDC_PICK_COMPUTER = 1020,
  IDC_PICK_HUMAN = 1021,
  IDC_PICK_BAR = 1023,
  IDC_COLOR_RESET = 1016,  // "&Zurücksetzen"
};

// One row per colour slot, in slot order: its swatch and ".." button in the
// colour dialog, the swatch's label, and its built-in colour in schemes A to D.
struct ColorSlotRow {
  int swatchId;
  int buttonId;
  const char* label;
  Color builtIn[kSchemes];
};
inline constexpr ColorSlotRow kColorSlotRows[] = {
    {IDC_COLOR_BACKGROUND, IDC_PICK_BACKGROUND, "&Hintergrund", {0x00C8C0C8, 0x0055B6D2, 0x00B7B76C, 0x00CFB1B3}},
    {IDC_COLOR_POINT_A, IDC_PICK_POINT_A, "Position &A", {0x00C0C0C0, 0x00C0C0C0, 0x00606060, 0x00C0C0C0}},
    {IDC_COLOR_POINT_B, IDC_PICK_POINT_B, "Position &B", {0x00008080, 0x00008080, 0x00C0C0C0, 0x00008080}},
    {IDC_COLOR_COMPUTER, IDC_PICK_COMPUTER, "Speisteine &Computer", {0x000080FF, 0x000080FF, 0x000080FF, 0x008080FF}},
    {IDC_COLOR_HUMAN, IDC_PICK_HUMAN, "Spielsteine &Spieler", {0x00FFFFFF, 0x00FFFFFF, 0x00C08000, 0x00FFFFFF}},
    {IDC_COLOR_BAR, IDC_PICK_BAR, "&Balken", {0x00C0C0C0, 0x00C0C0C0, 0x00B7B7B7, 0x00C0C0C0}},
};
static_assert(std::size(kColorSlotRows) == kColorSlots, "one row per colour slot");

struct ColorScheme {
  Color c[kColorSlots];
  constexpr Color& operator[](int i) { return c[i]; }
  constexpr const Color& operator[](int i) const { return c[i]; }
  bool operator==(const ColorScheme&) const = default;
};

// The colour-scheme file: the four schemes in order, each a record of its
// colours in slot order, each colour 0x00BBGGRR little-endian. Its size is part
// of the file's format, which files of earlier runs hold: a scheme of another
// number of colours is another format, and must be decided on here.
inline constexpr size_t kColorBytes = sizeof(Color);
inline constexpr size_t kSchemeRecordBytes = kColorSlots * kColorBytes;
inline constexpr size_t kSchemeFileBytes = 96;
static_assert(kSchemeFileBytes == kSchemes * kSchemeRecordBytes,
              "the colour-scheme file holds four schemes of six four-byte colours");

extern ColorScheme g_Colors;
// The built-in schemes A to D, from the rows.
constexpr ColorScheme BuiltInScheme(int scheme) {
  ColorScheme s{};
  for (int slot = 0; slot < kColorSlots; ++slot) s[slot] = kColorSlotRows[slot].builtIn[scheme];
  return s;
}
inline constexpr ColorScheme g_DefaultSchemes[kSchemes] = {BuiltInScheme(0), BuiltInScheme(1), BuiltInScheme(2),
                                                           BuiltInScheme(3)};
// Full path of the colour-scheme file, set at start-up.
extern std::string g_SchemeFile;

// Fills g_Colors with scheme g_CurScheme from the colour-scheme file, with its
// built-in colours when the file does not hold it whole (as the colour dialog
// shows it); with scheme A when no file reads or the index is no scheme.
void LoadCurrentScheme();

// Reads the schemes whose records lie wholly within the file into out (only
// its first kSchemeFileBytes are read); false when it is no regular file that
// opens.
bool ReadSchemeFile(const std::string& path, ColorScheme out[kSchemes], int& schemesRead);

// Writes all four schemes (kSchemeFileBytes) through a temporary file renamed
// over the old one; false when that failed, and the old file is as it was.
bool WriteSchemeFile(const std::string& path, const ColorScheme schemes[kSchemes]);
// What the player is told when the schemes could not be saved.
std::string SchemeFileNotWrittenText(const std::string& path);
