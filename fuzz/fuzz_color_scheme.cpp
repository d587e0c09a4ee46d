// The colour-scheme file: only whole schemes are read; the scheme in use is the
// one the settings name, from the file when it holds it whole and built in
// otherwise, and scheme A when the settings name no scheme.
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
  FUZZ_CHECK(static_cast<size_t>(read) * kSchemeRecordBytes <= size);

  g_SchemeFile = path;
  g_CurScheme = wanted;
  LoadCurrentScheme();
  if (wanted >= 0 && wanted < kSchemes) {
    FUZZ_CHECK(g_CurScheme == wanted);
    FUZZ_CHECK(g_Colors == (wanted < read ? schemes[wanted] : g_DefaultSchemes[wanted]));
  } else {
    FUZZ_CHECK(g_CurScheme == 0 && g_Colors == g_DefaultSchemes[0]);
  }
  return 0;
}
