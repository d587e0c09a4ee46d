// The colour-scheme file: only whole schemes are read, and the scheme in use
// is one read from the file or scheme A.
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "settings/colors.h"
#include "settings/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const int wanted = size > 0 ? static_cast<int8_t>(data[0]) : 0;
  if (size > 0) ++data, --size;
  const std::string path = FuzzFile("colors.dat", data, size);

  ColorScheme schemes[kSchemes] = {};
  int read = -1;
  FUZZ_CHECK(ReadSchemeFile(path, schemes, read));
  FUZZ_CHECK(read >= 0 && read <= kSchemes);
  FUZZ_CHECK(static_cast<size_t>(read) * sizeof(ColorScheme) <= size);

  g_SchemeFile = path;
  g_CurScheme = wanted;
  LoadCurrentScheme();
  bool known = g_Colors == g_DefaultSchemes[0];
  for (int i = 0; i < read; ++i) known = known || g_Colors == schemes[i];
  FUZZ_CHECK(known);
  return 0;
}
