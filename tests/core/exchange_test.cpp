#include "input/exchange.h"

#include <gtest/gtest.h>

#include "game/match.h"
#include "input/keys.h"
#include "support/table.h"
#include "view/table_text.h"

namespace vozi {
namespace {

using testing::namesOf;
using Names = std::vector<std::string>;

struct ExchangeDesk {
  RecordingPlatform desktop;
  Game game{desktop};
  explicit ExchangeDesk(std::uint64_t seed = 21) : desktop(seed) {
    onWindowCreated(game);
    startMatch(game);
    desktop.clearLog();
  }
  void key(int code) { onOptionListKey(game, code, 0); }
  void chooseAt(int position) {
    game.state.cursor = position;
    key(kKeyUp);
  }
};

TEST(Exchange, ChoosingIsRefusedForAFourthOrAChosenCardAndUnchoosingAnUnchosenOne) {
  ExchangeDesk desk;
  desk.chooseAt(1);
  desk.chooseAt(1);  // chosen already
  desk.key(kKeyDown);
  desk.key(kKeyDown);  // no longer chosen
  desk.chooseAt(2);
  desk.chooseAt(3);
  desk.chooseAt(4);
  desk.chooseAt(5);  // a fourth
  EXPECT_EQ(desk.desktop.cues(),
            (Names{"choose", "ban", "cancel", "ban", "choose", "choose", "choose", "ban"}));
  EXPECT_EQ(desk.game.state.selectedCount, 3);
  EXPECT_EQ(desk.desktop.optionLines, Names{desk.game.state.human().card(5).name});
  desk.game.state.cursor = 4;
  desk.key(kKeyRight);
  desk.key(kKeyLeft);
  EXPECT_EQ(desk.desktop.optionLines, Names{desk.game.state.human().card(4).name + "，已选中"});
}

TEST(Exchange, ConfirmingWithTwoCardsIsRefusedAndKeepsThem) {
  ExchangeDesk desk;
  desk.chooseAt(1);
  desk.chooseAt(2);
  desk.desktop.clearLog();
  desk.key(kKeySpace);
  EXPECT_EQ(desk.desktop.cues(), Names{"ban"});
  EXPECT_EQ(desk.desktop.messages(), Names{"请先用上光标键选择三张牌，然后再确定换牌！"});
  EXPECT_EQ(desk.game.state.phase, kPhaseExchange);
  EXPECT_EQ(desk.game.state.selectedCount, 2);
}

TEST(Exchange, SwapsTheChosenCardsWithThePartnersAndOnlyThoseTwoSeatsChange) {
  ExchangeDesk desk;
  GameState& state = desk.game.state;
  const std::vector<Card> dealt3 = state.player(3).hand.cards;
  const std::vector<Card> dealt4 = state.player(4).hand.cards;
  const Names humanBefore = namesOf(state.human().hand.cards);
  const Names partnerBefore = namesOf(state.player(2).hand.cards);

  // Choose three, take one back, choose another: the three at Space count.
  desk.chooseAt(1);
  desk.chooseAt(5);
  desk.chooseAt(9);
  desk.game.state.cursor = 5;
  desk.key(kKeyDown);
  desk.chooseAt(13);
  const Names given = {humanBefore[0], humanBefore[8], humanBefore[12]};

  struct Recorder : GameEvents {
    std::vector<Card> given, received;
    void exchanged(int, const std::vector<Card>& g, const std::vector<Card>& r) override {
      given = g;
      received = r;
    }
  } recorder;
  desk.game.events = &recorder;
  desk.desktop.clearLog();
  desk.key(kKeySpace);

  EXPECT_EQ(namesOf(recorder.given), given);
  EXPECT_EQ(desk.desktop.cues().front(), "exchange");
  EXPECT_EQ(desk.desktop.messages().front(), state.human().name + "和" + state.player(2).name +
                                                 "交换了三张牌。\r\n本局红心大战开始！");
  // Seats 3 and 4 hold what they were dealt (less what they have played since).
  for (int seat : {3, 4}) {
    const auto& dealt = seat == 3 ? dealt3 : dealt4;
    std::vector<Card> now = state.player(seat).hand.cards;
    for (const Card& c : state.player(seat).playedCards) now.push_back(c);
    if (!state.player(seat).trickCard.isEmpty()) now.push_back(state.player(seat).trickCard);
    EXPECT_EQ(now.size(), 13u);
    for (const Card& c : dealt) {
      EXPECT_NE(std::find(now.begin(), now.end(), c), now.end()) << c.name;
    }
  }
  // The partner's picks: different cards, in decreasing order of its own choice.
  Names received = namesOf(recorder.received);
  EXPECT_EQ(std::set<std::string>(received.begin(), received.end()).size(), 3u);
  for (const std::string& name : received) {
    EXPECT_NE(std::find(partnerBefore.begin(), partnerBefore.end(), name), partnerBefore.end());
  }
}

TEST(Exchange, DuringPlayExactlyTheThreeReceivedCardsShowAsReceived) {
  ExchangeDesk desk;
  for (int position : {2, 3, 4}) desk.chooseAt(position);
  struct Recorder : GameEvents {
    Names received;
    void exchanged(int, const std::vector<Card>&, const std::vector<Card>& r) override {
      received = namesOf(r);
    }
  } recorder;
  desk.game.events = &recorder;
  desk.key(kKeySpace);
  ASSERT_EQ(desk.game.state.phase, kPhasePlay);
  Names shownAsReceived;
  const Player& human = desk.game.state.human();
  for (int position = 1; position <= human.cardCount(); ++position) {
    desk.game.state.cursor = position;
    refreshOptionLine(desk.game);
    const std::string& line = desk.desktop.optionLines.front();
    if (line.ends_with("，换入牌")) shownAsReceived.push_back(human.card(position).name);
  }
  // Every received card still in hand shows the mark, and no other card does.
  Names stillHeld;
  for (const std::string& name : recorder.received) {
    for (const Card& c : human.hand.cards)
      if (c.name == name) stillHeld.push_back(name);
  }
  std::sort(stillHeld.begin(), stillHeld.end());
  std::sort(shownAsReceived.begin(), shownAsReceived.end());
  EXPECT_EQ(shownAsReceived, stillHeld);
}

TEST(Exchange, GivingAwayTheClubTwoLetsThePartnerLead) {
  for (std::uint64_t seed = 1; seed <= 60; ++seed) {
    ExchangeDesk desk(seed);
    const Player& human = desk.game.state.human();
    if (human.card(1).name != kClubTwo) continue;
    for (int position : {1, 2, 3}) desk.chooseAt(position);
    struct FirstPlay : GameEvents {
      int seat = 0;
      void cardPlayed(int s, const Card&, std::optional<int>, bool) override {
        if (seat == 0) seat = s;
      }
    } first;
    desk.game.events = &first;
    desk.key(kKeySpace);
    EXPECT_EQ(first.seat, 2);
    return;
  }
  FAIL() << "no deal gave the player 梅花2";
}

}  // namespace
}  // namespace vozi
