#include "ai/computer_turn.h"

#include "ai/card_scores.h"
#include "ai/turn_order.h"
#include "game/random.h"
#include "scoring/trick.h"
#include "view/sound.h"
#include "view/table_text.h"

namespace vozi {
namespace {

constexpr int kLowestTurnFactor = 8;
constexpr int kHighestTurnFactor = 12;

// The score of one card before the final rules.
int rawScore(const GameState& state, int seat, int position, const TurnSurvey& survey,
             int turnFactor) {
  const Card& card = state.player(seat).card(position);
  if (state.ledSuit > 0 && survey.countOf(state.ledSuit) > 0) {
    return card.playSuit == state.ledSuit ? scoreFollow(state, card, survey, turnFactor) : 0;
  }
  if (state.trickPosition == 1) return scoreLead(state, seat, position, survey, turnFactor);
  return scoreDiscard(card, turnFactor);
}

// Rules that hold whatever the scores say: no heart or queen in the first
// trick, no heart led before one lies in a completed trick.
int afterFinalRules(const GameState& state, const Card& card, int handSize, int score) {
  if (handSize == kHandSize && card.isPointCard()) score = 0;
  if (card.isHeart() && state.trickPosition == 1 && state.heartsPlayed == 0) score = 0;
  return score;
}

void markOwnVoid(GameState& state, int seat, const TurnSurvey& survey) {
  if (state.trickPosition > 1 && state.ledSuit > 0 && survey.countOf(state.ledSuit) == 0) {
    state.player(seat).voidIn(state.ledSuit) = 1;
  }
}

void passTurnOn(Game& game, int seat) {
  GameState& state = game.state;
  if (state.trickPosition > 4) {
    resolveTrick(game);
    return;
  }
  state.currentPlayer = seat + 1;
  if (state.currentPlayer == 5) {
    state.currentPlayer = kHumanSeat;
    announceHumanTurn(game);
    refreshOptionLine(game);
  } else {
    playComputerTurn(game, state.currentPlayer);
  }
}

}  // namespace

CardChoice chooseComputerCard(GameState& state, Random& random, int seat, int turnFactor) {
  const TurnSurvey survey = gatherSurvey(state, seat);
  markOwnVoid(state, seat, survey);
  const Player& player = state.player(seat);
  const int n = player.cardCount();
  const bool firstTrickWithClubs = n == kHandSize && survey.countOf(kClubs) > 0;

  int bestScore = 0;
  int chosenPosition = 0;
  for (int position = 1; position <= n; ++position) {
    const Card& card = player.card(position);
    int score = 0;
    if (firstTrickWithClubs) {
      if (card.name == kClubTwo) return {position, false};  // leads the hand at once
      score = card.playSuit == kClubs ? card.value : 0;
    } else {
      score = rawScore(state, seat, position, survey, turnFactor);
    }
    score = afterFinalRules(state, card, n, score);
    // Strictly greater: of equal scores the card nearest the front is played.
    if (score > bestScore) {
      bestScore = score;
      chosenPosition = position;
    }
  }
  if (chosenPosition > 0) return {chosenPosition, false};
  return {random.uniform(1, n), true};
}

void playComputerTurn(Game& game, int seat) {
  GameState& state = game.state;
  Random& random = game.platform.random();
  random.seedFromClock();
  const int turnFactor = random.uniform(kLowestTurnFactor, kHighestTurnFactor);
  const CardChoice choice = chooseComputerCard(state, random, seat, turnFactor);

  Player& player = state.player(seat);
  const Card card = player.card(choice.position);
  if (state.trickPosition == 1) state.ledSuit = card.playSuit;
  player.trickCard = card;
  game.events->cardPlayed(seat, card, turnFactor, choice.drawnAtRandom);
  if (card.isSpadeQueen()) {
    playCue(game, "putpig");
  } else if (card.isHeart() && state.heartsFlag == 0) {
    state.heartsFlag = 1;
    playCue(game, "putheart");
  }
  player.trickTurn = state.trickPosition;
  player.hand.cards.erase(player.hand.cards.begin() + (choice.position - 1));
  ++state.trickPosition;
  passTurnOn(game, seat);
}

}  // namespace vozi
