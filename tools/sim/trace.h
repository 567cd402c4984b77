// The simulator's trace: one JSON object a line, in the order things happen,
// written from what the game shows the desktop and from the game's own events.
#pragma once

#include <ostream>

#include "game/game.h"
#include "game/recording_platform.h"

namespace vozi::sim {

class TraceWriter final : public GameEvents {
 public:
  explicit TraceWriter(std::ostream& out) : out_(out) {}

  void desktopCall(const Call& call);
  void key(int keyCode);
  void command(MenuItem item);

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
  std::ostream& out_;
};

// A JSON string literal of a UTF-8 text.
[[nodiscard]] std::string jsonString(const std::string& text);

}  // namespace vozi::sim
