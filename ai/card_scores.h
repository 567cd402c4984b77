// How a computer seat scores each card of its hand. The card with the highest
// score is played (see computer_turn.h); every division truncates toward zero.
#pragma once

#include "ai/survey.h"
#include "game/game_state.h"

namespace vozi {

// Leading a trick: the card at `position` of the seat's hand.
[[nodiscard]] int scoreLead(const GameState& state, int seat, int position,
                            const TurnSurvey& survey, int turnFactor);
// Following suit with `card`, a card of the led suit.
[[nodiscard]] int scoreFollow(const GameState& state, const Card& card, const TurnSurvey& survey,
                              int turnFactor);
// Discarding `card` when the seat holds none of the led suit.
[[nodiscard]] int scoreDiscard(const Card& card, int turnFactor);

}  // namespace vozi
