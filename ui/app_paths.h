#pragma once
// The program's own files lie in the directory it was started from.
#include <string>

// dir joined with name by one "/" (none added after a trailing one); an empty
// dir gives the plain name, relative to wherever the program runs.
std::string JoinStartPath(const std::string& dir, const std::string& name);

// The current directory at start-up, or empty when it cannot be read.
std::string StartDirectory();

// The program's files in the start-up directory dir.
struct StartFiles {
  std::string profile;        // the settings
  std::string helpBook;       // the help
  std::string trend;          // the win percentages of the last games
  std::string schemes;        // the colour schemes
  std::string documentation;  // the page handed to the browser
};
StartFiles StartFilesIn(const std::string& dir);
