#include "ai/card_scores.h"

#include <cassert>

namespace vozi {
namespace {

constexpr int kLastInTrick = 4;
constexpr int kCostlessBonus = 15;

// 黑桃K or 黑桃A: the spades that would take 黑桃Q.
bool isHighSpade(const Card& card) {
  return card.playSuit == kSpades && card.value > 11 && card.name != kSpadeQueen;
}

// Low spades are safe to lead while the queen is elsewhere, if the seat has
// spades to spare or nothing above the queen to be caught with.
bool leadsLowSpadeUnderQueen(const Card& card, int handSize, const TurnSurvey& survey) {
  return card.playSuit == kSpades && survey.queenOut && card.value <= 11 &&
         (survey.countOf(kSpades) >= handSize / 3 + 1 || !survey.holdsHighSpade);
}

// A seat still to play that is void in the suit may throw points on the
// trick. Spades keep their score while 黑桃Q is unplayed: leading them is how
// the queen is driven out.
bool hasVoidsToCome(const GameState& state, int suit, const TurnSurvey& survey) {
  return survey.voidsToComeIn(suit) > 0 && (suit != kSpades || state.spadeQueenPlayer != 0);
}

// Leading a low card of a short, little-played side suit brings the seat
// closer to void in it.
bool isShortSuitLead(const Card& card, const TurnSurvey& survey, int turnFactor) {
  const int suit = card.playSuit;
  return survey.countOf(suit) <= 2 && suit != kHearts && survey.playedIn(suit) < turnFactor - 4 &&
         card.value < turnFactor;
}

// The card cannot take the trick, or takes it last with no points in it: the
// highest such card is shed, 黑桃Q above all unless it would take the trick.
int scoreCostlessCard(const Card& card, int winningValue, int score) {
  score += kCostlessBonus;
  if (card.name == kSpadeQueen) {
    if (card.value > winningValue) score = 1;
    if (card.value < winningValue) score = 30;
  }
  return score;
}

// The card beats the trick as it lies, and points may still come or are
// already in it.
int scoreCardThatMayTakePoints(const GameState& state, const Card& card, const TurnSurvey& survey,
                               int score) {
  // A void seat still to play may throw points on it: keep the winner low.
  if (survey.voidsToComeIn(state.ledSuit) > 0 && state.ledSuit != kHearts) score = 15 - score;
  if (!survey.queenOut) score += 5;
  if (survey.allHeartsGone) score += 3;
  if (survey.trickPoints > 0) score = score / (survey.trickPoints + 1) + 1;
  if (card.name == kSpadeQueen) score = 1;
  if (isHighSpade(card) && state.spadeQueenPlayer == 0 && !survey.holdsSpadeQueen) score = 2;
  return score;
}

// A seat still to play has taken every point card so far, more than
// turnFactor of them: take the trick from it, with the highest card.
bool blocksMoon(const GameState& state, const TurnSurvey& survey, int turnFactor) {
  if (survey.moonCandidate == 0) return false;
  const Player& candidate = state.player(survey.moonCandidate);
  return static_cast<int>(candidate.pointCards.size()) > turnFactor;
}

}  // namespace

int scoreLead(const GameState& state, int seat, int position, const TurnSurvey& survey,
              int turnFactor) {
  const Card& card = state.player(seat).card(position);
  const int value = card.value;
  const int suit = card.playSuit;
  const int handSize = state.player(seat).cardCount();

  int score = 15 - value;
  if (leadsLowSpadeUnderQueen(card, handSize, survey)) score += turnFactor;
  if (suit == kSpades && survey.holdsSpadeQueen) score = score / 3 + 1;
  if (hasVoidsToCome(state, suit, survey)) {
    score = score / (survey.voidsToComeIn(suit) + 2) + 1;
  } else if (isShortSuitLead(card, survey, turnFactor)) {
    score = score * suit + 10;
  }
  // A sure winner is led only when nothing else is worth more.
  if (unseenHigherScore(state, seat, position) <= 0) score = 1;
  return score;
}

int scoreFollow(const GameState& state, const Card& card, const TurnSurvey& survey,
                int turnFactor) {
  assert(card.playSuit == state.ledSuit);
  const int value = card.value;
  const int winningValue = survey.winningValue;
  const bool isLast = state.trickPosition == kLastInTrick;

  int score = value;
  if (state.ledSuit == kHearts && value > winningValue && !isLast) score = 15 - value;

  if (value < winningValue || (isLast && survey.trickPoints == 0)) {
    score = scoreCostlessCard(card, winningValue, score);
  } else {
    score = scoreCardThatMayTakePoints(state, card, survey, score);
  }

  if (value > winningValue && !isLast && blocksMoon(state, survey, turnFactor)) score = value;
  return score;
}

int scoreDiscard(const Card& card, int turnFactor) {
  int score = card.value;
  if (card.isHeart()) score += turnFactor;
  if (card.name == kSpadeQueen) score += 20;
  return score;
}

}  // namespace vozi
