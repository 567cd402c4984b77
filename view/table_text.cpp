#include "view/table_text.h"

#include <algorithm>
#include <array>

namespace vozi {
namespace {

void appendTrickCards(const GameState& state, std::string& text) {
  for (int seat = 2; seat <= kSeatCount; ++seat) {
    const Card& card = state.player(seat).trickCard;
    if (!card.isEmpty()) text += card.name + "，";
  }
}

void appendHumanPointCards(const GameState& state, std::string& text) {
  const Player& human = state.human();
  if (human.pointCards.empty()) return;
  text += human.name + "目前获得以下分数牌：\r\n";
  for (const Card& card : human.pointCards) text += card.name + "；";
  text += "\r\n";
}

void appendSeats(const GameState& state, std::string& text) {
  text += "玩家：" + state.player(1).name + "；\r\n下家：" + state.player(2).name +
          "；\r\n对家：" + state.player(3).name + "；\r\n上家：" + state.player(4).name + "；\r\n";
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
  std::string text = "当前牌局：";
  appendTrickCards(state, text);
  text += "准备" + state.phase + "！\r\n";
  appendHumanPointCards(state, text);
  const int cardsLeft = state.human().cardCount();
  if (cardsLeft < kHandSize) text += "上轮出牌情况：\r\n" + lastTrickText(game) + "\r\n";
  text += "第" + std::to_string(state.handsPlayed) + "局牌，还剩" + std::to_string(cardsLeft) +
          "圈牌。\r\n";
  appendSeats(state, text);
  game.platform.setText(text);
}

std::string lastTrickText(const Game& game) {
  const GameState& state = game.state;
  const bool namesShown = game.platform.isChecked(MenuItem::ShowNames);
  std::array<std::string, 4> parts;  // by the place each card took in the trick
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    const Player& player = state.player(seat);
    if (player.lastTrickTurn < 1 || player.playedCards.empty()) continue;
    std::string& part = parts.at(static_cast<std::size_t>(player.lastTrickTurn - 1));
    part = (namesShown ? player.name + "-" : std::string()) + player.playedCards.back().name + "；";
  }
  return parts[0] + parts[1] + parts[2] + parts[3];
}

}  // namespace vozi
