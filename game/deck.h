// From the master deck to four sorted hands: the shuffle draws the 54 places
// of the deck in random order (the jokers stay behind), the deal gives the pile
// out one card per hand per pass, and the sort puts a hand in suit order.
#pragma once

#include <vector>

#include "game/game.h"

namespace vozi {

void shuffleDeck(Game& game);
void dealCards(GameState& state, int handCount);
// Sorts a seat's hand by playSuit × 100 + value: clubs, diamonds, spades,
// hearts, and 2 up to the ace within a suit.
void sortHand(GameState& state, int seat);
void sortCards(std::vector<Card>& cards);

}  // namespace vozi
