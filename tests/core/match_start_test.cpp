#include <gtest/gtest.h>

#include "game/match.h"
#include "game/names.h"
#include "support/table.h"

namespace vozi {
namespace {

struct FreshDesk {
  RecordingPlatform desktop;
  Game game{desktop};
  explicit FreshDesk(std::uint64_t seed = 5) : desktop(seed) {
    onWindowCreated(game);
    desktop.clearLog();
  }
};

TEST(StartMatch, FirstHandAsksTheNameDealsAndOpensTheExchange) {
  FreshDesk desk;
  desk.desktop.inputAnswers = {"小明"};
  startMatch(desk.game);

  const GameState& state = desk.game.state;
  EXPECT_TRUE(desk.desktop.callsOf(CallKind::Message).size() == 1);  // no restart question
  EXPECT_EQ(state.phase, kPhaseExchange);
  EXPECT_EQ(state.handsPlayed, 1);
  EXPECT_EQ(state.human().name, "小明");
  for (const Player& player : state.players) EXPECT_EQ(player.cardCount(), 13);
  EXPECT_EQ(state.cursor, 1);
  EXPECT_TRUE(desk.desktop.optionListEnabled);
  EXPECT_TRUE(desk.desktop.isEnabled(MenuItem::ScoreTable));
  EXPECT_EQ(desk.desktop.optionLines, std::vector<std::string>{state.human().card(1).name});
  EXPECT_EQ(desk.desktop.cues(), (std::vector<std::string>{"start", "begin"}));
  EXPECT_EQ(desk.desktop.music(), std::vector<std::string>{"game"});
  EXPECT_EQ(desk.desktop.messages(),
            std::vector<std::string>{"请选出三张牌与" + state.player(2).name + "交换。"});
  const Call* input = desk.desktop.callsOf(CallKind::Input).front();
  EXPECT_EQ(input->text, "请输入您的大名：");
  EXPECT_EQ(input->detail, "姓名");
}

TEST(StartMatch, NameBoxComesBackAfterCancelAndEmptyAndAcceptsSpaces) {
  FreshDesk desk;
  desk.desktop.inputAnswers = {std::nullopt, "", "   "};
  startMatch(desk.game);
  EXPECT_EQ(desk.desktop.callsOf(CallKind::Input).size(), 3u);
  EXPECT_EQ(desk.game.state.human().name, "   ");
}

TEST(StartMatch, NameBoxDropsControlCharactersSoTheyCannotBreakLines) {
  FreshDesk desk;
  desk.desktop.inputAnswers = {"\r\n\t", "小\r\n明\t\x7f\u2028\u0085"};
  startMatch(desk.game);
  EXPECT_EQ(desk.desktop.callsOf(CallKind::Input).size(), 2u);
  EXPECT_EQ(desk.game.state.human().name, "小明");
}

TEST(StartMatch, CancelledRestartLeavesTheHandExactlyAsItWas) {
  FreshDesk desk;
  startMatch(desk.game);
  desk.desktop.setText("上轮出牌情况：保留");
  const GameState before = desk.game.state;
  desk.desktop.clearLog();
  desk.desktop.messageAnswers = {false};
  startMatch(desk.game);

  ASSERT_EQ(desk.desktop.calls.size(), 1u);
  EXPECT_EQ(desk.desktop.calls[0].text, "您确定要重新开始牌局吗？");
  EXPECT_EQ(desk.desktop.calls[0].detail, "okcancel");
  EXPECT_EQ(desk.desktop.textBoxText, "上轮出牌情况：保留");
  EXPECT_EQ(desk.game.state.phase, before.phase);
  EXPECT_EQ(testing::namesOf(desk.game.state.human().hand.cards),
            testing::namesOf(before.human().hand.cards));
}

TEST(StartMatch, ConfirmedRestartAsksTheNameAgainAndZeroesTheTotals) {
  FreshDesk desk;
  startMatch(desk.game);
  desk.game.state.human().totalScore = 40;
  desk.game.state.ledSuit = 3;  // as if abandoned in the middle of a trick
  desk.desktop.clearLog();
  desk.desktop.messageAnswers = {true};
  startMatch(desk.game);
  EXPECT_EQ(desk.desktop.callsOf(CallKind::Input).size(), 1u);
  EXPECT_EQ(desk.game.state.human().totalScore, 0);
  EXPECT_EQ(desk.game.state.ledSuit, 0);
  EXPECT_EQ(desk.game.state.handsPlayed, 1);
  EXPECT_EQ(desk.desktop.music(), std::vector<std::string>{"game"});
}

TEST(StartHand, PhaseAndPartnerFollowTheHandNumber) {
  const struct {
    int hand;
    const char* phase;
    int partner;
  } cases[] = {{1, kPhaseExchange, 2}, {2, kPhaseExchange, 3}, {3, kPhaseExchange, 4},
               {4, kPhasePlay, 0},     {5, kPhaseExchange, 2}, {8, kPhasePlay, 0}};
  for (const auto& c : cases) {
    FreshDesk desk;
    startMatch(desk.game);
    if (c.hand == 1) {
      EXPECT_EQ(desk.game.state.phase, c.phase);
      continue;
    }
    desk.game.state.handsPlayed = c.hand - 1;
    desk.game.state.human().totalScore = 7;
    desk.desktop.clearLog();
    // A play hand opens the first trick; stop the chain at the first box.
    startHand(desk.game);
    EXPECT_EQ(desk.game.state.phase, c.phase) << "hand " << c.hand;
    EXPECT_EQ(desk.game.state.human().totalScore, 7) << "totals carry over";
    const std::string opening = desk.desktop.messages().front();
    if (c.partner == 0) {
      EXPECT_EQ(opening, "本轮红心大战开始！");
    } else {
      EXPECT_EQ(opening, "请选出三张牌与" + desk.game.state.player(c.partner).name + "交换。");
    }
  }
}

bool isEnglish(const std::string& name) {
  return name.find(' ') != std::string::npos;
}

TEST(Names, EnglishHasOneSpaceChineseHasTwoToFourCharacters) {
  FreshDesk desk(99);
  int english = 0;
  constexpr int kNames = 3000;
  for (int i = 0; i < kNames; ++i) {
    desk.game.state.players.assign(4, Player{});
    nameComputerSeats(desk.game);
    for (int seat = 2; seat <= 4; ++seat) {
      const std::string& name = desk.game.state.player(seat).name;
      if (isEnglish(name)) {
        ++english;
        EXPECT_EQ(std::count(name.begin(), name.end(), ' '), 1) << name;
      } else {
        const std::size_t characters = name.size() / 3;  // every Chinese character is 3 bytes
        EXPECT_EQ(name.size() % 3, 0u) << name;
        EXPECT_GE(characters, 2u) << name;
        EXPECT_LE(characters, 4u) << name;
      }
    }
  }
  EXPECT_NEAR(english / (3.0 * kNames), 1.0 / 3.0, 0.03);
}

TEST(Names, AtMostOneSeatTakesAComputerChampionsName) {
  FreshDesk desk(11);
  for (int slot = 1; slot <= kRankingSize; ++slot) {
    desk.game.state.rankingSlot(slot).name = "冠军" + std::to_string(slot);
  }
  desk.game.state.rankingSlot(1).isHuman = true;
  int matchesWithAChampion = 0;
  for (int i = 0; i < 400; ++i) {
    desk.game.state.players.assign(4, Player{});
    nameComputerSeats(desk.game);
    int taken = 0;
    for (int seat = 2; seat <= 4; ++seat) {
      const std::string& name = desk.game.state.player(seat).name;
      if (name.rfind("冠军", 0) == 0) {
        ++taken;
        EXPECT_NE(name, "冠军1") << "the player's own entry is never offered";
      }
    }
    EXPECT_LE(taken, 1);
    matchesWithAChampion += taken;
  }
  // Each seat: 9/10 a filled slot, then a coin: 1 − (1 − 0.45)³ ≈ 0.83.
  EXPECT_NEAR(matchesWithAChampion / 400.0, 0.83, 0.07);
}

TEST(Names, WithAnEmptyRankingEverySeatGetsAMadeUpName) {
  FreshDesk desk(3);
  desk.game.state.players.assign(4, Player{});
  nameComputerSeats(desk.game);
  for (int seat = 2; seat <= 4; ++seat) EXPECT_FALSE(desk.game.state.player(seat).name.empty());
}

}  // namespace
}  // namespace vozi
