// Cards by name for tests, copied from a master deck built once.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "game/card.h"
#include "game/game_state.h"

namespace vozi {

// The card of the master deck with this name, e.g. "梅花10" or "黑桃Q".
inline Card cardNamed(std::string_view name) {
  static const GameState deckHolder = [] {
    GameState state;
    buildMasterDeck(state);
    return state;
  }();
  for (const Card& card : deckHolder.masterDeck) {
    if (card.name == name) return card;
  }
  // A misspelt name is a broken test, not a game state worth running on.
  std::fprintf(stderr, "no card named '%.*s'\n", static_cast<int>(name.size()), name.data());
  std::abort();
}

// Cards from names separated by spaces: "梅花4 梅花K".
inline std::vector<Card> cardsNamed(std::string_view names) {
  std::vector<Card> cards;
  while (!names.empty()) {
    const std::size_t space = names.find(' ');
    const std::string_view name = names.substr(0, space);
    if (!name.empty()) cards.push_back(cardNamed(name));
    if (space == std::string_view::npos) break;
    names.remove_prefix(space + 1);
  }
  return cards;
}

// 1-based position of the named card in the seat's hand; 0 when it is not there.
inline int positionOf(const GameState& state, int seat, std::string_view name) {
  const std::vector<Card>& cards = state.player(seat).hand.cards;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (cards[i].name == name) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace vozi
