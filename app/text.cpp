#include "app/text.h"

#include "resources/strings.h"

const char* LoadResString(int id) {
  static std::string buffer;
  if (const char* entry = StringTableEntry(id)) buffer = entry;
  return buffer.c_str();
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
