#include "game/protected_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/recording_platform.h"

namespace vozi {
namespace {

namespace fs = std::filesystem;

class ProtectedFileTest : public ::testing::Test {
 protected:
  ProtectedFileTest() {
    std::string pattern = (fs::temp_directory_path() / "vozi-protected-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    path = (folder / "ranking.scfg").string();
  }
  ~ProtectedFileTest() override { fs::remove_all(folder); }

  std::string bytesOnDisk() const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Writes the lines into a new file and closes it.
  void writeLines(std::initializer_list<std::string> lines) {
    auto file = ProtectedFile::open(desktop, path, OpenMode::ReadWrite, "qorvel");
    ASSERT_TRUE(file);
    for (const std::string& line : lines) file->insertLine(line);
    ASSERT_TRUE(file->close());
  }

  fs::path folder;
  std::string path;
  RecordingPlatform desktop;
};

TEST_F(ProtectedFileTest, WhatIsWrittenReadsBackButNotAsPlainText) {
  writeLines({"[GAME]", "1=  王小明    2296简单型"});
  const std::string disk = bytesOnDisk();
  EXPECT_EQ(disk.find("GAME"), std::string::npos);
  EXPECT_EQ(disk.find("2296"), std::string::npos);

  auto file = ProtectedFile::open(desktop, path, OpenMode::ReadOnly, "qorvel");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->readLine(), "[GAME]");
  EXPECT_EQ(file->position(), 8u);  // the line and its CR LF
  EXPECT_EQ(file->readLine(), "1=  王小明    2296简单型");
  EXPECT_TRUE(file->atEnd());
}

TEST_F(ProtectedFileTest, AMissingFileOpensOnlyForWritingAndOnlyThenIsCreated) {
  EXPECT_FALSE(ProtectedFile::open(desktop, path, OpenMode::ReadOnly, "qorvel"));
  EXPECT_FALSE(fs::exists(path));
  auto file = ProtectedFile::open(desktop, path, OpenMode::ReadWrite, "qorvel");
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->atEnd());
  EXPECT_TRUE(file->close());
  EXPECT_TRUE(fs::exists(path));
}

TEST_F(ProtectedFileTest, WrongPasswordOrAChangedByteOpensNothingAndChangesNothing) {
  writeLines({"[GAME]", "1=entry"});
  const std::string sealed = bytesOnDisk();
  for (const OpenMode mode : {OpenMode::ReadOnly, OpenMode::ReadWrite}) {
    EXPECT_FALSE(ProtectedFile::open(desktop, path, mode, "guess"));
  }
  EXPECT_EQ(bytesOnDisk(), sealed);

  std::string tampered = sealed;
  tampered[tampered.size() - 3] ^= 0x01;
  std::ofstream(path, std::ios::binary) << tampered;
  EXPECT_FALSE(ProtectedFile::open(desktop, path, OpenMode::ReadWrite, "qorvel"));
  EXPECT_EQ(bytesOnDisk(), tampered);
}

TEST_F(ProtectedFileTest, InsertsAndDeletesAtTheBytePosition) {
  writeLines({"[GAME]", "1=one", "[OTHER]"});
  auto file = ProtectedFile::open(desktop, path, OpenMode::ReadWrite, "qorvel");
  ASSERT_TRUE(file);
  file->readLine();
  const std::size_t keyLine = file->position();
  EXPECT_EQ(file->readLine(), "1=one");
  file->seek(keyLine);
  file->deleteBytes(std::string("1=one").size() + 2);
  file->insertLine("1=replaced");
  file->insertLine("2=two");
  file->seekEnd();
  file->insertLine("x=last");
  EXPECT_EQ(file->plainText(), "[GAME]\r\n1=replaced\r\n2=two\r\n[OTHER]\r\nx=last\r\n");
  ASSERT_TRUE(file->close());
  auto again = ProtectedFile::open(desktop, path, OpenMode::ReadOnly, "qorvel");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->plainText(), "[GAME]\r\n1=replaced\r\n2=two\r\n[OTHER]\r\nx=last\r\n");
}

TEST_F(ProtectedFileTest, ReadsLinesEndedByLineFeedAloneOrByNothing) {
  ASSERT_TRUE(writeSealedFile(path, "qorvel", "a\nb\r\nc"));
  auto file = ProtectedFile::open(desktop, path, OpenMode::ReadOnly, "qorvel");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->readLine(), "a");
  EXPECT_EQ(file->readLine(), "b");
  EXPECT_FALSE(file->atEnd());
  EXPECT_EQ(file->readLine(), "c");
  EXPECT_TRUE(file->atEnd());
}

TEST_F(ProtectedFileTest, AFailedWriteLeavesTheOldFileAsItWas) {
  writeLines({"[GAME]", "1=kept"});
  const std::string sealed = bytesOnDisk();
  auto file = ProtectedFile::open(desktop, path, OpenMode::ReadWrite, "qorvel");
  ASSERT_TRUE(file);
  file->seekEnd();
  file->insertLine("2=lost");
  desktop.failSealedWrites = true;
  EXPECT_FALSE(file->close());
  EXPECT_EQ(bytesOnDisk(), sealed);

  // A folder that cannot take the file: nothing is left half written.
  const std::string nowhere = (folder / "missing" / "ranking.scfg").string();
  EXPECT_FALSE(writeSealedFile(nowhere, "qorvel", "x"));
  EXPECT_FALSE(fs::exists(nowhere + ".new"));
}

TEST_F(ProtectedFileTest, KeepsAnyCharacterAPlayerCanType) {
  const std::string text = "[GAME]\r\n1=Zoë 😀 王\r\n";
  ASSERT_TRUE(writeSealedFile(path, "qorvel", text));
  const SealedText read = readSealedFile(path, "qorvel");
  EXPECT_EQ(read.status, SealedText::Status::Opened);
  EXPECT_EQ(read.text, text);
}

}  // namespace
}  // namespace vozi
