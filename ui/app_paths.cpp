#include "ui/app_paths.h"

#include <filesystem>
#include <system_error>

std::string JoinStartPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  // A root directory already ends in "/"; a doubled leading "//" would mean
  // something else to POSIX.
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

std::string StartDirectory() {
  std::error_code ec;
  const std::filesystem::path p = std::filesystem::current_path(ec);
  if (ec) return std::string();
  return p.string();
}

StartFiles StartFilesIn(const std::string& dir) {
  return StartFiles{JoinStartPath(dir, "tremaw.ini"), JoinStartPath(dir, "tremaw.htb"),
                    JoinStartPath(dir, "tremaw32.gph"), JoinStartPath(dir, "tremaw32.clr"),
                    JoinStartPath(dir, "Documentation.htm")};
}
