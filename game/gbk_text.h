// Texts are kept in UTF-8, but the game measures them as the GBK bytes they
// would take: widths of right-aligned cells, the 18-byte limit of a ranking
// name, the 90-byte ranking line. GB18030, a superset of GBK, is used so that
// any character a player may type has a byte form (two or four bytes outside
// ASCII).
#pragma once

#include <optional>
#include <string>

namespace vozi::gbk {

// The text as GB18030 bytes; characters that cannot be encoded become "?".
std::string fromUtf8(const std::string& utf8);
// The GB18030 bytes as UTF-8; nullopt when they are not valid GB18030.
std::optional<std::string> toUtf8(const std::string& bytes);

// Number of GBK bytes of a UTF-8 text.
int width(const std::string& utf8);
// Right-aligns the text in `width` GBK bytes with ASCII spaces on the left, as
// printf's "%20s" does: a longer text is left as it is.
std::string padLeft(const std::string& utf8, int width);
// The longest leading part of the text that takes at most `maxBytes` GBK bytes;
// a character that would be cut in half is dropped whole.
std::string cut(const std::string& utf8, int maxBytes);

}  // namespace vozi::gbk
