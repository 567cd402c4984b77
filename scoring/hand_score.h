// The score of a hand: 1 for each heart taken, 13 for 黑桃Q, and for a seat
// that takes all fourteen (大满贯) 0 while every other seat takes 26.
#pragma once

#include <array>

#include "game/game.h"

namespace vozi {

inline constexpr int kMatchEndTotal = 100;

// Seat of the 大满贯 of the hand, 0 when nobody took every point card.
[[nodiscard]] int shooterOf(const GameState& state);
[[nodiscard]] std::array<int, 4> handScoresOf(const GameState& state);
void scoreHand(Game& game);

}  // namespace vozi
