// The whole state of a running game: seats, hands, the trick under way, the
// ranking and the name tables. It is plain data; the operations that change it
// live in the modules of game/, view/, ai/, scoring/, records/ and input/.
//
// Seats, cards in a hand and ranking places are counted from 1 in every
// operation; the accessors below turn those numbers into vector indexes.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/card.h"

namespace vozi {

inline constexpr int kSeatCount = 4;
inline constexpr int kHumanSeat = 1;
inline constexpr int kHandSize = 13;
inline constexpr int kRankingSize = 10;

inline constexpr const char* kPhaseExchange = "换牌";
inline constexpr const char* kPhasePlay = "出牌";

struct HandRecord {
  std::vector<Card> cards;
};

struct Player {
  std::string name;
  HandRecord hand;
  int totalScore = 0;
  std::vector<int> handScores;
  Card trickCard;
  std::vector<Card> playedCards;
  std::vector<Card> pointCards;
  std::array<int, 4> voidSuits{};  // by playSuit - 1: the seat has shown it holds none
  int lastTrickTurn = 0;
  int trickTurn = 0;

  [[nodiscard]] int cardCount() const { return static_cast<int>(hand.cards.size()); }
  [[nodiscard]] Card& card(int position) { return hand.cards.at(position - 1); }
  [[nodiscard]] const Card& card(int position) const { return hand.cards.at(position - 1); }
  [[nodiscard]] int& voidIn(int playSuit) { return voidSuits.at(playSuit - 1); }
  [[nodiscard]] int voidIn(int playSuit) const { return voidSuits.at(playSuit - 1); }
};

struct RankingEntry {
  std::string name;
  bool isHuman = false;
  int matchScore = 0;
  std::string handsText;
  std::string spareText;
  int totalPoints = 0;
  int spareCount1 = 0;
  int spareCount2 = 0;
  std::string gameTypeName;

  [[nodiscard]] bool isEmpty() const { return name.empty(); }
  bool operator==(const RankingEntry&) const = default;
};

struct GameState {
  std::string phase;
  int handsPlayed = 0;
  int gameType = 0;
  std::vector<Player> players;
  std::vector<HandRecord> dealtHands;
  std::vector<Card> pile;
  std::vector<Card> masterDeck = std::vector<Card>(kMasterDeckSize);
  Card emptyCard;
  int cursor = 0;
  int selectedCount = 0;
  int currentPlayer = 0;
  int trickPosition = 0;
  int ledSuit = 0;
  int trickWinner = 0;
  int spadeQueenPlayer = 0;
  int heartsPlayed = 0;
  int heartsFlag = 0;
  std::string currentMusic;
  std::array<RankingEntry, kRankingSize> ranking{};
  std::string gameName;
  std::string versionText;
  std::vector<std::string> gameTypeNames;
  std::vector<std::string> suitNames = std::vector<std::string>(4);
  std::vector<std::string> rankNames = std::vector<std::string>(13);
  std::vector<std::string> playSuitNames = std::vector<std::string>(4);

  [[nodiscard]] Player& player(int seat) { return players.at(seat - 1); }
  [[nodiscard]] const Player& player(int seat) const { return players.at(seat - 1); }
  [[nodiscard]] Player& human() { return player(kHumanSeat); }
  [[nodiscard]] const Player& human() const { return player(kHumanSeat); }
  [[nodiscard]] RankingEntry& rankingSlot(int slot) { return ranking.at(slot - 1); }
  [[nodiscard]] const RankingEntry& rankingSlot(int slot) const { return ranking.at(slot - 1); }
  [[nodiscard]] bool inExchangePhase() const { return phase == kPhaseExchange; }
  [[nodiscard]] bool inPlayPhase() const { return phase == kPhasePlay; }
};

}  // namespace vozi
