// A whole hand in the real window, played with the keys alone: the name typed
// into its box, three cards exchanged, thirteen tricks, every box answered
// with Return. Whenever the turn comes back, the card list and the status text
// must show the table as it now is.
#include <gtest/gtest.h>

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>

#include "app/option_list.h"
#include "input/human_play.h"
#include "input/menu.h"
#include "tests/app/box_answerer.h"
#include "tests/app/window_fixture.h"
#include "view/table_text.h"

namespace vozi {
namespace {

class WholeHandTest : public WindowFixture {
 protected:
  // Every box from now on is answered with Return and its text kept.
  void answerEveryBox(int boxes) {
    for (int i = 0; i < boxes; ++i) {
      answerer.onNextBox([this](QWidget& box) {
        if (auto* message = qobject_cast<QMessageBox*>(&box)) {
          boxTexts.push_back(message->text().toStdString());
        }
        pressKey(box, Qt::Key_Return);
      });
    }
  }

  void press(Qt::Key key) { QTest::keyClick(&window.optionList(), key); }

  void moveCursorTo(int position) {
    press(Qt::Key_Home == Qt::Key_Home ? Qt::Key_PageUp : Qt::Key_PageUp);
    for (int at = 1; at < position; ++at) press(Qt::Key_Right);
  }

  // The first card of the hand that the rules let the player put down.
  int firstLegalCard() {
    GameState& state = game.state;
    const int cursor = state.cursor;
    for (int position = 1; position <= state.human().cardCount(); ++position) {
      state.cursor = position;
      if (refusalText(state).empty()) {
        state.cursor = cursor;
        return position;
      }
    }
    state.cursor = cursor;
    return 0;
  }

  void expectTheTableShown() {
    const GameState& state = game.state;
    ASSERT_EQ(optionLines().size(), 1u);
    EXPECT_EQ(optionLines().front(), optionLineFor(state, state.human().card(state.cursor)));
    // The keyboard comes back to the list once the event loop has closed the
    // last box.
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.optionList().hasFocus(); }));
    const std::string shown = window.textBox().toPlainText().toStdString();
    const std::string cardsLeft = "还剩" + std::to_string(state.human().cardCount()) + "圈牌。";
    EXPECT_EQ(shown.rfind("当前牌局：", 0), 0u) << shown;
    EXPECT_NE(shown.find("准备出牌！"), std::string::npos) << shown;
    EXPECT_NE(shown.find(cardsLeft), std::string::npos) << shown;
  }

  BoxAnswerer answerer;
  std::vector<std::string> boxTexts;
};

TEST_F(WholeHandTest, AHandIsPlayedToItsEndFromTheKeyboard) {
  showAndActivate();
  answerer.onNextBox([](QWidget& box) {
    QTest::keyClicks(box.findChild<QLineEdit*>(), "Tester");
    pressKey(box, Qt::Key_Return);
  });
  answerEveryBox(400);
  QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+B")));
  ASSERT_EQ(game.state.phase, kPhaseExchange);
  EXPECT_EQ(game.state.human().name, "Tester");

  // Choose the first three cards and give them.
  press(Qt::Key_PageUp);
  for (int k = 0; k < 3; ++k) {
    press(Qt::Key_Up);
    press(Qt::Key_Right);
  }
  press(Qt::Key_Space);
  ASSERT_EQ(game.state.phase, kPhasePlay);

  for (int trick = 1; trick <= 13; ++trick) {
    SCOPED_TRACE("trick " + std::to_string(trick));
    ASSERT_EQ(game.state.handsPlayed, 1);
    ASSERT_EQ(game.state.currentPlayer, kHumanSeat);
    expectTheTableShown();
    const int legal = firstLegalCard();
    ASSERT_GT(legal, 0);
    moveCursorTo(legal);
    press(Qt::Key_Space);
  }

  // The hand was scored and the next one dealt, waiting for its exchange.
  EXPECT_EQ(game.state.handsPlayed, 2);
  EXPECT_EQ(game.state.phase, kPhaseExchange);
  int sum = 0;
  for (const Player& player : game.state.players) sum += player.handScores.at(0);
  EXPECT_TRUE(sum == 26 || sum == 78) << sum;
  const auto result = std::find_if(boxTexts.begin(), boxTexts.end(), [](const std::string& t) {
    return t.rfind("第1局红心大战结束，得分如下：", 0) == 0;
  });
  EXPECT_NE(result, boxTexts.end());
  EXPECT_EQ(std::count_if(boxTexts.begin(), boxTexts.end(),
                          [](const std::string& t) { return t.rfind("本轮出牌：", 0) == 0; }),
            13);
}

}  // namespace
}  // namespace vozi
