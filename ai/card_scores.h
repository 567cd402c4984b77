// How a computer seat scores each card of its hand. The card with the highest
// score is played (see computer_turn.h); every division truncates toward zero.
#pragma once

#include "ai/survey.h"
#include "game/game_state.h"

namespace vozi {

// Leading a trick: the card at `position` of the seat's hand. Low cards are
// preferred; a card nobody else can beat in its suit scores 1.
[[nodiscard]] int scoreLead(const GameState& state, int seat, int position,
                            const TurnSurvey& survey, int turnFactor);
// Following suit with `card`, a card of the led suit. Besides the survey it
// reads trickPosition, ledSuit, spadeQueenPlayer and the point cards of the
// survey's moonCandidate.
[[nodiscard]] int scoreFollow(const GameState& state, const Card& card, const TurnSurvey& survey,
                              int turnFactor);
// Discarding `card` when the seat holds none of the led suit: 黑桃Q first,
// then hearts raised by turnFactor and other cards at their value.
[[nodiscard]] int scoreDiscard(const Card& card, int turnFactor);

}  // namespace vozi
