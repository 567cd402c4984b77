#include <gtest/gtest.h>

#include "game/card.h"
#include "game/game_state.h"

namespace vozi {
namespace {

struct MasterCard {
  int position;
  const char* name;
  int suit, playSuit, rankIndex, colour, id, value;
};

class MasterDeckTest : public ::testing::TestWithParam<MasterCard> {
 protected:
  void SetUp() override { buildMasterDeck(state); }
  GameState state;
};

TEST_P(MasterDeckTest, CardHasItsFields) {
  const MasterCard& expected = GetParam();
  const Card& card = state.masterDeck.at(expected.position - 1);
  EXPECT_EQ(card.name, expected.name);
  EXPECT_EQ(card.suit, expected.suit);
  EXPECT_EQ(card.playSuit, expected.playSuit);
  EXPECT_EQ(card.rankIndex, expected.rankIndex);
  EXPECT_EQ(card.colour, expected.colour);
  EXPECT_EQ(card.id, expected.id);
  EXPECT_EQ(card.value, expected.value);
  EXPECT_EQ(card.marked, 0);
}

INSTANTIATE_TEST_SUITE_P(Cards, MasterDeckTest,
                         ::testing::Values(MasterCard{1, "方块A", 1, 2, 1, 1, 1, 14},
                                           MasterCard{10, "方块10", 1, 2, 10, 1, 10, 10},
                                           MasterCard{15, "梅花2", 2, 1, 2, 2, 15, 2},
                                           MasterCard{23, "梅花10", 2, 1, 10, 2, 23, 10},
                                           MasterCard{27, "红心A", 3, 4, 1, 1, 27, 14},
                                           MasterCard{39, "红心K", 3, 4, 13, 1, 39, 13},
                                           MasterCard{49, "黑桃10", 4, 3, 10, 2, 49, 10},
                                           MasterCard{51, "黑桃Q", 4, 3, 12, 2, 51, 12},
                                           MasterCard{52, "黑桃K", 4, 3, 13, 2, 52, 13},
                                           MasterCard{53, "小怪", 5, 0, 14, 0, 0, 20},
                                           MasterCard{54, "大怪", 5, 0, 15, 0, 0, 30}));

TEST(MasterDeck, HoldsFiftyTwoDistinctSuitedCardsAndNothingMarked) {
  GameState state;
  buildMasterDeck(state);
  ASSERT_EQ(state.masterDeck.size(), 54u);
  for (int i = 0; i < 52; ++i) {
    const Card& card = state.masterDeck[static_cast<std::size_t>(i)];
    EXPECT_EQ(card.id, i + 1);
    EXPECT_GE(card.value, 2);
    EXPECT_LE(card.value, 14);
    EXPECT_EQ(card.marked, 0);
    for (int j = 0; j < i; ++j)
      EXPECT_NE(card.name, state.masterDeck[static_cast<std::size_t>(j)].name);
  }
}

}  // namespace
}  // namespace vozi
