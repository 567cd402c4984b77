#include "tests/app/window_fixture.h"

#include <QListWidget>
#include <QTest>

#include "app/option_list.h"
#include "view/table_text.h"

namespace vozi {

WindowFixture::WindowFixture() {
  QObject::connect(&window, &MainWindow::runFinished, [this] { ++finishedRuns; });
  window.start();
}

WindowFixture::~WindowFixture() {
  // A closed window has asked the event loop to end; that request must not
  // reach the next test's loop.
  QCoreApplication::sendPostedEvents();
}

void WindowFixture::showAndActivate() {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

void WindowFixture::putHandOnTable(int cardCount, const char* phase, int cursor) {
  GameState& state = game.state;
  state.players.assign(kSeatCount, Player{});
  const char* names[] = {"甲", "乙", "丙", "丁"};
  for (int seat = 1; seat <= kSeatCount; ++seat) state.player(seat).name = names[seat - 1];
  for (int card = 0; card < cardCount; ++card)
    state.human().hand.cards.push_back(state.masterDeck.at(static_cast<std::size_t>(card)));
  state.phase = phase;
  state.handsPlayed = 1;
  state.cursor = cursor;
  platform.enableOptionList(true);
  refreshOptionLine(game);
}

std::vector<std::string> WindowFixture::optionLines() const {
  std::vector<std::string> lines;
  const OptionList& list = window.optionList();
  for (int row = 0; row < list.count(); ++row)
    lines.push_back(list.item(row)->text().toStdString());
  return lines;
}

}  // namespace vozi
