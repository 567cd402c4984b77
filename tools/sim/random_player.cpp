#include "tools/sim/random_player.h"

#include <cstdlib>
#include <tuple>

#include "input/keys.h"
#include "input/menu.h"

namespace vozi::sim {

RandomPlayer::RandomPlayer(Game& game, std::uint64_t seed)
    : game_(game), random_(Random::seeded(seed)) {}

void RandomPlayer::press(int keyCode) {
  if (onKey) onKey(keyCode);
  onOptionListKey(game_, keyCode, 0);
}

void RandomPlayer::pressExpectingChange(int keyCode) {
  const GameState& state = game_.state;
  const auto table = [&state] {
    return std::tuple(state.phase, state.handsPlayed, state.selectedCount,
                      state.players.empty() ? 0 : state.human().cardCount());
  };
  const auto before = table();
  press(keyCode);
  if (table() == before) ++refusals_;
}

void RandomPlayer::command(MenuItem item) {
  if (onCommand) onCommand(item);
  onMenuCommand(game_, item);
}

// Reaches the card the way a player would, by the shortest way: step by step
// from where the cursor is, or from an end of the hand after PageUp or PageDown.
void RandomPlayer::moveCursorTo(int position) {
  const int n = game_.state.human().cardCount();
  int at = game_.state.cursor;
  const int fromHere = std::abs(position - at);
  if (position - 1 < fromHere && position - 1 <= n - position) {
    press(kKeyPageUp);
    at = 1;
  } else if (n - position < fromHere) {
    press(kKeyPageDown);
    at = n;
  }
  for (; at < position; ++at) press(kKeyRight);
  for (; at > position; --at) press(kKeyLeft);
}

void RandomPlayer::actInExchange() {
  const Player& human = game_.state.human();
  const int chosen = game_.state.selectedCount;
  if (chosen > 0 && chance(6)) {
    // Take one back.
    for (int position = 1; position <= human.cardCount(); ++position) {
      if (human.card(position).marked == 1 && chance(2)) {
        moveCursorTo(position);
        press(kKeyDown);
        return;
      }
    }
  }
  if (chosen == 3 || chance(8)) {
    pressExpectingChange(kKeySpace);  // early now and then: refused until three are chosen
    return;
  }
  moveCursorTo(random_.uniform(1, human.cardCount()));
  pressExpectingChange(kKeyUp);  // a card chosen already is refused
}

void RandomPlayer::actInPlay() {
  moveCursorTo(random_.uniform(1, game_.state.human().cardCount()));
  pressExpectingChange(chance(2) ? kKeySpace : kKeyUp);
}

bool RandomPlayer::act() {
  const GameState& state = game_.state;
  if (state.phase.empty()) return false;
  if (chance(40)) {
    command(chance(2) ? MenuItem::ShowNames : MenuItem::Music);
    return true;
  }
  if (state.inExchangePhase()) {
    actInExchange();
  } else {
    actInPlay();
  }
  return true;
}

}  // namespace vozi::sim
