#include "scoring/hand_score.h"

#include "game/match.h"
#include "scoring/match_end.h"
#include "view/sound.h"

namespace vozi {
namespace {

constexpr int kAllPointCards = 14;
constexpr int kShotPoints = 26;

int pointsOf(const Player& player) {
  int points = 0;
  for (const Card& card : player.pointCards) points += card.isHeart() ? 1 : 13;
  return points;
}

const char* resultCue(int winner, bool shot) {
  if (winner == kHumanSeat) return shot ? "win2" : "win1";
  return shot ? "lose2" : "lose1";
}

bool someoneReachedTheEnd(const GameState& state) {
  for (const Player& player : state.players) {
    if (player.totalScore >= kMatchEndTotal) return true;
  }
  return false;
}

}  // namespace

int shooterOf(const GameState& state) {
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    if (state.player(seat).pointCards.size() == kAllPointCards) return seat;
  }
  return 0;
}

std::array<int, 4> handScoresOf(const GameState& state) {
  const int shooter = shooterOf(state);
  std::array<int, 4> scores{};
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    int& score = scores.at(static_cast<std::size_t>(seat - 1));
    if (shooter != 0) {
      score = seat == shooter ? 0 : kShotPoints;
    } else {
      score = pointsOf(state.player(seat));
    }
  }
  return scores;
}

void scoreHand(Game& game) {
  GameState& state = game.state;
  const int shooter = shooterOf(state);
  const std::array<int, 4> scores = handScoresOf(state);
  std::string lines;
  int lowest = 100;
  int winner = 0;
  for (int seat = 1; seat <= kSeatCount; ++seat) {
    Player& player = state.player(seat);
    const int score = scores.at(static_cast<std::size_t>(seat - 1));
    player.handScores.push_back(score);  // entry n is the score of hand n
    player.totalScore += score;
    lines += player.name + "：得分" + std::to_string(score) + "，总分" +
             std::to_string(player.totalScore) + "；\r\n";
    // Strictly lower: of equal scores the lower seat wins the hand.
    if (score < lowest) {
      lowest = score;
      winner = seat;
    }
  }
  game.events->handScored(state);
  playCue(game, resultCue(winner, shooter != 0));
  game.platform.showMessage(
      "第" + std::to_string(state.handsPlayed) + "局红心大战结束，得分如下：\r\n" + lines + "本局" +
          state.player(winner).name + (shooter != 0 ? "获得了大满贯！" : "胜出！"),
      Buttons::Ok);
  if (someoneReachedTheEnd(state)) {
    endMatch(game);
  } else {
    startHand(game);
  }
}

}  // namespace vozi
