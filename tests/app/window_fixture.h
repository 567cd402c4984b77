// A real window on Qt's offscreen platform, with the game's created handler
// run, for the tests of the window and of its closing.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/qt_platform.h"
#include "game/game.h"

namespace vozi {

class WindowFixture : public ::testing::Test {
 protected:
  WindowFixture();
  ~WindowFixture() override;

  // Shows the window and waits until it has the keyboard, for focus and shortcuts.
  void showAndActivate();
  // Seat 1 holds the first `cardCount` cards of the pack in the given phase,
  // the cursor on card `cursor`, and the list shows it.
  void putHandOnTable(int cardCount, const char* phase, int cursor);
  [[nodiscard]] std::vector<std::string> optionLines() const;

  QTemporaryDir programFolder;
  QtPlatform platform{programFolder.path().toStdString()};
  Game game{platform};
  MainWindow window{game, platform};
  int finishedRuns = 0;
};

}  // namespace vozi
