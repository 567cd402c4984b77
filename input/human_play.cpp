#include "input/human_play.h"

#include <algorithm>
#include <array>

#include "ai/computer_turn.h"
#include "scoring/trick.h"
#include "view/sound.h"

namespace vozi {
namespace {

struct HandMakeUp {
  std::array<int, 4> bySuit{};  // by playSuit - 1
  bool onlyPointCards = true;   // nothing but hearts and 黑桃Q

  [[nodiscard]] int count(int playSuit) const { return bySuit.at(playSuit - 1); }
};

HandMakeUp makeUpOf(const Player& player) {
  HandMakeUp makeUp;
  for (const Card& card : player.hand.cards) {
    ++makeUp.bySuit.at(static_cast<std::size_t>(card.playSuit - 1));
    if (!card.isPointCard()) makeUp.onlyPointCards = false;
  }
  return makeUp;
}

}  // namespace

std::string refusalText(const GameState& state) {
  const Player& human = state.human();
  const Card& card = human.card(state.cursor);
  const int n = human.cardCount();
  const HandMakeUp hand = makeUpOf(human);
  const bool firstTrick = n == kHandSize;
  std::string text;

  if (firstTrick && state.trickPosition == 1 && card.name != kClubTwo) {
    text += "第一张牌只能出梅花2！\r\n";
  }
  if (state.ledSuit > 0 && card.playSuit != state.ledSuit && hand.count(state.ledSuit) > 0) {
    text +=
        "本轮须出" + state.playSuitNames.at(static_cast<std::size_t>(state.ledSuit - 1)) + "！\r\n";
  }
  // A first-trick hand of nothing but hearts and the queen, without a club to
  // follow with, must still put something down: a heart, never the queen.
  const bool heartForced = hand.count(kClubs) == 0 && hand.onlyPointCards;
  if (firstTrick && (card.isSpadeQueen() || (card.isHeart() && !heartForced))) {
    text += "第一轮不能出黑桃Q或红心牌！\r\n";
  }
  if (state.trickPosition == 1 && state.heartsPlayed == 0 && card.isHeart() &&
      hand.count(kClubs) + hand.count(kDiamonds) + hand.count(kSpades) > 0) {
    text += "红心未出现过，不能出红心牌！\r\n";
  }
  return text;
}

void playHumanCard(Game& game) {
  GameState& state = game.state;
  const std::string refusal = refusalText(state);
  if (!refusal.empty()) {
    playCue(game, "ban");
    game.platform.showMessage(refusal, Buttons::Ok);
    return;
  }
  playCue(game, "locate");

  Player& human = state.human();
  const Card card = human.card(state.cursor);
  if (state.trickPosition == 1) {
    state.ledSuit = card.playSuit;
  } else if (state.ledSuit > 0 && card.playSuit != state.ledSuit) {
    human.voidIn(state.ledSuit) = 1;
  }
  human.trickCard = card;
  game.events->cardPlayed(kHumanSeat, card, std::nullopt, false);
  if (card.isSpadeQueen()) {
    playCue(game, "putpig");
  } else if (card.isHeart() && state.heartsFlag == 0) {
    state.heartsFlag = 1;
    playCue(game, "putheart");
  }
  human.trickTurn = state.trickPosition;
  // The cursor stays: the next card slides under it.
  human.hand.cards.erase(human.hand.cards.begin() + (state.cursor - 1));
  ++state.trickPosition;

  if (state.trickPosition > 4) {
    resolveTrick(game);
  } else {
    state.currentPlayer = 2;
    playComputerTurn(game, 2);
  }
}

}  // namespace vozi
