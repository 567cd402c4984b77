#include "game/protected_file.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace vozi {

ProtectedFile::ProtectedFile(Platform& desktop, std::string path, std::string password,
                             OpenMode mode, std::string text)
    : desktop_(&desktop),
      path_(std::move(path)),
      password_(std::move(password)),
      mode_(mode),
      text_(std::move(text)) {}

std::optional<ProtectedFile> ProtectedFile::open(Platform& desktop, const std::string& path,
                                                 OpenMode mode, const std::string& password) {
  SealedText sealed = desktop.readSealed(path, password);
  switch (sealed.status) {
    case SealedText::Status::Opened:
      return ProtectedFile(desktop, path, password, mode, std::move(sealed.text));
    case SealedText::Status::Missing:
      if (mode == OpenMode::ReadOnly) return std::nullopt;
      {
        ProtectedFile created(desktop, path, password, mode, std::string());
        created.changed_ = true;  // closing it creates the file
        return created;
      }
    case SealedText::Status::Unreadable: return std::nullopt;
  }
  return std::nullopt;
}

std::string ProtectedFile::readLine() {
  const std::size_t end = text_.find('\n', position_);
  std::string line = text_.substr(position_, end == std::string::npos ? end : end - position_);
  position_ = end == std::string::npos ? text_.size() : end + 1;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void ProtectedFile::seek(std::size_t offset) {
  position_ = std::min(offset, text_.size());
}

void ProtectedFile::insertLine(const std::string& line) {
  assert(mode_ == OpenMode::ReadWrite);
  const std::string withEnd = line + "\r\n";
  text_.insert(position_, withEnd);
  position_ += withEnd.size();
  changed_ = true;
}

void ProtectedFile::deleteBytes(std::size_t count) {
  assert(mode_ == OpenMode::ReadWrite);
  text_.erase(position_, count);
  changed_ = true;
}

bool ProtectedFile::close() {
  if (!changed_) return true;
  changed_ = false;
  return desktop_->writeSealed(path_, password_, text_);
}

}  // namespace vozi
