#include "game/gbk_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace vozi::gbk {
namespace {

// Length of the UTF-8 sequence starting at `at`; 1 for a broken byte, which
// then stands for one character that cannot be converted.
int utf8Length(const std::string& s, std::size_t at) {
  const auto lead = static_cast<unsigned char>(s[at]);
  const int length = lead < 0x80           ? 1
                     : (lead >> 5) == 0x6  ? 2
                     : (lead >> 4) == 0xE  ? 3
                     : (lead >> 3) == 0x1E ? 4
                                           : 0;
  if (length == 0 || at + static_cast<std::size_t>(length) > s.size()) return 1;
  for (int i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

// Length of the GB18030 character whose first byte is at `at`: one byte for
// ASCII, four when the second byte is a digit, two otherwise.
std::size_t gb18030Length(const std::string& bytes, std::size_t at) {
  if (static_cast<unsigned char>(bytes[at]) < 0x80 || at + 1 >= bytes.size()) return 1;
  const auto second = static_cast<unsigned char>(bytes[at + 1]);
  return (second >= 0x30 && second <= 0x39) ? 4 : 2;
}

std::optional<std::string> convert(const char* to, const char* from, const std::string& in,
                                   bool substitute) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  std::vector<char> buffer(in.size() * 4 + 16);
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  bool ok = true;
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer.data(), outPtr);
    if (result != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    if (!substitute) {
      ok = false;
      break;
    }
    // Skip the character that cannot be converted and mark its place.
    const int skip = utf8Length(in, static_cast<std::size_t>(inPtr - in.data()));
    inPtr += skip;
    inLeft -= static_cast<std::size_t>(skip);
    out += '?';
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

}  // namespace

std::string fromUtf8(const std::string& utf8) {
  return convert("GB18030", "UTF-8", utf8, true).value_or(std::string());
}

std::optional<std::string> toUtf8(const std::string& bytes) {
  return convert("UTF-8", "GB18030", bytes, false);
}

int width(const std::string& utf8) {
  return static_cast<int>(fromUtf8(utf8).size());
}

std::string padLeft(const std::string& utf8, int cellWidth) {
  const int missing = cellWidth - width(utf8);
  return missing > 0 ? std::string(static_cast<std::size_t>(missing), ' ') + utf8 : utf8;
}

std::string cut(const std::string& utf8, int maxBytes) {
  const std::string bytes = fromUtf8(utf8);
  std::size_t kept = 0;
  while (kept < bytes.size()) {
    const std::size_t next = kept + gb18030Length(bytes, kept);
    if (next > static_cast<std::size_t>(std::max(maxBytes, 0))) break;
    kept = next;
  }
  return toUtf8(bytes.substr(0, kept)).value_or(std::string());
}

}  // namespace vozi::gbk
