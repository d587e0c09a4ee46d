#include "platform/readable_text.h"

namespace {

// The length of the well-formed UTF-8 sequence at i, or 0 when there is none
// (a stray byte, a cut-off sequence, an overlong form or a surrogate).
size_t SequenceAt(const std::string& s, size_t i) {
  const auto byte = [&](size_t k) { return i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : 0u; };
  const unsigned lead = byte(0);
  if (lead < 0x80) return 1;
  size_t n = 0;
  unsigned lo = 0x80, hi = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
    if (lead == 0xE0) lo = 0xA0;
    if (lead == 0xED) hi = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  for (size_t k = 1; k < n; ++k) {
    const unsigned b = byte(k);
    if (b < (k == 1 ? lo : 0x80u) || b > (k == 1 ? hi : 0xBFu)) return 0;
  }
  return n;
}

}  // namespace

std::string ReadableUtf8(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    if (const size_t n = SequenceAt(bytes, i)) {
      text.append(bytes, i, n);
      i += n;
      continue;
    }
    const unsigned c = static_cast<unsigned char>(bytes[i++]);
    if (c >= 0xA0) {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      text += "\xEF\xBF\xBD";
    }
  }
  return text;
}
