// vozi: Hearts for players who follow the table by ear. Starts the window and
// runs it until it closes.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "app/qt_platform.h"
#include "app/termination_signals.h"
#include "game/game.h"

namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// Without a display Qt aborts with a message about platform plugins that
// tells a player nothing.
bool hasDisplay() {
  return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!hasDisplay()) {
    std::fputs(
        "vozi needs a graphical desktop (X11 or Wayland) to open its window, and none was found.\n"
        "vozi 需要图形桌面才能打开窗口，但没有找到显示器。\n"
        "To run it without a screen, start it under a virtual display: xvfb-run -a vozi\n",
        stderr);
    return EXIT_FAILURE;
  }
  QApplication application(argc, argv);
  // Sounds, music and help files sit beside the program, wherever it was
  // started from.
  const QString programDirectory = QCoreApplication::applicationDirPath();
  QDir::setCurrent(programDirectory);

  vozi::QtPlatform platform(programDirectory.toStdString());
  vozi::Game game(platform);
  vozi::MainWindow window(game, platform);
  vozi::TerminationSignals terminationSignals;
  QObject::connect(&terminationSignals, &vozi::TerminationSignals::received, &window,
                   &vozi::MainWindow::requestClose);

  window.start();
  window.show();
  const int exitCode = application.exec();
  // The loop can also end without the window closing (a quit from outside).
  window.finishRun();
  return exitCode;
}
