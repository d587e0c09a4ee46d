// The safe writer fails where a write in place would: a file the player may
// not write is never replaced, though the rename beside it would succeed.
#include "platform/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/ini_store.h"
#include "tests/support/other_user.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

TEST(FileIo, FilesThePlayerMayNotWriteAreKept) {
  TempDir dir;
  // The player (even one without root) may create files in the directory.
  fs::permissions(dir.path(), fs::perms::all);
  struct Case {
    const char* name;
    mode_t mode;
    bool asPlayer;  // written by a user other than the file's owner
    bool replaced;
  };
  const Case cases[] = {
      {"writable", 0644, false, true},
      {"read-only", 0444, false, false},  // refused even for root
      {"read-only for all but its owner", 0644, true, false},
      {"writable for everyone", 0666, true, true},
  };
  for (const Case& c : cases) {
    const std::string path = dir.File(std::string(c.name) + ".ini");
    WriteText(path, "[Game]\nHuman=3\n");
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    auto write = [&path]() {
      IniStore ini(path);
      return ini.WriteInt("Game", "Human", 4) && ReplaceFile(path, "x", 1);
    };
    int wrote = 0;
    if (c.asPlayer) {
      wrote = AsOtherUser(write);
      if (wrote < 0) continue;  // not root: no other user to be
    } else {
      wrote = write() ? 1 : 0;
    }
    EXPECT_EQ(wrote == 1, c.replaced) << c.name;
    EXPECT_EQ(ReadText(path), c.replaced ? "x" : "[Game]\nHuman=3\n") << c.name;
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, static_cast<fs::perms>(c.mode)) << c.name;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()),
              static_cast<long>(&c - cases + 1))
        << "no temporary file is left: " << c.name;
  }
}

namespace {

constexpr int kKilled = 2;

// Runs body in a child process in which the given system calls never run:
// they end as action says (SECCOMP_RET_KILL_PROCESS: the child dies at the
// first of them; SECCOMP_RET_TRAP: a SIGSYS handler that body sets runs in
// their place; SECCOMP_RET_ERRNO | e: they fail with e). Body's answer (0 or
// 1), kKilled when the child died so, -1 when no child can be set up so here.
int InFilteredChild(const std::vector<int>& calls, uint32_t action, const std::function<bool()>& body) {
  const pid_t pid = ::fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    const auto n = static_cast<unsigned char>(calls.size());
    std::vector<sock_filter> filter = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr))};
    for (unsigned char k = 0; k < n; ++k)
      filter.push_back(
          BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(calls[k]), static_cast<unsigned char>(n - k), 0));
    filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    filter.push_back(BPF_STMT(BPF_RET | BPF_K, action));
    const sock_fprog program = {static_cast<unsigned short>(filter.size()), filter.data()};
    const rlimit noCore = {0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
      ::_exit(3);
    ::_exit(body() ? 1 : 0);
  }
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid) return -1;
  if (WIFSIGNALED(status)) return WTERMSIG(status) == SIGSYS ? kKilled : -1;
  return WEXITSTATUS(status) <= 1 ? WEXITSTATUS(status) : -1;
}

const std::vector<int> kRenames = {
#ifdef __NR_rename
    __NR_rename,
#endif
    __NR_renameat, __NR_renameat2};

// Another game takes the temporary name over while this one writes.
const char* g_takenName = nullptr;
void TakeOverTemporaryName(int) {
  ::unlink(g_takenName);
  const int fd = ::open(g_takenName, O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd >= 0 && ::write(fd, "half", 4) == 4) ::close(fd);
}

std::set<std::string> Names(const fs::path& dir) {
  std::set<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

}  // namespace

TEST(FileIo, SavesKilledBeforeTheRenameLeaveOneTemporaryFileThatTheNextWriteRemoves) {
  TempDir dir;
  const std::string path = dir.File("tremaw32.gph");
  WriteText(path, "old");
  for (int i = 0; i < 5; ++i) {
    const std::string text = "new " + std::to_string(i);
    const int died = InFilteredChild(kRenames, SECCOMP_RET_KILL_PROCESS,
                                     [&] { return ReplaceFile(path, text.data(), text.size()); });
    if (died < 0) GTEST_SKIP() << "no system-call filter for a child here";
    ASSERT_EQ(died, kKilled) << i;
  }
  EXPECT_EQ(ReadText(path), "old");
  std::set<std::string> names = Names(dir.path());
  ASSERT_EQ(names.size(), 2u) << "the file and one temporary file";
  names.erase("tremaw32.gph");
  const std::string tmp = dir.File(*names.begin());
  EXPECT_EQ(ReadText(tmp), "new 4");
  ASSERT_TRUE(ReplaceFile(path, "x", 1));
  EXPECT_EQ(ReadText(path), "x");
  EXPECT_EQ(Names(dir.path()), std::set<std::string>{"tremaw32.gph"});

  // Another game writing the same file meanwhile: neither write puts the
  // other's half-written file in place.
  g_takenName = tmp.c_str();
  EXPECT_EQ(InFilteredChild({__NR_fchmod}, SECCOMP_RET_TRAP,
                            [&] {
                              std::signal(SIGSYS, TakeOverTemporaryName);
                              return ReplaceFile(path, "y", 1);
                            }),
            0);
  EXPECT_EQ(ReadText(path), "x");
  EXPECT_EQ(ReadText(tmp), "half");

  // Something else at the temporary name is neither followed nor removed: the
  // write fails and keeps the file.
  fs::remove(tmp);
  const std::string other = dir.File("other");
  WriteText(other, "other");
  const struct {
    const char* what;
    std::function<void()> put;
  } cases[] = {
      {"a link to another file", [&] { fs::create_symlink(other, tmp); }},
      {"a link to nowhere", [&] { fs::create_symlink(dir.File("nowhere"), tmp); }},
      {"a directory", [&] { fs::create_directory(tmp); }},
  };
  for (const auto& c : cases) {
    c.put();
    EXPECT_FALSE(ReplaceFile(path, "y", 1)) << c.what;
    EXPECT_EQ(ReadText(path), "x") << c.what;
    EXPECT_EQ(ReadText(other), "other") << c.what;
    EXPECT_FALSE(fs::exists(dir.File("nowhere"))) << c.what;
    EXPECT_TRUE(fs::exists(fs::symlink_status(tmp))) << c.what;
    fs::remove(tmp);
  }
}

// A write that fails part-way (the disk full at once or found only at the
// flush, a file-size limit) keeps the old file and removes its temporary file
// at once, not only at the next good write.
TEST(FileIo, AFailedWriteRemovesItsTemporaryFileAtOnce) {
  const struct {
    const char* what;
    std::vector<int> failing;  // these calls fail with ENOSPC
    rlim_t sizeLimit;          // 0: none
  } cases[] = {
      {"the disk full", {__NR_write}, 0},
      {"the disk full, found at the flush", {__NR_fsync}, 0},
      {"a file-size limit", {}, 100},
  };
  TempDir dir;
  const std::string path = dir.File("tremaw.ini");
  WriteText(path, "old");
  const std::string text(4096, 'x');
  for (const auto& c : cases) {
    const int wrote = InFilteredChild(c.failing, SECCOMP_RET_ERRNO | ENOSPC, [&] {
      if (c.sizeLimit > 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // a failed write instead of the signal's end
        const rlimit limit = {c.sizeLimit, c.sizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
      }
      return ReplaceFile(path, text.data(), text.size());
    });
    if (wrote < 0) GTEST_SKIP() << "no system-call filter for a child here";
    EXPECT_EQ(wrote, 0) << c.what;
    EXPECT_EQ(ReadText(path), "old") << c.what;
    EXPECT_EQ(Names(dir.path()), std::set<std::string>{"tremaw.ini"}) << c.what;
  }
}
