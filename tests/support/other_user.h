#pragma once
// Runs a piece of a test as a player without root's rights: in a child process
// that has given root up for the user "nobody". Root may write every file, so
// what the game does for a file the player may not write is seen only so.
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// body's answer (0 or 1), or -1 when it cannot run so (the tests do not run as
// root, or the child failed).
inline int AsOtherUser(const std::function<bool()>& body) {
  if (::geteuid() != 0) return -1;
  const pid_t pid = ::fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
    ::_exit(body() ? 1 : 0);
  }
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) > 1) return -1;
  return WEXITSTATUS(status);
}
