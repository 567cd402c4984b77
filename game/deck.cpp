#include "game/deck.h"

#include <utility>

#include "game/random.h"

namespace vozi {
namespace {

constexpr int kSmallJokerPosition = 53;
constexpr int kBigJokerPosition = 54;

int sortKey(const Card& card) {
  return card.playSuit * 100 + card.value;
}

}  // namespace

void shuffleDeck(Game& game) {
  GameState& state = game.state;
  Random& random = game.platform.random();
  state.pile.clear();
  std::vector<int> positions;
  for (int position = 1; position <= kMasterDeckSize; ++position) positions.push_back(position);
  random.seedFromClock();
  while (!positions.empty()) {
    const int k = random.uniform(1, static_cast<int>(positions.size()));
    const int c = positions[static_cast<std::size_t>(k - 1)];
    if (c != kSmallJokerPosition && c != kBigJokerPosition) {
      state.pile.push_back(state.masterDeck[static_cast<std::size_t>(c - 1)]);
    }
    positions.erase(positions.begin() + (k - 1));
  }
  for (HandRecord& dealt : state.dealtHands) dealt.cards.clear();
}

void dealCards(GameState& state, int handCount) {
  const int passes = static_cast<int>(state.pile.size()) / handCount;
  std::size_t next = 0;  // the pile's first card, taken from the front
  for (int pass = 0; pass < passes; ++pass) {
    for (int j = 1; j <= handCount; ++j) {
      if (next == state.pile.size()) continue;
      state.dealtHands.at(static_cast<std::size_t>(j - 1)).cards.push_back(state.pile[next++]);
    }
  }
  state.pile.erase(state.pile.begin(), state.pile.begin() + static_cast<std::ptrdiff_t>(next));
}

void sortCards(std::vector<Card>& cards) {
  // The exchange sort of the game: equal keys never change places.
  const std::size_t n = cards.size();
  for (std::size_t j = 0; j + 1 < n; ++j) {
    for (std::size_t i = j; i < n; ++i) {
      if (sortKey(cards[j]) > sortKey(cards[i])) std::swap(cards[j], cards[i]);
    }
  }
}

void sortHand(GameState& state, int seat) {
  sortCards(state.player(seat).hand.cards);
}

}  // namespace vozi
