#pragma once
// What every fuzz target shares: a private directory for the files it reads
// and writes, and a check that stops the run with a message when a rule of
// the game does not hold.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// A directory of this process, made once and removed at exit (its name is
// never freed, so that the exit handler can still read it).
inline const std::string& FuzzDir() {
  static const std::string* dir = [] {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tremaw-fuzz-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) std::abort();
    auto* made = new std::string(tmpl);
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(FuzzDir(), ec);
    });
    return made;
  }();
  return *dir;
}

// Writes bytes to a file of the fuzz directory and returns its path.
inline std::string FuzzFile(const std::string& name, const void* data, size_t size) {
  const std::string path = FuzzDir() + "/" + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);
  return path;
}

#define FUZZ_CHECK(cond)                                                            \
  do {                                                                              \
    if (!(cond)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)
