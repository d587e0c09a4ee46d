#pragma once
// Reading and writing the game's own small files safely: a file is read whole
// without ever blocking on a FIFO or a device, and written to a temporary file
// beside it ("name.tremaw-tmp") that is then renamed over it.
#include <cstddef>
#include <string>

enum class FileState { Missing, Read, Unusable };

// Reads a regular file of at most maxBytes into out. Anything else (a
// directory, a FIFO, a device, a larger file, a read error) is Unusable.
FileState ReadWholeFile(const std::string& path, std::string& out, size_t maxBytes);

// Reads at most maxBytes from the start of a regular file into out (fewer when
// the file is shorter); the rest of the file is never read. Anything but a
// regular file that reads is Unusable, at once.
FileState ReadFileStart(const std::string& path, std::string& out, size_t maxBytes);

// Replaces the file's contents; a failure at any point leaves the old file as
// it was. Writes through a symbolic link, keeps the file's permissions, and
// never replaces something that is not a regular file, nor a file the player
// may not write (as a write in place would fail there).
bool ReplaceFile(const std::string& path, const void* data, size_t size);
