// What the game's thread spends on the things a player waits for: a computer
// seat's turn, and one key press in the card list up to the rewritten texts.
// Run by hand: build/<preset>/bin/vozi-bench
#include <benchmark/benchmark.h>

#include "ai/computer_turn.h"
#include "game/lifecycle.h"
#include "game/match.h"
#include "game/random.h"
#include "game/recording_platform.h"
#include "input/keys.h"

namespace vozi {
namespace {

// A game on the recording desktop, its first hand dealt and waiting for the
// player's exchange.
struct DealtGame {
  RecordingPlatform desktop{17};
  Game game{desktop};
  DealtGame() {
    desktop.keepLog = false;
    onWindowCreated(game);
    startMatch(game);
  }
};

// A computer seat's whole choice, survey and scores included, at a lead and
// when following, with a full hand.
void BM_ComputerTurnChoice(benchmark::State& bench) {
  DealtGame table;
  GameState& state = table.game.state;
  state.phase = kPhasePlay;
  state.trickPosition = static_cast<int>(bench.range(0));
  state.heartsPlayed = 1;
  state.human().hand.cards.pop_back();  // past the first trick
  state.player(2).hand.cards.pop_back();
  if (state.trickPosition > 1) {
    state.player(1).trickCard = state.player(1).card(1);
    state.ledSuit = state.player(1).trickCard.playSuit;
  }
  Random random = Random::seeded(3);
  int turnFactor = 8;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(chooseComputerCard(state, random, 2, turnFactor));
    turnFactor = turnFactor == 12 ? 8 : turnFactor + 1;
  }
  bench.SetLabel(state.trickPosition == 1 ? "leading, 12 cards" : "following, 12 cards");
}
BENCHMARK(BM_ComputerTurnChoice)->Arg(1)->Arg(2);

// Right then Left: each moves the cursor, rewrites the option line and the
// status text.
void BM_KeyPress(benchmark::State& bench) {
  DealtGame table;
  int key = kKeyRight;
  for (auto _ : bench) {
    onOptionListKey(table.game, key, 0);
    key = key == kKeyRight ? kKeyLeft : kKeyRight;
  }
}
BENCHMARK(BM_KeyPress);

}  // namespace
}  // namespace vozi

BENCHMARK_MAIN();
