#include "game/sealed_storage.h"

#include <fcntl.h>
#include <sodium.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "game/gbk_text.h"

namespace vozi {
namespace {

// "vozi sealed file, first format".
constexpr char kMagic[] = {'V', 'O', 'Z', 'I', 'S', 'F', '0', '1'};
constexpr std::size_t kMagicSize = sizeof kMagic;
constexpr std::size_t kSaltSize = 16;
constexpr std::size_t kHeaderSize = kMagicSize + kSaltSize + crypto_secretbox_NONCEBYTES;

using Bytes = std::vector<unsigned char>;

bool sodiumReady() {
  static const bool ready = sodium_init() >= 0;
  return ready;
}

// The password is written in the program, so a slow key derivation would add
// nothing; the salt makes every file's key its own.
Bytes keyFor(const std::string& password, const unsigned char* salt) {
  Bytes key(crypto_secretbox_KEYBYTES);
  crypto_generichash(key.data(), key.size(),
                     reinterpret_cast<const unsigned char*>(password.data()), password.size(), salt,
                     kSaltSize);
  return key;
}

bool writeWhole(int fd, const Bytes& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

SealedText readSealedFile(const std::string& path, const std::string& password) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {SealedText::Status::Missing, {}};
  const Bytes sealed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const SealedText unreadable{SealedText::Status::Unreadable, {}};
  if (!sodiumReady() || sealed.size() < kHeaderSize + crypto_secretbox_MACBYTES ||
      !std::equal(kMagic, kMagic + kMagicSize, sealed.begin())) {
    return unreadable;
  }
  const unsigned char* salt = sealed.data() + kMagicSize;
  const unsigned char* nonce = salt + kSaltSize;
  const Bytes key = keyFor(password, salt);
  Bytes plain(sealed.size() - kHeaderSize - crypto_secretbox_MACBYTES);
  if (crypto_secretbox_open_easy(plain.data(), sealed.data() + kHeaderSize,
                                 sealed.size() - kHeaderSize, nonce, key.data()) != 0) {
    return unreadable;
  }
  const std::optional<std::string> text = gbk::toUtf8(std::string(plain.begin(), plain.end()));
  if (!text) return unreadable;
  return {SealedText::Status::Opened, *text};
}

bool writeSealedFile(const std::string& path, const std::string& password,
                     const std::string& text) {
  if (!sodiumReady()) return false;
  const std::string plain = gbk::fromUtf8(text);
  Bytes sealed(kHeaderSize + crypto_secretbox_MACBYTES + plain.size());
  std::copy(kMagic, kMagic + kMagicSize, sealed.begin());
  unsigned char* salt = sealed.data() + kMagicSize;
  unsigned char* nonce = salt + kSaltSize;
  randombytes_buf(salt, kSaltSize);
  randombytes_buf(nonce, crypto_secretbox_NONCEBYTES);
  const Bytes key = keyFor(password, salt);
  crypto_secretbox_easy(sealed.data() + kHeaderSize,
                        reinterpret_cast<const unsigned char*>(plain.data()), plain.size(), nonce,
                        key.data());

  const std::string fresh = path + ".new";
  const int fd = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool onDisk = writeWhole(fd, sealed) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!onDisk || !closed || std::rename(fresh.c_str(), path.c_str()) != 0) {
    std::remove(fresh.c_str());
    return false;
  }
  return true;
}

}  // namespace vozi
