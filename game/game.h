// The running game: its state and the desktop it talks to. Every operation of
// the game is a function taking a Game&, named after the step it performs.
//
// Observers get the game's own events (a deal, a play, a trick) in the order
// they happen; the simulator writes its trace from them. They never change the
// game.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "game/game_state.h"
#include "game/platform.h"

namespace vozi {

class GameEvents {
 public:
  virtual ~GameEvents() = default;
  virtual void seatsNamed(const GameState&) {}
  virtual void handsDealt(const GameState&) {}
  virtual void exchanged(int /*partner*/, const std::vector<Card>& /*given*/,
                         const std::vector<Card>& /*received*/) {}
  // turnFactor is empty for the human's play.
  virtual void cardPlayed(int /*seat*/, const Card&, std::optional<int> /*turnFactor*/,
                          bool /*drawnAtRandom*/) {}
  virtual void trickResolved(int /*winner*/) {}
  virtual void handScored(const GameState&) {}
  virtual void matchEnded(int /*champion*/, int /*matchScore*/) {}
};

struct Game {
  explicit Game(Platform& desktop) : platform(desktop) {}
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  GameState state;
  Platform& platform;
  GameEvents* events = &noEvents;

 private:
  static inline GameEvents noEvents;
};

}  // namespace vozi
