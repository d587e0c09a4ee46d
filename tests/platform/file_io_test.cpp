// The safe writer fails where a write in place would: a file the player may
// not write is never replaced, though the rename beside it would succeed.
#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

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
