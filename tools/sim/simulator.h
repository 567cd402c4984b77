// Whole matches played headless through the game's own code: the desktop is
// the recording one, the player's moves are keys from a RandomPlayer, every box
// is answered OK and the name box "玩家".
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "game/game.h"
#include "game/recording_platform.h"
#include "tools/sim/random_player.h"
#include "tools/sim/trace.h"

namespace vozi::sim {

struct Summary {
  int matches = 0;
  int hands = 0;
  int tricks = 0;
  double seconds = 0;
  std::array<long long, 4> points{};  // by seat, over all hands
  long long refusals = 0;             // keys and cards answered with "ban"
  bool stuck = false;                 // a match that never ended
};

class Simulator final : public GameEvents {
 public:
  // `trace` may be null. `observer`, if given, hears every game event too.
  Simulator(std::uint64_t seed, std::ostream* trace, const std::string& rankingDirectory,
            GameEvents* observer = nullptr);

  Summary run(int matches);
  [[nodiscard]] Game& game() { return game_; }
  void setObserver(GameEvents* observer) { observer_ = observer; }

  void seatsNamed(const GameState& state) override;
  void handsDealt(const GameState& state) override;
  void exchanged(int partner, const std::vector<Card>& given,
                 const std::vector<Card>& received) override;
  void cardPlayed(int seat, const Card& card, std::optional<int> turnFactor,
                  bool drawnAtRandom) override;
  void trickResolved(int winner) override;
  void handScored(const GameState& state) override;
  void matchEnded(int champion, int matchScore) override;

 private:
  bool playMatch();

  RecordingPlatform desktop_;
  Game game_;
  RandomPlayer player_;
  std::unique_ptr<TraceWriter> trace_;
  GameEvents* observer_;
  Summary summary_;
};

void printSummary(std::ostream& out, const Summary& summary);

}  // namespace vozi::sim
