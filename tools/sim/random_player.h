// A player at the keyboard who knows the keys but not the rules: it moves the
// cursor to a card picked at random among all its cards (so that refused cards
// are common), presses Space or Up, and tries again after a refusal. In the
// exchange it chooses three cards, now and then takes one back or presses Space
// too early. Now and then it flips the names and music switches.
#pragma once

#include <cstdint>
#include <functional>

#include "game/game.h"
#include "game/random.h"

namespace vozi::sim {

class RandomPlayer {
 public:
  // `onKey` and `onCommand` are told of every key and command before it is handled.
  RandomPlayer(Game& game, std::uint64_t seed);

  std::function<void(int keyCode)> onKey;
  std::function<void(MenuItem item)> onCommand;

  // One decision of the player: a card tried, a card chosen or taken back, an
  // exchange confirmed, or a switch flipped. Returns false when no hand is on.
  bool act();

  void command(MenuItem item);

  // Keys the game refused (answered with "ban").
  [[nodiscard]] long long refusals() const { return refusals_; }

 private:
  void press(int keyCode);
  // Presses a key that should change the table; counts it when nothing changed.
  void pressExpectingChange(int keyCode);
  void moveCursorTo(int position);
  void actInExchange();
  void actInPlay();
  bool chance(int oneIn) { return random_.uniform(1, oneIn) == 1; }

  Game& game_;
  Random random_;
  long long refusals_ = 0;
};

}  // namespace vozi::sim
