#pragma once
// Texts that lie in the program's data only in scrambled form (every byte 100
// higher), read through Unscramble: the display name, the log's header and
// the About box's version and information lines.
#include <array>
#include <cstddef>
#include <string>

template <size_t N>
struct StoredText {
  std::array<unsigned char, N - 1> bytes;
  constexpr size_t size() const { return N - 1; }
  const unsigned char* data() const { return bytes.data(); }
};

template <size_t N>
consteval StoredText<N> Store(const char (&plain)[N]) {
  StoredText<N> t{};
  for (size_t i = 0; i + 1 < N; ++i)
    t.bytes[i] = static_cast<unsigned char>((static_cast<unsigned char>(plain[i]) + 100) & 0xFF);
  return t;
}

// The plain forms, through Unscramble's shared buffer (copy before the next call).
std::string DisplayNameText();
std::string LogHeaderText(int n);  // n = 1 to 4
std::string AboutVersionText();
std::string AboutInfoText(int n);  // n = 1 or 2
