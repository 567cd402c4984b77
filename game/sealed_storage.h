// Files that cannot be read or edited as plain text: their text is sealed with
// a key made from a password (XSalsa20 and Poly1305, from libsodium), so that a
// changed byte or the wrong password is found out instead of read as data. On
// disk the text is GB18030; in memory it is UTF-8.
//
// A file is always replaced whole: the new content goes to a file beside it,
// reaches the disk, and only then takes the old one's name, so that a write
// that fails half way leaves the old file as it was.
#pragma once

#include <string>

namespace vozi {

struct SealedText {
  enum class Status { Opened, Missing, Unreadable };
  Status status = Status::Missing;
  std::string text;  // UTF-8, when opened
};

[[nodiscard]] SealedText readSealedFile(const std::string& path, const std::string& password);
// Seals the UTF-8 text and puts it in place of the file; false when it could not.
[[nodiscard]] bool writeSealedFile(const std::string& path, const std::string& password,
                                   const std::string& text);

}  // namespace vozi
