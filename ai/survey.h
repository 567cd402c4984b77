// What a computer seat gathers at the start of its turn: the make-up of its
// hand, the state of the trick, what the seats still to play have shown, and
// how much of each suit is gone. The seat keeps no notes between turns; all it
// remembers is what the shared state records.
#pragma once

#include <array>

#include "game/game_state.h"

namespace vozi {

struct TurnSurvey {
  std::array<int, 4> suitCount{};  // by playSuit - 1: cards of each suit in hand
  bool holdsSpadeQueen = false;
  bool holdsHighSpade = false;        // 黑桃K or 黑桃A in hand
  bool queenOut = false;              // 黑桃Q is in another hand or in this trick
  bool allHeartsGone = false;         // 13 hearts lie in completed tricks
  int winningValue = 0;               // highest card of the led suit in the trick
  int trickPoints = 0;                // 1 a heart, 13 the queen, in the trick
  std::array<int, 4> voidsToCome{};   // by playSuit - 1: seats still to play known void
  int moonCandidate = 0;              // a seat still to play holding every point card taken
  std::array<int, 4> playedInSuit{};  // by playSuit - 1: cards in completed tricks

  [[nodiscard]] int countOf(int playSuit) const { return suitCount.at(playSuit - 1); }
  [[nodiscard]] int voidsToComeIn(int playSuit) const { return voidsToCome.at(playSuit - 1); }
  [[nodiscard]] int playedIn(int playSuit) const { return playedInSuit.at(playSuit - 1); }
};

// Gathered once at the start of the seat's turn; reads all four seats,
// ledSuit, spadeQueenPlayer and heartsPlayed. The trick under way is read from
// the trickCards only: it is in no playedCards yet.
[[nodiscard]] TurnSurvey gatherSurvey(const GameState& state, int seat);

// Ten times the number of cards of the suit above the card at `position` of
// the seat's hand that the seat has not seen: 0 when nobody else can beat it.
[[nodiscard]] int unseenHigherScore(const GameState& state, int seat, int position);

}  // namespace vozi
