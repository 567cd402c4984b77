#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <algorithm>
#include <cassert>

#include "app/option_list.h"
#include "app/qt_platform.h"
#include "app/window_closing.h"
#include "app/window_manager_close.h"
#include "game/lifecycle.h"
#include "input/keys.h"
#include "input/menu.h"

namespace vozi {
namespace {

struct MenuEntry {
  MenuItem item;
  const char* shortcut;  // "" for none
  bool checkable;
};

struct MenuColumn {
  const char* title;
  std::vector<MenuEntry> entries;
};

const std::vector<MenuColumn>& menuBarLayout() {
  static const std::vector<MenuColumn> layout{
      {"文件(&F)", {{MenuItem::StartMatch, "Ctrl+B", false}, {MenuItem::Exit, "", false}}},
      {"操作(&O)",
       {{MenuItem::Music, "Ctrl+M", true},
        {MenuItem::ShowNames, "Ctrl+N", true},
        {MenuItem::ScoreTable, "Ctrl+V", false},
        {MenuItem::Ranking, "Ctrl+R", false}}},
      {"帮助(&H)",
       {{MenuItem::WebPage, "", false},
        {MenuItem::Readme, "", false},
        {MenuItem::Instructions, "", false},
        {MenuItem::About, "", false}}},
  };
  return layout;
}

std::size_t indexOf(MenuItem item) {
  return static_cast<std::size_t>(item);
}

}  // namespace

MainWindow::MainWindow(Game& game, QtPlatform& platform) : game_(game), platform_(platform) {
  assert(&game.platform == &platform && "the game talks to this window's platform");
  buildControls();
  buildMenuBar();
  resize(600, 300);
  move(50, 50);
  platform_.attach(*this);
  // A quit asked of the application (the session ending) closes the window
  // the same way, also when a modal box is open.
  qApp->installEventFilter(this);
  windowManagerClose_ = std::make_unique<WindowManagerClose>(*this, platform_);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);

  optionList_ = new OptionList(client);
  optionList_->setGeometry(50, 50, 200, 20);
  optionList_->setAccessibleName(QStringLiteral("手牌"));
  connect(optionList_, &OptionList::keyPressed, this, [this](int keyCode, int mask) {
    enterGame([this, keyCode, mask] { onOptionListKey(game_, keyCode, mask); });
  });
  connect(optionList_, &OptionList::focusGained, this,
          [this] { enterGame([this] { onOptionListFocus(game_); }); });

  textBox_ = new QPlainTextEdit(client);
  textBox_->setGeometry(25, 99, 550, 100);
  textBox_->setAccessibleName(QStringLiteral("牌局状态"));
  textBox_->setReadOnly(true);
  // A caret the player can move line by line, so the screen reader reads the
  // status text a line at a time.
  textBox_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  textBox_->setTabChangesFocus(true);

  setTabOrder(optionList_, textBox_);
}

void MainWindow::buildMenuBar() {
  for (const MenuColumn& column : menuBarLayout()) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(column.title));
    for (const MenuEntry& entry : column.entries) {
      QAction* action = menu->addAction(QString::fromUtf8(menuCaption(entry.item)));
      action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
      action->setCheckable(entry.checkable);
      connect(action, &QAction::triggered, this,
              [this, item = entry.item] { chooseMenuItem(item); });
      actions_.at(indexOf(entry.item)) = action;
    }
  }
  assert(std::find(actions_.begin(), actions_.end(), nullptr) == actions_.end() &&
         "every menu item has its action");
  // Names are shown before the cards from the start.
  action(MenuItem::ShowNames).setChecked(true);
}

QAction& MainWindow::action(MenuItem item) const {
  return *actions_.at(indexOf(item));
}

void MainWindow::chooseMenuItem(MenuItem item) {
  QAction& chosen = action(item);
  // Qt has already flipped a checkable item's mark; the game's command flips
  // it itself, from the mark as it was.
  if (chosen.isCheckable()) chosen.setChecked(!chosen.isChecked());
  enterGame([this, item] { onMenuCommand(game_, item); });
}

template <typename Step>
void MainWindow::enterGame(Step step) {
  if (finished_ || platform_.isClosing()) return;
  ++depth_;
  try {
    step();
  } catch (const WindowClosing&) {
    // The window closed under a modal box: the rest of this chain is dropped.
  }
  --depth_;
  if (depth_ == 0 && platform_.isClosing()) close();
}

void MainWindow::start() {
  enterGame([this] { onWindowCreated(game_); });
}

void MainWindow::requestClose() {
  if (finished_) return;
  platform_.beginClosing();
  if (depth_ == 0) close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!finished_) {
    platform_.beginClosing();
    if (depth_ > 0) {
      // A box was open: it has been told to close, and the window closes
      // when the chain that opened it has unwound.
      event->ignore();
      return;
    }
    finishRun();
  }
  event->accept();
}

void MainWindow::finishRun() {
  if (finished_) return;
  finished_ = true;
  platform_.beginClosing();
  try {
    onWindowDestroyed(game_);
  } catch (const WindowClosing&) {
    // A box asked for while closing is refused; the handler ends there.
  }
  emit runFinished();
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qApp && event->type() == QEvent::Quit) requestClose();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace vozi
