#pragma once
// The game's texts are UTF-8; wx would read a narrow string in the C locale and
// lose every umlaut, so all of them cross over here.
#include <wx/string.h>

#include <string>

#include "platform/readable_text.h"

// Text that is not UTF-8 (a file name from another system) would come out
// empty: it shows as ReadableUtf8 makes it.
inline wxString Wx(const std::string& utf8) {
  wxString s = wxString::FromUTF8(utf8.data(), utf8.size());
  if (s.empty() && !utf8.empty()) {
    const std::string readable = ReadableUtf8(utf8);
    s = wxString::FromUTF8(readable.data(), readable.size());
  }
  return s;
}
inline wxString Wx(const char* utf8) { return utf8 ? Wx(std::string(utf8)) : wxString(); }
inline std::string Utf8(const wxString& s) {
  const wxScopedCharBuffer b = s.utf8_str();
  return std::string(b.data(), b.length());
}
