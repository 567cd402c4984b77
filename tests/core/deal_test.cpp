#include <gtest/gtest.h>

#include <set>

#include "game/deck.h"
#include "support/table.h"

namespace vozi {
namespace {

using testing::cards;
using testing::namesOf;

struct Dealt {
  RecordingPlatform desktop;
  Game game{desktop};
  explicit Dealt(std::uint64_t seed) : desktop(seed) {
    buildMasterDeck(game.state);
    game.state.dealtHands.assign(4, HandRecord{});
  }
  void deal() {
    shuffleDeck(game);
    dealCards(game.state, 4);
  }
};

TEST(Deal, GivesThirteenDifferentSuitedCardsToEachHandAndEmptiesThePile) {
  for (std::uint64_t seed = 1; seed <= 50; ++seed) {
    Dealt table(seed);
    table.deal();
    EXPECT_TRUE(table.game.state.pile.empty());
    std::set<std::string> seen;
    for (const HandRecord& hand : table.game.state.dealtHands) {
      ASSERT_EQ(hand.cards.size(), 13u);
      for (const Card& card : hand.cards) {
        EXPECT_GE(card.id, 1);
        EXPECT_NE(card.name, "小怪");
        EXPECT_NE(card.name, "大怪");
        seen.insert(card.name);
      }
    }
    EXPECT_EQ(seen.size(), 52u);
    EXPECT_TRUE(seen.count("梅花2"));
  }
}

TEST(Deal, HandJTakesPileCardsJ_JPlus4_AndSoOn) {
  Dealt table(3);
  shuffleDeck(table.game);
  const std::vector<Card> pile = table.game.state.pile;
  ASSERT_EQ(pile.size(), 52u);
  dealCards(table.game.state, 4);
  for (std::size_t j = 0; j < 4; ++j) {
    for (std::size_t pass = 0; pass < 13; ++pass) {
      EXPECT_EQ(table.game.state.dealtHands[j].cards[pass], pile[j + 4 * pass]);
    }
  }
}

// Over many deals each card falls into each hand about equally often; a
// biased shuffle (say, one that never moves a card far) fails this bound.
TEST(Deal, EveryCardFallsIntoEveryHandEquallyOften) {
  constexpr int kDeals = 4000;
  std::vector<std::array<int, 4>> counts(53);
  Dealt table(2024);
  for (int deal = 0; deal < kDeals; ++deal) {
    table.deal();
    for (std::size_t hand = 0; hand < 4; ++hand) {
      for (const Card& card : table.game.state.dealtHands[hand].cards) {
        ++counts[static_cast<std::size_t>(card.id)][hand];
      }
    }
  }
  double chiSquare = 0;
  const double expected = kDeals / 4.0;
  for (int id = 1; id <= 52; ++id) {
    for (int count : counts[static_cast<std::size_t>(id)]) {
      chiSquare += (count - expected) * (count - expected) / expected;
    }
  }
  // 52 × 3 = 156 degrees of freedom; 99.9th percentile ≈ 217.
  EXPECT_LT(chiSquare, 217.0);
}

struct SortCase {
  std::vector<const char*> hand;
  std::vector<const char*> sorted;
};

class SortHand : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortHand, OrdersClubsDiamondsSpadesHeartsAndTwoUpToAce) {
  testing::TableGame table;
  std::vector<Card> hand;
  for (const char* name : GetParam().hand) hand.push_back(testing::card(name));
  table.seat(2).hand.cards = hand;
  sortHand(table.game.state, 2);
  std::vector<std::string> expected(GetParam().sorted.begin(), GetParam().sorted.end());
  EXPECT_EQ(namesOf(table.seat(2).hand.cards), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, SortHand,
    ::testing::Values(SortCase{{"梅花A", "梅花2", "方块K", "黑桃3", "红心2"},
                               {"梅花2", "梅花A", "方块K", "黑桃3", "红心2"}},
                      SortCase{{"红心A", "黑桃Q", "方块10", "梅花K", "红心2", "方块2"},
                               {"梅花K", "方块2", "方块10", "黑桃Q", "红心2", "红心A"}},
                      SortCase{{"黑桃A", "黑桃K", "黑桃10", "黑桃J"},
                               {"黑桃10", "黑桃J", "黑桃K", "黑桃A"}},
                      SortCase{{"方块5"}, {"方块5"}}, SortCase{{}, {}}));

TEST(SortHand, LeavesTheCursorAlone) {
  testing::TableGame table;
  table.deal(1, {"红心2", "梅花3"});
  table.game.state.cursor = 2;
  sortHand(table.game.state, 1);
  EXPECT_EQ(table.game.state.cursor, 2);
}

}  // namespace
}  // namespace vozi
