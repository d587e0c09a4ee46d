#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr char kTempSuffix[] = ".tremaw-tmp";

bool WriteAll(int fd, const char* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}
}  // namespace

namespace {
// Reads a regular file: whole (at most maxBytes, else Unusable) or only its
// first maxBytes. Non-blocking, so that a FIFO in the file's place cannot hang
// the game.
FileState ReadRegularFile(const std::string& path, std::string& out, size_t maxBytes, bool whole) {
  out.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unusable;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || (whole && static_cast<uint64_t>(st.st_size) > maxBytes)) {
    ::close(fd);
    return FileState::Unusable;
  }
  // One byte more than allowed tells a whole file that grew while we read it.
  const size_t limit = whole ? maxBytes + 1 : maxBytes;
  char buf[16384];
  FileState state = FileState::Read;
  while (out.size() < limit) {
    const ssize_t n = ::read(fd, buf, std::min(sizeof buf, limit - out.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) state = FileState::Unusable;
    if (n <= 0) break;
    out.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  if (out.size() > maxBytes) state = FileState::Unusable;
  if (state != FileState::Read) out.clear();
  return state;
}
}  // namespace

FileState ReadWholeFile(const std::string& path, std::string& out, size_t maxBytes) {
  return ReadRegularFile(path, out, maxBytes, true);
}

FileState ReadFileStart(const std::string& path, std::string& out, size_t maxBytes) {
  return ReadRegularFile(path, out, maxBytes, false);
}

bool ReplaceFile(const std::string& path, const void* data, size_t size) {
  if (path.empty()) return false;
  std::string target = path;
  struct stat lst {};
  if (::lstat(path.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return false;
    target = real;
    std::free(real);
  }
  mode_t mode = 0644;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return false;  // a directory or a FIFO is not ours to replace
    // The rename would succeed where a write in place fails: a file the player
    // may not write stays as it is. access() answers for the player; root
    // passes it whatever the bits say, so a file without any write bit counts
    // as read-only too.
    if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return false;
    mode = st.st_mode & 07777;
  }
  // One fixed temporary name beside the file: a write cut short (the game
  // killed before the rename) leaves at most this one file, which the next
  // write replaces. Something else at that name (a link, a directory) is not
  // ours: it is neither followed nor removed, and the write fails.
  const std::string tmp = target + kTempSuffix;
  struct stat tst {};
  if (::lstat(tmp.c_str(), &tst) == 0) {
    if (!S_ISREG(tst.st_mode) || ::unlink(tmp.c_str()) != 0) return false;
  }
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  (void)::fchmod(fd, mode);  // a failed chmod is no reason to lose the write
  struct stat mine {};
  bool ok = WriteAll(fd, static_cast<const char*>(data), size) && ::fsync(fd) == 0 && ::fstat(fd, &mine) == 0;
  if (::close(fd) != 0) ok = false;
  // Another game writing the same file took the name over meanwhile: its
  // half-written file is not renamed into place, nor removed.
  if (ok && (::lstat(tmp.c_str(), &tst) != 0 || tst.st_dev != mine.st_dev || tst.st_ino != mine.st_ino)) return false;
  if (ok && ::rename(tmp.c_str(), target.c_str()) == 0) return true;
  ::unlink(tmp.c_str());
  return false;
}
