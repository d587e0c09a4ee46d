#include "platform/ini_store.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/file_io.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

struct Line {
  std::string text;  // without its line ending
  std::string eol;   // "\n", "\r\n" or "" for a last line without one
};

std::vector<Line> SplitLines(const std::string& data) {
  std::vector<Line> lines;
  size_t pos = 0;
  while (pos < data.size()) {
    const size_t nl = data.find('\n', pos);
    if (nl == std::string::npos) {
      lines.push_back({data.substr(pos), ""});
      break;
    }
    Line line{data.substr(pos, nl - pos), "\n"};
    if (!line.text.empty() && line.text.back() == '\r') {
      line.text.pop_back();
      line.eol = "\r\n";
    }
    lines.push_back(std::move(line));
    pos = nl + 1;
  }
  return lines;
}

// What one line of the file is, seen by the parser.
struct Parsed {
  enum Kind { Other, Section, Key } kind = Other;
  std::string name;       // section or key name, trimmed
  size_t valueStart = 0;  // index just past '=' in the line's text
};

Parsed ParseLine(const std::string& rawText, bool first) {
  std::string text = rawText;
  // A UTF-8 byte-order mark in front of the first line is not part of it.
  if (first && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  const size_t skipped = rawText.size() - text.size();
  Parsed p;
  const std::string t = Trim(text);
  if (!t.empty() && t[0] == '[') {
    const size_t close = t.find(']');
    p.kind = Parsed::Section;
    p.name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return p;
  }
  const size_t eq = text.find('=');
  if (eq != std::string::npos) {
    p.kind = Parsed::Key;
    p.name = Trim(text.substr(0, eq));
    p.valueStart = skipped + eq + 1;
  }
  return p;
}

struct Lookup {
  std::optional<size_t> section;  // first header of the section
  std::optional<size_t> key;      // first line of the key in that section
  std::optional<size_t> lastKeyOfFirstSection;
};

Lookup Find(const std::vector<Line>& lines, const std::string& section, const std::string& key) {
  Lookup r;
  bool inSection = false;
  bool inFirst = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Parsed p = ParseLine(lines[i].text, i == 0);
    if (p.kind == Parsed::Section) {
      inSection = EqualNoCase(p.name, section);
      inFirst = inSection && !r.section;
      if (inFirst) r.section = i;
      continue;
    }
    if (!inSection || p.kind != Parsed::Key) continue;
    if (inFirst) r.lastKeyOfFirstSection = i;
    if (!r.key && EqualNoCase(p.name, key)) r.key = i;
  }
  return r;
}

// Keeps at most max characters (UTF-8 sequences count as one).
void TruncateChars(std::string& s, size_t max) {
  size_t chars = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;  // continuation byte
    if (chars == max) {
      s.resize(i);
      return;
    }
    ++chars;
  }
}

bool HasLineBreakOrNul(const std::string& s) { return s.find_first_of(std::string("\r\n\0", 3)) != std::string::npos; }

}  // namespace

int ParseProfileInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Accumulate towards the sign's side so that INT_MIN itself fits; saturate beyond.
  long long v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) return static_cast<int>(-v);
  return v > INT_MAX ? INT_MAX : static_cast<int>(v);
}

std::string IniStore::GetString(const std::string& section, const std::string& key, const std::string& def) const {
  std::string data;
  if (ReadWholeFile(m_path, data, kMaxFileBytes) != FileState::Read) return def;
  const std::vector<Line> lines = SplitLines(data);
  const Lookup found = Find(lines, Trim(section), Trim(key));
  if (!found.key) return def;
  const Line& line = lines[*found.key];
  std::string value = Trim(line.text.substr(ParseLine(line.text, *found.key == 0).valueStart));
  TruncateChars(value, kMaxValueChars);
  return value;
}

int IniStore::GetInt(const std::string& section, const std::string& key, int def) const {
  // A sentinel that no stored value can produce tells "missing" from "present".
  static const std::string kMissing("\n");
  const std::string value = GetString(section, key, kMissing);
  if (value == kMissing) return def;
  return ParseProfileInt(value);
}

bool IniStore::WriteInt(const std::string& section, const std::string& key, int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d", value);
  return WriteString(section, key, buf);
}

bool IniStore::WriteString(const std::string& rawSection, const std::string& rawKey, const std::string& value) {
  const std::string section = Trim(rawSection);
  const std::string key = Trim(rawKey);
  if (section.empty() || key.empty()) return false;
  if (HasLineBreakOrNul(rawSection) || HasLineBreakOrNul(rawKey) || HasLineBreakOrNul(value)) return false;
  if (section.find(']') != std::string::npos) return false;
  // A key line starting with '[' would read back as a section header.
  if (key.find('=') != std::string::npos || key[0] == '[') return false;

  std::string data;
  const FileState state = ReadWholeFile(m_path, data, kMaxFileBytes);
  if (state == FileState::Unusable) return false;  // never overwrite what we could not read
  std::vector<Line> lines = SplitLines(data);
  const std::string eol = (!lines.empty() && lines[0].eol == "\r\n") ? "\r\n" : "\n";

  const Lookup found = Find(lines, section, key);
  if (found.key) {
    Line& line = lines[*found.key];
    line.text = line.text.substr(0, ParseLine(line.text, *found.key == 0).valueStart) + value;
  } else {
    size_t at;
    std::vector<Line> added;
    if (found.section) {
      at = (found.lastKeyOfFirstSection ? *found.lastKeyOfFirstSection : *found.section) + 1;
    } else {
      at = lines.size();
      if (!lines.empty() && !Trim(lines.back().text).empty()) added.push_back({"", eol});
      added.push_back({"[" + section + "]", eol});
    }
    added.push_back({key + "=" + value, eol});
    if (at > 0 && lines[at - 1].eol.empty()) lines[at - 1].eol = eol;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
  }

  std::string out;
  out.reserve(data.size() + key.size() + value.size() + section.size() + 8);
  for (const Line& line : lines) {
    out += line.text;
    out += line.eol;
  }
  // A file we would no longer read back is not written.
  if (out.size() > kMaxFileBytes) return false;
  return ReplaceFile(m_path, out.data(), out.size());
}
