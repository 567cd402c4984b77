// The main window: the card list, the status text and the menu bar. Every
// way into the game (a key, the list's focus, a menu command, the created
// handler) passes through one guard that catches WindowClosing and finishes
// the run once the chain of calls has unwound.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "game/game.h"

class QAction;
class QPlainTextEdit;

namespace vozi {

class OptionList;
class WindowManagerClose;
class QtPlatform;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Game& game, QtPlatform& platform);
  ~MainWindow() override;

  // The window-created handler: names, deck, caption, ranking, music.
  void start();
  // Closes the window once the running chain, if any, has unwound. Used by
  // the exit command, the termination signals and the window manager.
  void requestClose();
  // The window-destroyed handler, run once; then the event loop ends.
  void finishRun();
  [[nodiscard]] bool hasFinished() const { return finished_; }

  [[nodiscard]] OptionList& optionList() const { return *optionList_; }
  [[nodiscard]] QPlainTextEdit& textBox() const { return *textBox_; }
  [[nodiscard]] QAction& action(MenuItem item) const;

 signals:
  // The destroyed handler has run.
  void runFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void buildMenuBar();
  void chooseMenuItem(MenuItem item);
  // Runs one step of the game from a Qt handler.
  template <typename Step>
  void enterGame(Step step);

  Game& game_;
  QtPlatform& platform_;
  OptionList* optionList_ = nullptr;
  QPlainTextEdit* textBox_ = nullptr;
  std::array<QAction*, 10> actions_{};  // by MenuItem
  std::unique_ptr<WindowManagerClose> windowManagerClose_;
  int depth_ = 0;  // game calls under way, nested through modal boxes
  bool finished_ = false;
};

}  // namespace vozi
