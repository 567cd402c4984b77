// Small builders for tests: cards by name, and a game on the recording desktop
// whose table is set up by hand.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "game/card.h"
#include "game/game.h"
#include "game/lifecycle.h"
#include "game/recording_platform.h"
#include "support/cards.h"

namespace vozi::testing {

inline Card card(const std::string& name) {
  return cardNamed(name);
}

inline std::vector<Card> cards(std::initializer_list<const char*> names) {
  std::vector<Card> result;
  for (const char* name : names) result.push_back(cardNamed(name));
  return result;
}

inline std::vector<std::string> namesOf(const std::vector<Card>& hand) {
  std::vector<std::string> names;
  for (const Card& c : hand) names.push_back(c.name);
  return names;
}

// A game on the recording desktop, its window created, seats named A to D and
// a hand of the given phase under way; hands start empty.
struct TableGame {
  explicit TableGame(std::uint64_t seed = 1) : desktop(seed), game(desktop) {
    onWindowCreated(game);
    GameState& state = game.state;
    state.players.assign(kSeatCount, Player{});
    const char* names[] = {"A", "B", "C", "D"};
    for (int seat = 1; seat <= kSeatCount; ++seat) state.player(seat).name = names[seat - 1];
    state.phase = kPhasePlay;
    state.handsPlayed = 1;
    state.cursor = 1;
    state.trickPosition = 1;
    desktop.clearLog();
  }

  Player& seat(int number) { return game.state.player(number); }
  void deal(int number, std::initializer_list<const char*> names) {
    seat(number).hand.cards = cards(names);
  }
  // Puts a card into the current trick as played by the seat, in order.
  void putInTrick(int number, const char* name) {
    GameState& state = game.state;
    if (state.trickPosition == 1) state.ledSuit = card(name).playSuit;
    seat(number).trickCard = card(name);
    seat(number).trickTurn = state.trickPosition++;
  }

  RecordingPlatform desktop;
  Game game;
};

}  // namespace vozi::testing
