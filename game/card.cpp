#include "game/card.h"

#include "game/game_state.h"

namespace vozi {
namespace {

const std::vector<std::string> kSuitNames = {"方块", "梅花", "红心", "黑桃"};
const std::vector<std::string> kRankNames = {"A", "2", "3",  "4", "5", "6", "7",
                                             "8", "9", "10", "J", "Q", "K"};
// playSuit of each building suit 1..4.
constexpr int kPlaySuitOfSuit[] = {0, kDiamonds, kClubs, kHearts, kSpades};

Card joker(const char* name, int value, int rankIndex) {
  Card card;
  card.name = name;
  card.value = value;
  card.rankIndex = rankIndex;
  card.suit = 5;
  return card;
}

}  // namespace

void buildMasterDeck(GameState& state) {
  state.suitNames = kSuitNames;
  state.rankNames = kRankNames;
  int n = 0;
  for (int s = 1; s <= 4; ++s) {
    for (int r = 1; r <= 13; ++r) {
      ++n;
      Card& card = state.masterDeck[n - 1];
      card.colour = (s == 1 || s == 3) ? 1 : 2;
      card.suit = s;
      card.playSuit = kPlaySuitOfSuit[s];
      card.rankIndex = r;
      card.id = n;
      card.name = state.suitNames[s - 1] + state.rankNames[r - 1];
      card.value = (r == 1) ? kAceValue : r;
    }
  }
  state.masterDeck[52] = joker("小怪", 20, 14);
  state.masterDeck[53] = joker("大怪", 30, 15);
}

}  // namespace vozi
