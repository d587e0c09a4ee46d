#pragma once
// Colour schemes: six colours each, the one in use in g_Colors.
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

struct ColorScheme {
  Color c[kColorSlots];
  Color& operator[](int i) { return c[i]; }
  const Color& operator[](int i) const { return c[i]; }
  bool operator==(const ColorScheme&) const = default;
};
static_assert(sizeof(ColorScheme) == 24);

extern ColorScheme g_Colors;
extern const ColorScheme g_DefaultSchemes[kSchemes];
// Full path of the colour-scheme file, set at start-up.
extern std::string g_SchemeFile;

// Fills g_Colors with scheme g_CurScheme from the colour-scheme file, with its
// built-in colours when the file does not hold it whole (as the colour dialog
// shows it); with scheme A when no file reads or the index is no scheme.
void LoadCurrentScheme();

// Reads the schemes whose 24 bytes lie wholly within the file into out (only
// its first 96 bytes are read); false when it is no regular file that opens.
bool ReadSchemeFile(const std::string& path, ColorScheme out[kSchemes], int& schemesRead);

// Writes all four schemes (96 bytes) through a temporary file renamed over the
// old one; false when that failed, and the old file is as it was.
bool WriteSchemeFile(const std::string& path, const ColorScheme schemes[kSchemes]);
// What the player is told when the schemes could not be saved.
std::string SchemeFileNotWrittenText(const std::string& path);
