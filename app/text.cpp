#include "app/text.h"

#include <cstring>

#include "resources/strings.h"

const char* LoadResString(int id) {
  // A fixed buffer, so that a pointer handed out earlier stays valid and reads
  // as the latest text, however long that is.
  static char buffer[kResStringBuffer] = {};
  if (const char* entry = StringTableEntry(id)) {
    const std::string text = entry;
    size_t n = text.size();
    // Cut by bytes, but never inside a character.
    while (n > sizeof buffer - 1) {
      --n;
      while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
  }
  return buffer;
}

const std::string& Unscramble(const unsigned char* stored, size_t length) {
  static std::string buffer;
  buffer.assign(reinterpret_cast<const char*>(stored), length);
  for (size_t i = buffer.size(); i-- > 0;)
    buffer[i] = static_cast<char>((static_cast<unsigned char>(buffer[i]) - 100) & 0xFF);
  return buffer;
}

std::string Scramble(const std::string& plain) {
  std::string out = plain;
  for (char& c : out) c = static_cast<char>((static_cast<unsigned char>(c) + 100) & 0xFF);
  return out;
}
