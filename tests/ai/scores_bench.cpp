// The thinking part of one computer turn: gathering the survey and scoring
// every card of the hand, as the turn does, in a table five tricks into the
// hand. Measured for a full 13-card hand and a 5-card hand, leading and
// following.
#include <benchmark/benchmark.h>

#include "ai/card_scores.h"
#include "ai/survey.h"
#include "tests/ai/table_fixture.h"

namespace vozi {
namespace {

constexpr int kSeat = 3;
constexpr int kTurnFactor = 10;

const char* handOfSize(int cards) {
  return cards == 13
             ? "梅花3 梅花7 梅花J 方块2 方块9 方块Q 黑桃3 黑桃5 黑桃K 红心4 红心8 红心10 红心A"
             : "梅花7 方块9 黑桃5 红心8 红心A";
}

// Five completed tricks, two seats with points, voids shown in two suits.
Table fiveTricksIntoTheHand(int handSize) {
  return Table()
      .hand(kSeat, handOfSize(handSize))
      .played(1, "梅花2 方块A 黑桃2 梅花Q 黑桃9")
      .played(2, "梅花K 方块3 黑桃7 红心2 黑桃J")
      .played(3, "梅花5 方块6 黑桃4 梅花9 黑桃6")
      .played(4, "梅花A 红心3 黑桃A 梅花8 黑桃Q")
      .points(1, "红心3")
      .points(2, "红心2 黑桃Q")
      .voidIn(2, kClubs)
      .voidIn(4, kDiamonds);
}

// Scores every card the way the turn does: when the seat can follow, the
// cards of the led suit are scored and the others keep 0; a leader scores
// every card (each one counting the unseen higher cards of its suit).
int scoreEveryCard(const GameState& state, int seat) {
  const TurnSurvey survey = gatherSurvey(state, seat);
  const bool canFollow = state.ledSuit > 0 && survey.countOf(state.ledSuit) > 0;
  int best = 0;
  for (int position = 1; position <= state.player(seat).cardCount(); ++position) {
    const Card& card = state.player(seat).card(position);
    int score = 0;
    if (canFollow) {
      if (card.playSuit == state.ledSuit) score = scoreFollow(state, card, survey, kTurnFactor);
    } else if (state.trickPosition == 1) {
      score = scoreLead(state, seat, position, survey, kTurnFactor);
    } else {
      score = scoreDiscard(card, kTurnFactor);
    }
    if (score > best) best = score;
  }
  return best;
}

void runTurns(benchmark::State& run, const GameState& state) {
  for (auto _ : run) {
    benchmark::DoNotOptimize(scoreEveryCard(state, kSeat));
  }
}

void BM_LeadingTurn(benchmark::State& run) {
  const int handSize = static_cast<int>(run.range(0));
  runTurns(run, fiveTricksIntoTheHand(handSize).leads(kSeat).build());
}

void BM_FollowingTurn(benchmark::State& run) {
  const int handSize = static_cast<int>(run.range(0));
  runTurns(run, fiveTricksIntoTheHand(handSize).trick(1, "红心6 红心9").build());
}

BENCHMARK(BM_LeadingTurn)->Arg(13)->Arg(5);
BENCHMARK(BM_FollowingTurn)->Arg(13)->Arg(5);

}  // namespace
}  // namespace vozi

BENCHMARK_MAIN();
