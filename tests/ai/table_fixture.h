// Table positions for the computer players' tests, written the way a player
// would describe them: cards by name, hands and tricks seat by seat.
//
//   GameState state = Table()
//                         .hand(2, "梅花4 梅花K 方块3")
//                         .trick(1, "梅花10")   // seat 1 led; seat 2 is to play
//                         .points(4, "红心2 红心3")
//                         .voidIn(3, kClubs)
//                         .build();
//
// The trick sets each seat's trickCard and trickTurn in play order, ledSuit,
// trickPosition and currentPlayer. heartsPlayed and spadeQueenPlayer follow
// from the cards given to played() (the completed tricks), unless they are set
// explicitly.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/card.h"
#include "game/game_state.h"
#include "support/cards.h"

namespace vozi {

// A four-seat table in the play phase. Without a trick, seat 1 is to lead.
class Table {
 public:
  Table() {
    buildMasterDeck(state_);
    state_.phase = kPhasePlay;
    state_.handsPlayed = 1;
    state_.players.resize(kSeatCount);
    leads(kHumanSeat);
  }

  Table& hand(int seat, std::string_view cards) {
    state_.player(seat).hand.cards = cardsNamed(cards);
    return *this;
  }

  // The seat leads a trick that is still empty.
  Table& leads(int seat) { return trick(seat, ""); }

  // The cards of the trick under way, in play order from the leader.
  Table& trick(int leader, std::string_view cardsInPlayOrder) {
    for (Player& player : state_.players) {
      player.trickCard = Card{};
      player.trickTurn = 0;
    }
    const std::vector<Card> cards = cardsNamed(cardsInPlayOrder);
    int seat = leader;
    for (std::size_t i = 0; i < cards.size(); ++i) {
      state_.player(seat).trickCard = cards[i];
      state_.player(seat).trickTurn = static_cast<int>(i) + 1;
      seat = seat % kSeatCount + 1;
    }
    state_.ledSuit = cards.empty() ? 0 : cards.front().playSuit;
    state_.trickPosition = static_cast<int>(cards.size()) + 1;
    state_.currentPlayer = seat;
    return *this;
  }

  // Cards the seat played in the completed tricks of this hand.
  Table& played(int seat, std::string_view cards) {
    state_.player(seat).playedCards = cardsNamed(cards);
    return *this;
  }

  // Hearts and 黑桃Q the seat has taken this hand.
  Table& points(int seat, std::string_view cards) {
    state_.player(seat).pointCards = cardsNamed(cards);
    return *this;
  }

  Table& voidIn(int seat, int playSuit) {
    state_.player(seat).voidIn(playSuit) = 1;
    return *this;
  }

  Table& spadeQueenPlayer(int seat) {
    spadeQueenPlayer_ = seat;
    return *this;
  }

  Table& heartsPlayed(int count) {
    heartsPlayed_ = count;
    return *this;
  }

  [[nodiscard]] GameState build() const {
    GameState state = state_;
    state.heartsPlayed = heartsPlayed_.value_or(heartsInCompletedTricks());
    state.spadeQueenPlayer = spadeQueenPlayer_.value_or(seatThatPlayedTheQueen());
    return state;
  }

 private:
  [[nodiscard]] int heartsInCompletedTricks() const {
    int hearts = 0;
    for (const Player& player : state_.players) {
      for (const Card& card : player.playedCards) hearts += card.isHeart() ? 1 : 0;
    }
    return hearts;
  }

  [[nodiscard]] int seatThatPlayedTheQueen() const {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
      for (const Card& card : state_.player(seat).playedCards) {
        if (card.isSpadeQueen()) return seat;
      }
    }
    return 0;
  }

  GameState state_;
  std::optional<int> spadeQueenPlayer_;
  std::optional<int> heartsPlayed_;
};

}  // namespace vozi
