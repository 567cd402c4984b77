#include "view/table_text.h"

#include <algorithm>
#include <array>

namespace vozi {
namespace {

void appendTrickCards(const GameState& state, std::string& text) {
  for (int seat = 2; seat <= kSeatCount; ++seat) {
    const Card& card = state.player(seat).trickCard;
    if (!card.isEmpty()) text.append(card.name).append("，");
  }
}

void appendHumanPointCards(const GameState& state, std::string& text) {
  const Player& human = state.human();
  if (human.pointCards.empty()) return;
  text.append(human.name).append("目前获得以下分数牌：\r\n");
  for (const Card& card : human.pointCards) text.append(card.name).append("；");
  text.append("\r\n");
}

void appendSeats(const GameState& state, std::string& text) {
  const char* seatLabels[] = {"玩家：", "；\r\n下家：", "；\r\n对家：", "；\r\n上家："};
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    text.append(seatLabels[seat - 1]).append(state.player(seat).name);
  }
  text.append("；\r\n");
}

void appendLastTrick(const Game& game, std::string& text) {
  const GameState& state = game.state;
  const bool namesShown = game.platform.isChecked(MenuItem::ShowNames);
  // The seats by the place their card took in the trick.
  std::array<const Player*, 4> byTurn{};
  for (const Player& player : state.players) {
    if (player.lastTrickTurn >= 1 && !player.playedCards.empty()) {
      byTurn.at(static_cast<std::size_t>(player.lastTrickTurn - 1)) = &player;
    }
  }
  for (const Player* player : byTurn) {
    if (player == nullptr) continue;
    if (namesShown) text.append(player->name).append("-");
    text.append(player->playedCards.back().name).append("；");
  }
}

}  // namespace

std::string optionLineFor(const GameState& state, const Card& card) {
  if (card.marked == 0) return card.name;
  return card.name + (state.inExchangePhase() ? "，已选中" : "，换入牌");
}

void refreshOptionLine(Game& game) {
  GameState& state = game.state;
  Platform& desktop = game.platform;
  desktop.clearOptionList();
  state.cursor = std::clamp(state.cursor, 1, std::max(1, state.human().cardCount()));
  desktop.appendOptionLine(optionLineFor(state, state.human().card(state.cursor)));
  desktop.selectOptionLine(0);
  desktop.focusOptionList();
  refreshStatusText(game);
}

void refreshStatusText(Game& game) {
  const GameState& state = game.state;
  std::string text;
  text.reserve(512);
  text.append("当前牌局：");
  appendTrickCards(state, text);
  text.append("准备").append(state.phase).append("！\r\n");
  appendHumanPointCards(state, text);
  const int cardsLeft = state.human().cardCount();
  if (cardsLeft < kHandSize) {
    text.append("上轮出牌情况：\r\n");
    appendLastTrick(game, text);
    text.append("\r\n");
  }
  text.append("第").append(std::to_string(state.handsPlayed)).append("局牌，还剩");
  text.append(std::to_string(cardsLeft)).append("圈牌。\r\n");
  appendSeats(state, text);
  game.platform.setText(text);
}

std::string lastTrickText(const Game& game) {
  std::string text;
  appendLastTrick(game, text);
  return text;
}

}  // namespace vozi
