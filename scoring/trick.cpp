#include "scoring/trick.h"

#include "ai/turn_order.h"
#include "scoring/hand_score.h"
#include "view/table_text.h"

namespace vozi {
namespace {

void collectTrickCard(GameState& state, int seat, int winner) {
  Player& player = state.player(seat);
  const Card& card = player.trickCard;
  // Point cards reach the winner in seat order, not in the order of play.
  if (card.isPointCard()) state.player(winner).pointCards.push_back(card);
  player.playedCards.push_back(card);
  if (card.isSpadeQueen()) state.spadeQueenPlayer = seat;
  if (card.isHeart()) ++state.heartsPlayed;
  player.trickCard = state.emptyCard;
  player.lastTrickTurn = player.trickTurn;
  player.trickTurn = 0;
}

}  // namespace

int trickWinnerOf(const GameState& state) {
  int best = 0;
  int winner = 0;
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    const Card& card = state.player(seat).trickCard;
    if (card.playSuit == state.ledSuit && card.value > best) {
      best = card.value;
      winner = seat;
    }
  }
  return winner;
}

void resolveTrick(Game& game) {
  GameState& state = game.state;
  state.trickWinner = trickWinnerOf(state);
  state.trickPosition = 1;
  for (int seat = 1; seat <= kSeatCount; ++seat) collectTrickCard(state, seat, state.trickWinner);
  game.events->trickResolved(state.trickWinner);
  game.platform.showMessage("本轮出牌：\r\n" + lastTrickText(game), Buttons::Ok);
  state.ledSuit = 0;
  if (state.human().cardCount() > 0) {
    beginTrick(game);
  } else {
    scoreHand(game);
  }
}

}  // namespace vozi
