#include "ai/survey.h"

#include <cassert>

namespace vozi {
namespace {

constexpr int kSpadeQueenPoints = 13;
constexpr int kHeartCount = 13;

int totalPointCards(const GameState& state) {
  int total = 0;
  for (const Player& player : state.players) total += static_cast<int>(player.pointCards.size());
  return total;
}

void surveyOwnHand(const Player& self, TurnSurvey& survey) {
  for (const Card& card : self.hand.cards) {
    assert(card.playSuit >= kClubs && card.playSuit <= kHearts);
    ++survey.suitCount.at(card.playSuit - 1);
    if (card.name == kSpadeQueen) survey.holdsSpadeQueen = true;
    if (card.name == "黑桃K" || card.name == "黑桃A") survey.holdsHighSpade = true;
  }
}

void surveyTrickCard(const GameState& state, const Card& trickCard, TurnSurvey& survey) {
  if (trickCard.playSuit != 0 && trickCard.playSuit == state.ledSuit &&
      trickCard.value > survey.winningValue) {
    survey.winningValue = trickCard.value;
  }
  if (trickCard.isHeart()) survey.trickPoints += 1;
  if (trickCard.name == kSpadeQueen) survey.trickPoints += kSpadeQueenPoints;
}

// A seat that has not yet put a card into this trick: what it has shown void
// in, and whether it alone has taken every point card so far.
void surveySeatToCome(const Player& other, int otherSeat, int pointCardsTaken, TurnSurvey& survey) {
  for (int suit = kClubs; suit <= kHearts; ++suit) {
    if (other.voidIn(suit) != 0) ++survey.voidsToCome.at(suit - 1);
  }
  if (!other.pointCards.empty()) {
    const bool hasTakenThemAll = static_cast<int>(other.pointCards.size()) == pointCardsTaken;
    survey.moonCandidate = hasTakenThemAll ? otherSeat : 0;
  }
}

void countPlayedCards(const Player& player, TurnSurvey& survey) {
  for (const Card& card : player.playedCards) {
    if (card.playSuit > 0) ++survey.playedInSuit.at(card.playSuit - 1);
  }
}

}  // namespace

TurnSurvey gatherSurvey(const GameState& state, int seat) {
  assert(static_cast<int>(state.players.size()) == kSeatCount);
  TurnSurvey survey;
  surveyOwnHand(state.player(seat), survey);

  survey.queenOut = !survey.holdsSpadeQueen && state.spadeQueenPlayer == 0;
  survey.allHeartsGone = state.heartsPlayed == kHeartCount;

  const int pointCardsTaken = totalPointCards(state);
  for (int other = 1; other <= kSeatCount; ++other) {
    const Player& player = state.player(other);
    surveyTrickCard(state, player.trickCard, survey);
    if (other != seat && player.trickCard.name.empty()) {
      surveySeatToCome(player, other, pointCardsTaken, survey);
    }
    countPlayedCards(player, survey);
  }
  return survey;
}

int unseenHigherScore(const GameState& state, int seat, int position) {
  const Card& card = state.player(seat).card(position);
  const int value = card.value;
  const int suit = card.playSuit;
  const auto isHigherOfSuit = [&](const Card& seen) {
    return seen.playSuit == suit && seen.value > value;
  };

  int seenHigher = 0;
  for (const Player& player : state.players) {
    for (const Card& played : player.playedCards) seenHigher += isHigherOfSuit(played) ? 1 : 0;
  }
  for (const Card& held : state.player(seat).hand.cards) seenHigher += isHigherOfSuit(held) ? 1 : 0;

  // A suit holds 14 - value cards above this one; those not yet seen are in
  // other hands or in the trick under way.
  return (kAceValue - value - seenHigher) * 10;
}

}  // namespace vozi
