#include "input/keys.h"

#include "input/exchange.h"
#include "input/human_play.h"
#include "view/sound.h"
#include "view/table_text.h"

namespace vozi {
namespace {

void onSpace(Game& game) {
  if (game.state.inExchangePhase()) {
    confirmExchange(game);
  } else if (game.state.inPlayPhase()) {
    playHumanCard(game);
  }
}

void onUp(Game& game) {
  if (game.state.inExchangePhase()) {
    chooseCard(game);
  } else if (game.state.inPlayPhase()) {
    playHumanCard(game);
  }
}

void onDown(Game& game) {
  if (game.state.inExchangePhase()) unchooseCard(game);
}

}  // namespace

void moveCursorLeft(Game& game) {
  if (game.state.cursor <= 1) {
    playCue(game, "ban");
    return;
  }
  --game.state.cursor;
  refreshOptionLine(game);
}

void moveCursorRight(Game& game) {
  if (game.state.cursor >= game.state.human().cardCount()) {
    playCue(game, "ban");
    return;
  }
  ++game.state.cursor;
  refreshOptionLine(game);
}

void moveCursorFirst(Game& game) {
  game.state.cursor = 1;
  playCue(game, "click2");
  refreshOptionLine(game);
}

void moveCursorLast(Game& game) {
  game.state.cursor = game.state.human().cardCount();
  playCue(game, "click2");
  refreshOptionLine(game);
}

void onOptionListKey(Game& game, int keyCode, int modifierMask) {
  if (modifierMask != 0) return;
  // The list only takes keys while a hand is on the table; guard anyway, since
  // a desktop may deliver a key before it has disabled the list.
  if (game.state.players.empty() || game.state.human().hand.cards.empty()) return;
  switch (keyCode) {
    case kKeySpace: onSpace(game); break;
    case kKeyUp: onUp(game); break;
    case kKeyDown: onDown(game); break;
    case kKeyLeft: moveCursorLeft(game); break;
    case kKeyRight: moveCursorRight(game); break;
    case kKeyPageUp: moveCursorFirst(game); break;
    case kKeyPageDown: moveCursorLast(game); break;
    default: break;
  }
}

void onOptionListFocus(Game& game) {
  if (game.state.inExchangePhase() || game.state.inPlayPhase()) refreshStatusText(game);
}

}  // namespace vozi
