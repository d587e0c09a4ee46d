#pragma once
// Text that came from outside the game, such as a file name in the settings
// file, is not always UTF-8; whatever shows it needs UTF-8.
#include <string>

// The bytes as UTF-8 that shows them as well as it can: well-formed sequences
// as they are, any other byte as its Latin-1 letter (names from other systems
// mostly are Latin-1), or as U+FFFD where Latin-1 has none. UTF-8 text comes
// back unchanged.
std::string ReadableUtf8(const std::string& bytes);
