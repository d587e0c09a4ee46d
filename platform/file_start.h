#pragma once
// Reading the fixed-size start of a file whose length does not matter.
#include <cstddef>
#include <string>

#include "platform/file_io.h"

// Reads at most maxBytes from the start of a regular file into out (fewer when
// the file is shorter); the rest of the file is never read. Anything else (a
// directory, a FIFO, a device, a read error) is Unusable, at once: opening
// never blocks.
FileState ReadFileStart(const std::string& path, std::string& out, size_t maxBytes);
