#include "game/match.h"

#include <cmath>

#include "ai/turn_order.h"
#include "game/deck.h"
#include "game/lifecycle.h"
#include "game/names.h"
#include "game/random.h"
#include "view/sound.h"
#include "view/table_text.h"

namespace vozi {
namespace {

// A name goes into the status text's lines and into the ranking file's lines:
// line breaks, tabs and other control characters would break both, so the
// name box drops them.
std::string withoutControlCharacters(const std::string& text) {
  std::string kept;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) continue;
    // C1 controls (U+0080..U+009F) and the Unicode line and paragraph separators.
    if (byte == 0xC2 && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0x80 && next <= 0x9F) {
        ++i;
        continue;
      }
    }
    if (text.compare(i, 3, "\u2028") == 0 || text.compare(i, 3, "\u2029") == 0) {
      i += 2;
      continue;
    }
    kept += text[i];
  }
  return kept;
}

void askHumanName(Game& game) {
  std::string& name = game.state.human().name;
  while (name.empty()) {
    std::string entered;
    if (game.platform.askText("请输入您的大名：", "姓名", entered)) {
      name = withoutControlCharacters(entered);
    }
  }
}

void seatNewPlayers(Game& game) {
  GameState& state = game.state;
  state.players.assign(kSeatCount, Player{});
  askHumanName(game);
  nameComputerSeats(game);
  game.events->seatsNamed(state);
  for (Player& player : state.players) {
    player.handScores.clear();
    player.totalScore = 0;
  }
  // A match never begins in the middle of a trick, even after an abandoned one.
  state.ledSuit = 0;
}

void dealHand(Game& game) {
  GameState& state = game.state;
  state.dealtHands.assign(kSeatCount, HandRecord{});
  shuffleDeck(game);
  dealCards(state, kSeatCount);
  game.platform.random().seedFromClock();
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    Player& player = state.player(seat);
    player.hand = state.dealtHands[static_cast<std::size_t>(seat - 1)];
    sortHand(state, seat);
    player.playedCards.clear();
    player.pointCards.clear();
    player.voidSuits = {};
  }
  game.events->handsDealt(state);
}

void openHand(Game& game) {
  if (game.state.inPlayPhase()) {
    game.platform.showMessage("本轮红心大战开始！", Buttons::Ok);
    beginTrick(game);
  } else {
    const std::string& partner = game.state.player(exchangePartner(game.state)).name;
    game.platform.showMessage("请选出三张牌与" + partner + "交换。", Buttons::Ok);
  }
}

}  // namespace

int exchangePartner(const GameState& state) {
  return state.handsPlayed % 4 + 1;
}

void startMatch(Game& game) {
  if (!game.state.phase.empty() &&
      !game.platform.showMessage("您确定要重新开始牌局吗？", Buttons::OkCancel)) {
    return;
  }
  game.state.gameType = 1;
  resetGameState(game, 1);
  playCue(game, "start");
  playMusic(game, "game");
  startHand(game);
}

void startHand(Game& game) {
  GameState& state = game.state;
  game.platform.random().seedFromClock();
  if (state.handsPlayed == 0) seatNewPlayers(game);
  ++state.handsPlayed;
  state.selectedCount = 0;
  // Three hands of every four open with the exchange.
  state.phase = std::fmod(static_cast<double>(state.handsPlayed), 4.0) > 0.0000001 ? kPhaseExchange
                                                                                   : kPhasePlay;
  dealHand(game);
  state.spadeQueenPlayer = 0;
  state.heartsPlayed = 0;
  state.heartsFlag = 0;
  state.cursor = 1;
  enableTableControls(game);
  refreshOptionLine(game);
  playCue(game, "begin");
  openHand(game);
}

void enableTableControls(Game& game) {
  game.platform.enableOptionList(true);
  game.platform.enableMenuItem(MenuItem::ScoreTable, true);
}

}  // namespace vozi
