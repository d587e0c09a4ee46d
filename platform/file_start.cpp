#include "platform/file_start.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

FileState ReadFileStart(const std::string& path, std::string& out, size_t maxBytes) {
  out.clear();
  // Non-blocking, so that a FIFO in the file's place cannot hang the game.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unusable;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return FileState::Unusable;
  }
  out.resize(maxBytes);
  size_t got = 0;
  while (got < maxBytes) {
    const ssize_t n = ::read(fd, out.data() + got, maxBytes - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      out.clear();
      return FileState::Unusable;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  out.resize(got);
  return FileState::Read;
}
