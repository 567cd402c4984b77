#include "tools/sim/simulator.h"

#include <chrono>
#include <iomanip>

#include "game/lifecycle.h"

namespace vozi::sim {
namespace {

// Far more decisions than any real match needs; a match still running by then
// has lost its way.
constexpr long kDecisionsPerMatchLimit = 2'000'000;

// Keeps the player's random keys apart from the game's own chances.
constexpr std::uint64_t kPlayerSeedSalt = 0x5EED'0F'A11'CA7ULL;

}  // namespace

Simulator::Simulator(std::uint64_t seed, std::ostream* trace, const std::string& rankingDirectory,
                     GameEvents* observer)
    : desktop_(seed), game_(desktop_), player_(game_, seed ^ kPlayerSeedSalt), observer_(observer) {
  desktop_.keepLog = false;
  desktop_.directory = rankingDirectory;
  game_.events = this;
  if (trace) trace_ = std::make_unique<TraceWriter>(*trace);
  if (trace_) {
    desktop_.onCall = [this](const Call& call) { trace_->desktopCall(call); };
    player_.onKey = [this](int keyCode) { trace_->key(keyCode); };
    player_.onCommand = [this](MenuItem item) { trace_->command(item); };
  }
}

bool Simulator::playMatch() {
  player_.command(MenuItem::StartMatch);
  for (long decisions = 0; decisions < kDecisionsPerMatchLimit; ++decisions) {
    if (!player_.act()) return true;
  }
  return false;
}

Summary Simulator::run(int matches) {
  const auto start = std::chrono::steady_clock::now();
  onWindowCreated(game_);
  for (int match = 0; match < matches && !summary_.stuck; ++match) {
    summary_.stuck = !playMatch();
  }
  onWindowDestroyed(game_);
  summary_.refusals = player_.refusals();
  summary_.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return summary_;
}

void Simulator::seatsNamed(const GameState& state) {
  if (trace_) trace_->seatsNamed(state);
  if (observer_) observer_->seatsNamed(state);
}

void Simulator::handsDealt(const GameState& state) {
  if (trace_) trace_->handsDealt(state);
  if (observer_) observer_->handsDealt(state);
}

void Simulator::exchanged(int partner, const std::vector<Card>& given,
                          const std::vector<Card>& received) {
  if (trace_) trace_->exchanged(partner, given, received);
  if (observer_) observer_->exchanged(partner, given, received);
}

void Simulator::cardPlayed(int seat, const Card& card, std::optional<int> turnFactor,
                           bool drawnAtRandom) {
  if (trace_) trace_->cardPlayed(seat, card, turnFactor, drawnAtRandom);
  if (observer_) observer_->cardPlayed(seat, card, turnFactor, drawnAtRandom);
}

void Simulator::trickResolved(int winner) {
  ++summary_.tricks;
  if (trace_) trace_->trickResolved(winner);
  if (observer_) observer_->trickResolved(winner);
}

void Simulator::handScored(const GameState& state) {
  ++summary_.hands;
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    summary_.points.at(static_cast<std::size_t>(seat - 1)) += state.player(seat).handScores.back();
  }
  if (trace_) trace_->handScored(state);
  if (observer_) observer_->handScored(state);
}

void Simulator::matchEnded(int champion, int matchScore) {
  ++summary_.matches;
  if (trace_) trace_->matchEnded(champion, matchScore);
  if (observer_) observer_->matchEnded(champion, matchScore);
}

void printSummary(std::ostream& out, const Summary& summary) {
  const double hands = summary.hands > 0 ? summary.hands : 1;
  out << "matches " << summary.matches << "\nhands " << summary.hands << "\ntricks "
      << summary.tricks << std::fixed << std::setprecision(3) << "\nseconds " << summary.seconds
      << std::setprecision(0) << "\nhands per second "
      << (summary.seconds > 0 ? summary.hands / summary.seconds : 0) << std::setprecision(2)
      << "\naverage points per hand";
  for (long long points : summary.points) out << ' ' << points / hands;
  out << "\nrefusals " << summary.refusals << '\n';
  if (summary.stuck) out << "a match did not end\n";
}

}  // namespace vozi::sim
