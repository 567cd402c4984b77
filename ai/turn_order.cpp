#include "ai/turn_order.h"

#include "ai/computer_turn.h"
#include "view/sound.h"
#include "view/table_text.h"

namespace vozi {
namespace {

int holderOfClubTwo(const GameState& state) {
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    for (const Card& card : state.player(seat).hand.cards) {
      if (card.name == kClubTwo) return seat;
    }
  }
  return kHumanSeat;  // unreachable: all 52 cards are dealt
}

}  // namespace

void beginTrick(Game& game) {
  GameState& state = game.state;
  const int leader =
      state.human().cardCount() == kHandSize ? holderOfClubTwo(state) : state.trickWinner;
  state.currentPlayer = leader;
  state.trickPosition = 1;
  if (leader == kHumanSeat) {
    announceHumanTurn(game);
    refreshOptionLine(game);
  } else {
    playComputerTurn(game, leader);
  }
}

void announceHumanTurn(Game& game) {
  const GameState& state = game.state;
  const bool namesShown = game.platform.isChecked(MenuItem::ShowNames);
  std::string text;
  bool someonePlayed = false;
  // Those who played before the player are the tail of 2, 3, 4, so seat order
  // is also the order of play.
  for (int seat = 2; seat <= kSeatCount; ++seat) {
    const Player& player = state.player(seat);
    if (player.trickCard.isEmpty()) continue;
    someonePlayed = true;
    if (namesShown) text += player.name + "-";
    text += player.trickCard.name + "，";
  }
  if (!text.empty()) text += "\r\n";
  text += "准备出牌！";
  playCue(game, someonePlayed ? "place" : "close");
  game.platform.showMessage(text, Buttons::Ok);
}

}  // namespace vozi
