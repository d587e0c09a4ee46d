#pragma once
// The settings file: a small ini store that reads and writes as the Windows
// private-profile functions do, so that settings files made for them keep their
// meaning. Sections and keys compare case-insensitively (ASCII), the first
// occurrence wins, reading never creates the file, and every write rewrites the
// file at once through a temporary file in the same directory, keeping all
// other lines as they were.
#include <cstddef>
#include <string>

class IniStore {
 public:
  explicit IniStore(std::string path) : m_path(std::move(path)) {}

  const std::string& Path() const { return m_path; }

  // The leading integer of the value (blanks, an optional sign, digits; no
  // digits gives 0, values beyond int saturate); def when the file, the
  // section or the key is missing.
  int GetInt(const std::string& section, const std::string& key, int def) const;
  // The value with surrounding blanks trimmed, possibly empty, at most
  // kMaxValueChars characters; def only when the file, section or key is missing.
  std::string GetString(const std::string& section, const std::string& key, const std::string& def) const;

  // Store the value ("%d" for integers), creating the file, the section and the
  // key when missing. False when the names or the value cannot be stored (a line
  // break, '=' in a key, ']' in a section, an empty name), when the existing
  // file cannot be read safely, or when writing fails; the file is then unchanged.
  bool WriteInt(const std::string& section, const std::string& key, int value);
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);

  static constexpr size_t kMaxValueChars = 4095;
  // A larger file, or anything that is not a regular file, counts as missing.
  static constexpr size_t kMaxFileBytes = 1024 * 1024;

 private:
  std::string m_path;
};

// The leading-integer parse used by GetInt, exposed for tests.
int ParseProfileInt(const std::string& text);
