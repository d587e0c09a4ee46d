#pragma once
// The game's texts are UTF-8; wx would read a narrow string in the C locale and
// lose every umlaut, so all of them cross over here.
#include <wx/string.h>

#include <string>

inline wxString Wx(const std::string& utf8) { return wxString::FromUTF8(utf8.data(), utf8.size()); }
inline wxString Wx(const char* utf8) { return utf8 ? wxString::FromUTF8(utf8) : wxString(); }
inline std::string Utf8(const wxString& s) {
  const wxScopedCharBuffer b = s.utf8_str();
  return std::string(b.data(), b.length());
}
