#include "ai/exchange_choice.h"

#include <array>
#include <cassert>

namespace vozi {
namespace {

using SuitCounts = std::array<int, 4>;  // by playSuit - 1

SuitCounts countSuits(const HandRecord& hand) {
  SuitCounts counts{};
  for (const Card& card : hand.cards) {
    assert(card.playSuit >= kClubs && card.playSuit <= kHearts);
    ++counts.at(card.playSuit - 1);
  }
  return counts;
}

// Spades are scored on their own: the queen is worth giving away when few
// spades guard it, and 黑桃K and 黑桃A are the cards that would catch it.
int spadeScore(int value, int spades) {
  int score = value;
  if (value == kQueenValue) score += spades >= 5 ? 0 : 30 - 5 * spades;
  if (value > kQueenValue) score += 15;
  return score;
}

int exchangeScore(const Card& card, const SuitCounts& counts) {
  if (card.marked != 0) return 0;
  const int value = card.value;
  const int suit = card.playSuit;
  const int inSuit = counts.at(suit - 1);
  if (suit == kSpades) return spadeScore(value, inSuit);

  int score = suit == kHearts ? value * 3 / 2 : value;
  // Giving away a short suit brings the seat closer to void in it.
  if (inSuit <= 3) score += 35 - 10 * inSuit;
  return score;
}

}  // namespace

int chooseExchangeCard(GameState& state, int seat) {
  HandRecord& hand = state.player(seat).hand;
  const SuitCounts counts = countSuits(hand);

  int bestScore = 0;
  int bestPosition = 0;
  for (int position = 1; position <= static_cast<int>(hand.cards.size()); ++position) {
    const int score = exchangeScore(hand.cards.at(position - 1), counts);
    // Strict: of equal scores the card nearest the front wins.
    if (score > bestScore) {
      bestScore = score;
      bestPosition = position;
    }
  }
  assert(bestPosition > 0 && "every unmarked card scores at least 2");
  if (bestPosition == 0) return 0;
  hand.cards.at(bestPosition - 1).marked = 1;
  return bestPosition;
}

}  // namespace vozi
