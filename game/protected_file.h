// A password-protected text file, opened for reading or for changing: its
// plain text is held in memory and worked on line by line at a byte position,
// and a changed file is sealed and written back when it is closed. Positions
// count bytes of the plain text as held in memory (UTF-8), so a position read
// here is the one to come back to; lines written here end in CR LF.
#pragma once

#include <optional>
#include <string>

#include "game/platform.h"

namespace vozi {

enum class OpenMode {
  ReadOnly,   // fails when the file is missing
  ReadWrite,  // a missing file starts empty; an existing one keeps its text
};

class ProtectedFile {
 public:
  // Fails, too, when the file exists but the password does not open it: such
  // a file is never changed.
  [[nodiscard]] static std::optional<ProtectedFile> open(Platform& desktop, const std::string& path,
                                                         OpenMode mode,
                                                         const std::string& password);

  [[nodiscard]] bool atEnd() const { return position_ >= text_.size(); }
  // The next line, without its LF and a CR before it.
  std::string readLine();
  [[nodiscard]] std::size_t position() const { return position_; }
  void seek(std::size_t offset);
  void seekEnd() { position_ = text_.size(); }
  // Puts the line and CR LF at the position, moving the later text back; the
  // position then stands after it.
  void insertLine(const std::string& line);
  // Removes bytes at the position, moving the later text forward.
  void deleteBytes(std::size_t count);
  // Writes a changed file; false when that failed (the file on disk is then
  // as it was before).
  bool close();

  [[nodiscard]] const std::string& plainText() const { return text_; }

 private:
  ProtectedFile(Platform& desktop, std::string path, std::string password, OpenMode mode,
                std::string text);

  Platform* desktop_;
  std::string path_;
  std::string password_;
  OpenMode mode_;
  std::string text_;
  std::size_t position_ = 0;
  bool changed_ = false;
};

}  // namespace vozi
