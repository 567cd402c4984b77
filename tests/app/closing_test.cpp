// Closing the window in every way the player or the desktop can: the
// destroyed handler runs exactly once, a box open at the time closes, the
// game's chain of calls unwinds, and the event loop ends.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>

#include "app/termination_signals.h"
#include "app/window_closing.h"
#include "tests/app/box_answerer.h"
#include "tests/app/window_fixture.h"

namespace vozi {
namespace {

class Closing : public WindowFixture {
 protected:
  // Runs the event loop with `first` as its first step, and returns its exit
  // code; a loop still running after ten seconds is ended with 99.
  int runEventLoop(const std::function<void()>& first) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(10'000);
    QTimer::singleShot(0, &window, first);
    return QApplication::exec();
  }

  void expectClosedOnce() {
    EXPECT_TRUE(window.hasFinished());
    EXPECT_EQ(finishedRuns, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }

  BoxAnswerer answerer;
};

TEST_F(Closing, ClosingTheWindowEndsTheEventLoop) {
  window.show();
  EXPECT_EQ(runEventLoop([this] { window.close(); }), 0);
  expectClosedOnce();
}

TEST_F(Closing, ExitCommandClosesTheWindow) {
  window.show();
  EXPECT_EQ(runEventLoop([this] { window.action(MenuItem::Exit).trigger(); }), 0);
  expectClosedOnce();
}

TEST_F(Closing, DestroyedHandlerRunsOnceHoweverOftenTheWindowIsClosed) {
  window.close();
  window.close();
  platform.destroyWindow();
  window.requestClose();
  window.finishRun();
  expectClosedOnce();
}

TEST_F(Closing, ClosingUnderAMessageBoxUnwindsTheCommandThatOpenedIt) {
  window.show();
  answerer.onNextBox([this](QWidget&) { window.close(); });
  EXPECT_EQ(runEventLoop([this] { window.action(MenuItem::About).trigger(); }), 0);
  EXPECT_EQ(answerer.boxesSeen(), 1);
  expectClosedOnce();
}

TEST_F(Closing, ClosingUnderTheNameBoxLeavesTheMatchUnstarted) {
  // The name box asks again until it gets a name; closing must end that too.
  answerer.onNextBox([this](QWidget&) { window.close(); });
  window.action(MenuItem::StartMatch).trigger();
  EXPECT_EQ(answerer.boxesSeen(), 1);
  expectClosedOnce();
  EXPECT_EQ(game.state.handsPlayed, 0);
}

TEST_F(Closing, BoxesAskedForWhileClosingThrowWithoutShowing) {
  answerer.onNextBox([](QWidget& box) { pressKey(box, Qt::Key_Return); });
  window.close();
  std::string text = "甲";
  EXPECT_THROW(platform.showMessage("还有一个", Buttons::Ok), WindowClosing);
  EXPECT_THROW(platform.askText("请输入您的大名：", "姓名", text), WindowClosing);
  EXPECT_EQ(answerer.boxesSeen(), 0);
  EXPECT_EQ(text, "甲");
}

TEST_F(Closing, QuitFromOutsideClosesAnOpenBoxFirst) {
  window.show();
  answerer.onNextBox([](QWidget&) { QCoreApplication::quit(); });
  EXPECT_EQ(runEventLoop([this] { window.action(MenuItem::About).trigger(); }), 0);
  expectClosedOnce();
}

TEST_F(Closing, TerminationSignalClosesTheWindowLikeItsCloseButton) {
  for (const bool boxOpen : {false, true}) {
    SCOPED_TRACE(boxOpen ? "with a box open" : "without a box");
    QtPlatform otherPlatform{programFolder.path().toStdString()};
    Game otherGame{otherPlatform};
    MainWindow otherWindow{otherGame, otherPlatform};
    otherWindow.start();
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::received, &otherWindow,
                     &MainWindow::requestClose);
    if (boxOpen) {
      answerer.onNextBox([](QWidget&) { std::raise(SIGTERM); });
      otherWindow.action(MenuItem::About).trigger();
    } else {
      std::raise(SIGTERM);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return otherWindow.hasFinished(); }));
  }
}

}  // namespace
}  // namespace vozi
