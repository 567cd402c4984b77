#include "game/gbk_text.h"

#include <gtest/gtest.h>

namespace vozi {
namespace {

TEST(GbkText, WidthCountsTwoBytesForChineseAndOneForAscii) {
  EXPECT_EQ(gbk::width(""), 0);
  EXPECT_EQ(gbk::width("Tom Smith"), 9);
  EXPECT_EQ(gbk::width("简单型"), 6);
  EXPECT_EQ(gbk::width("9局"), 3);
  EXPECT_EQ(gbk::width("名次、"), 6);
  EXPECT_EQ(gbk::width("　"), 2);  // the ideographic space is GBK A1 A1
}

TEST(GbkText, CharactersOutsideGbkTakeFourBytes) {
  EXPECT_EQ(gbk::width("😀"), 4);  // beyond the Basic Multilingual Plane
  EXPECT_EQ(gbk::width("€"), 2);  // GB18030 has the euro sign in two bytes
  EXPECT_EQ(gbk::width("ǹ"), 2);
  EXPECT_EQ(gbk::width("À"), 4);  // not in GBK
}

TEST(GbkText, PadLeftRightAlignsInBytes) {
  EXPECT_EQ(gbk::padLeft("得分；", 8), "  得分；");
  EXPECT_EQ(gbk::padLeft("44", 8), "      44");
  EXPECT_EQ(gbk::padLeft("简单型", 6), "简单型");
  EXPECT_EQ(gbk::padLeft("longer than six", 6), "longer than six");
}

TEST(GbkText, CutNeverLeavesHalfACharacter) {
  EXPECT_EQ(gbk::cut("欧阳灵灵儿子孙", 18), "欧阳灵灵儿子孙");
  EXPECT_EQ(gbk::cut("abc简单", 4), "abc");  // 简 would straddle the limit
  EXPECT_EQ(gbk::cut("abc简单", 5), "abc简");
  EXPECT_EQ(gbk::cut("a😀b", 3), "a");
  EXPECT_EQ(gbk::cut("a😀b", 5), "a😀");
  EXPECT_EQ(gbk::cut("anything", 0), "");
  const std::string twentyBytes = "ABCDEFGHIJ一二三四五";
  ASSERT_EQ(gbk::width(twentyBytes), 20);
  EXPECT_EQ(gbk::cut(twentyBytes, 18), "ABCDEFGHIJ一二三四");
}

TEST(GbkText, ConvertsBothWays) {
  const std::string bytes = gbk::fromUtf8("红心A");
  EXPECT_EQ(bytes,
            "\xBA\xEC\xD0\xC4"
            "A");
  EXPECT_EQ(gbk::toUtf8(bytes), "红心A");
  EXPECT_EQ(gbk::toUtf8(gbk::fromUtf8("😀 é")), "😀 é");
  EXPECT_FALSE(gbk::toUtf8("\xBA").has_value());  // a lead byte without its partner
}

}  // namespace
}  // namespace vozi
