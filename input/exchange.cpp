#include "input/exchange.h"

#include <utility>
#include <vector>

#include "ai/exchange_choice.h"
#include "ai/turn_order.h"
#include "game/deck.h"
#include "game/match.h"
#include "view/sound.h"
#include "view/table_text.h"

namespace vozi {
namespace {

constexpr int kExchangeSize = 3;

std::vector<int> chosenPositions(const Player& human) {
  std::vector<int> positions;
  for (int position = 1; position <= human.cardCount(); ++position) {
    if (human.card(position).marked == 1) positions.push_back(position);
  }
  return positions;
}

}  // namespace

void chooseCard(Game& game) {
  GameState& state = game.state;
  Card& card = state.human().card(state.cursor);
  if (state.selectedCount < kExchangeSize && card.marked == 0) {
    playCue(game, "choose");
    ++state.selectedCount;
    card.marked = 1;
  } else {
    playCue(game, "ban");
  }
  refreshOptionLine(game);
}

void unchooseCard(Game& game) {
  GameState& state = game.state;
  Card& card = state.human().card(state.cursor);
  if (card.marked == 1) {
    playCue(game, "cancel");
    --state.selectedCount;
    card.marked = 0;
  } else {
    playCue(game, "ban");
  }
  refreshOptionLine(game);
}

void confirmExchange(Game& game) {
  GameState& state = game.state;
  Player& human = state.human();
  const std::vector<int> given = chosenPositions(human);
  if (static_cast<int>(given.size()) < kExchangeSize) {
    playCue(game, "ban");
    game.platform.showMessage("请先用上光标键选择三张牌，然后再确定换牌！", Buttons::Ok);
    return;
  }
  const int partnerSeat = exchangePartner(state);
  Player& partner = state.player(partnerSeat);
  // The partner picks all three before any card moves.
  std::vector<int> taken;
  for (int k = 0; k < kExchangeSize; ++k) taken.push_back(chooseExchangeCard(state, partnerSeat));

  std::vector<Card> givenCards;
  std::vector<Card> receivedCards;
  for (int k = 0; k < kExchangeSize; ++k) {
    Card& mine = human.card(given[static_cast<std::size_t>(k)]);
    Card& theirs = partner.card(taken[static_cast<std::size_t>(k)]);
    givenCards.push_back(mine);
    receivedCards.push_back(theirs);
    std::swap(mine, theirs);
  }
  game.events->exchanged(partnerSeat, givenCards, receivedCards);
  sortHand(state, kHumanSeat);
  sortHand(state, partnerSeat);
  playCue(game, "exchange");
  game.platform.showMessage(
      human.name + "和" + partner.name + "交换了三张牌。\r\n本局红心大战开始！", Buttons::Ok);
  state.phase = kPhasePlay;
  beginTrick(game);
}

}  // namespace vozi
