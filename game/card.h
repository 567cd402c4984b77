// One playing card and the 54-card master deck it is copied from.
//
// Two suit orders live side by side: `suit` follows the order in which the
// pack is built (方块, 梅花, 红心, 黑桃), while `playSuit` follows the order of
// play, scoring and sorting (梅花, 方块, 黑桃, 红心). A card whose name is
// empty stands for "no card".
#pragma once

#include <string>
#include <vector>

namespace vozi {

// Suit codes of play.
inline constexpr int kClubs = 1;
inline constexpr int kDiamonds = 2;
inline constexpr int kSpades = 3;
inline constexpr int kHearts = 4;

inline constexpr int kAceValue = 14;
inline constexpr int kQueenValue = 12;

inline constexpr const char* kClubTwo = "梅花2";
inline constexpr const char* kSpadeQueen = "黑桃Q";

inline constexpr int kMasterDeckSize = 54;  // 52 suited cards and two jokers

struct Card {
  std::string name;
  int suit = 0;
  int playSuit = 0;
  int rankIndex = 0;
  int colour = 0;
  int id = 0;
  int value = 0;  // 2..13, 14 for an ace: the higher value takes the trick
  int marked = 0;

  [[nodiscard]] bool isEmpty() const { return name.empty(); }
  [[nodiscard]] bool isHeart() const { return playSuit == kHearts; }
  [[nodiscard]] bool isSpadeQueen() const { return name == kSpadeQueen; }
  [[nodiscard]] bool isPointCard() const { return isHeart() || isSpadeQueen(); }

  bool operator==(const Card&) const = default;
};

struct GameState;

// Fills the name tables and the 54 records of the master deck.
void buildMasterDeck(GameState& state);

}  // namespace vozi
