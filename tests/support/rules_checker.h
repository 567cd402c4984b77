// Watches a game through its events and notes every break of the rules of
// Hearts it sees: a card that was not in the hand, a suit not followed, a point
// card in the first trick or a heart led too early when the seat had a choice,
// a trick given to the wrong seat, cards lost or doubled, hand scores that do
// not add up, a match that ends too early or goes on too long.
#pragma once

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/game.h"

namespace vozi::testing {

class RulesChecker final : public GameEvents {
 public:
  explicit RulesChecker(const GameState& state) : state_(state) {}

  std::vector<std::string> faults;
  int tricksChecked = 0;
  int handsChecked = 0;
  int matchesChecked = 0;

  void handsDealt(const GameState& state) override {
    if (matchMustEnd_) fault("a hand was dealt after a total reached 100");
    heartsBroken_ = false;
    checkCardsConserved(state, "after the deal");
  }

  void cardPlayed(int seat, const Card& card, std::optional<int>, bool) override {
    const Player& player = state_.player(seat);
    const std::vector<Card>& hand = player.hand.cards;
    if (std::find(hand.begin(), hand.end(), card) == hand.end()) {
      fault("seat " + std::to_string(seat) + " played " + card.name + " it did not hold");
    }
    const bool leading = state_.trickPosition == 1;
    const bool firstTrick = hand.size() == 13;
    const bool onlyPoints =
        std::all_of(hand.begin(), hand.end(), [](const Card& c) { return c.isPointCard(); });
    const bool holdsLedSuit = std::any_of(
        hand.begin(), hand.end(), [&](const Card& c) { return c.playSuit == state_.ledSuit; });
    if (!leading && holdsLedSuit && card.playSuit != state_.ledSuit) {
      fault("seat " + std::to_string(seat) + " did not follow suit with " + card.name);
    }
    if (firstTrick && leading && card.name != "梅花2")
      fault("the first trick was not led with 梅花2");
    if (firstTrick && card.isPointCard() && !(onlyPoints && !holdsLedSuit)) {
      fault("seat " + std::to_string(seat) + " put " + card.name + " into the first trick");
    }
    const bool onlyHearts =
        std::all_of(hand.begin(), hand.end(), [](const Card& c) { return c.isHeart(); });
    if (leading && card.isHeart() && !heartsBroken_ && !onlyHearts) {
      fault("seat " + std::to_string(seat) + " led a heart before hearts were broken");
    }
  }

  void trickResolved(int winner) override {
    ++tricksChecked;
    int ledSuit = 0;
    int best = 0;
    int expected = 0;
    std::set<int> turns;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
      const Player& player = state_.player(seat);
      if (player.lastTrickTurn == 1) ledSuit = player.playedCards.back().playSuit;
      turns.insert(player.lastTrickTurn);
    }
    if (turns != std::set<int>{1, 2, 3, 4}) fault("a trick did not hold four cards in turn");
    for (int seat = 1; seat <= kSeatCount; ++seat) {
      const Card& card = state_.player(seat).playedCards.back();
      if (card.isHeart()) heartsBroken_ = true;
      if (card.playSuit == ledSuit && card.value > best) {
        best = card.value;
        expected = seat;
      }
    }
    if (winner != expected) {
      fault("trick given to seat " + std::to_string(winner) + ", not " + std::to_string(expected));
    }
    checkCardsConserved(state_, "after a trick");
  }

  void handScored(const GameState& state) override {
    ++handsChecked;
    int sum = 0;
    bool reachedTheEnd = false;
    for (const Player& player : state.players) {
      sum += player.handScores.back();
      int total = 0;
      for (int score : player.handScores) total += score;
      if (total != player.totalScore) fault("a total is not the sum of its hand scores");
      if (player.totalScore >= 100) reachedTheEnd = true;
    }
    if (sum != 26 && sum != 78) fault("hand scores add up to " + std::to_string(sum));
    matchMustEnd_ = reachedTheEnd;
  }

  void matchEnded(int, int) override {
    ++matchesChecked;
    if (!matchMustEnd_) fault("a match ended before any total reached 100");
    matchMustEnd_ = false;
  }

  [[nodiscard]] std::string report() const {
    std::ostringstream out;
    for (std::size_t i = 0; i < faults.size() && i < 20; ++i) out << faults[i] << '\n';
    return out.str();
  }

 private:
  void fault(const std::string& what) { faults.push_back(what); }

  // Every one of the 52 cards is in a hand, in a trick or among the played
  // cards, and only once.
  void checkCardsConserved(const GameState& state, const char* when) {
    std::multiset<std::string> seen;
    for (const Player& player : state.players) {
      for (const Card& card : player.hand.cards) seen.insert(card.name);
      for (const Card& card : player.playedCards) seen.insert(card.name);
      if (!player.trickCard.isEmpty()) seen.insert(player.trickCard.name);
    }
    const std::set<std::string> distinct(seen.begin(), seen.end());
    if (seen.size() != 52 || distinct.size() != 52) {
      fault(std::string("cards not conserved ") + when + ": " + std::to_string(seen.size()) +
            " held, " + std::to_string(distinct.size()) + " different");
    }
  }

  const GameState& state_;
  bool heartsBroken_ = false;
  bool matchMustEnd_ = false;
};

}  // namespace vozi::testing
