#pragma once
// The program's own files lie in the directory it was started from.
#include <string>

// dir joined with name by one "/" (none added after a trailing one); an empty
// dir gives the plain name, relative to wherever the program runs.
std::string JoinStartPath(const std::string& dir, const std::string& name);

// The current directory at start-up, or empty when it cannot be read.
std::string StartDirectory();
