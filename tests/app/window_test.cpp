// The main window as the player meets it: caption, controls, menu bar, keys
// of the card list, the status text and the modal boxes.
#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "app/option_list.h"
#include "input/menu.h"
#include "tests/app/box_answerer.h"
#include "tests/app/window_fixture.h"

namespace vozi {
namespace {

using WindowTest = WindowFixture;

TEST_F(WindowTest, CaptionIsTheGameNameFollowedByItsVersion) {
  EXPECT_EQ(window.windowTitle().toStdString(), "vozi(1.11)");
}

TEST_F(WindowTest, ControlsSitWhereThePlayerExpectsThem) {
  EXPECT_EQ(window.pos(), QPoint(50, 50));
  EXPECT_EQ(window.size(), QSize(600, 300));
  EXPECT_EQ(window.optionList().parentWidget(), window.centralWidget());
  EXPECT_EQ(window.optionList().geometry(), QRect(50, 50, 200, 20));
  EXPECT_EQ(window.textBox().parentWidget(), window.centralWidget());
  EXPECT_EQ(window.textBox().geometry(), QRect(25, 99, 550, 100));
  EXPECT_TRUE(window.textBox().isReadOnly());
  EXPECT_EQ(window.textBox().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_TRUE(window.textBox().toPlainText().isEmpty());
  EXPECT_EQ(window.optionList().accessibleName().toStdString(), "手牌");
  EXPECT_EQ(window.textBox().accessibleName().toStdString(), "牌局状态");
}

struct MenuRow {
  std::string menu;
  std::string caption;
  std::string shortcut;
  MenuItem item;
};

std::vector<MenuRow> menuBarOf(const MainWindow& window) {
  std::vector<MenuRow> rows;
  for (QAction* menuAction : window.menuBar()->actions()) {
    for (QAction* action : menuAction->menu()->actions()) {
      MenuItem item = MenuItem::About;
      for (int i = 0; i <= static_cast<int>(MenuItem::About); ++i)
        if (&window.action(static_cast<MenuItem>(i)) == action) item = static_cast<MenuItem>(i);
      rows.push_back({menuAction->text().toStdString(), action->text().toStdString(),
                      action->shortcut().toString(QKeySequence::PortableText).toStdString(), item});
    }
  }
  return rows;
}

TEST_F(WindowTest, MenuBarHoldsEveryItemInOrderWithItsShortcut) {
  const std::vector<MenuRow> expected{
      {"文件(&F)", "开始牌局(&B)", "Ctrl+B", MenuItem::StartMatch},
      {"文件(&F)", "退出(&X)", "", MenuItem::Exit},
      {"操作(&O)", "游戏音乐(&M)", "Ctrl+M", MenuItem::Music},
      {"操作(&O)", "显示牌家姓名(&N)", "Ctrl+N", MenuItem::ShowNames},
      {"操作(&O)", "查看分数表(&V)", "Ctrl+V", MenuItem::ScoreTable},
      {"操作(&O)", "排行榜(&R)", "Ctrl+R", MenuItem::Ranking},
      {"帮助(&H)", "访问网站(&W)", "", MenuItem::WebPage},
      {"帮助(&H)", "游戏说明(&I)", "", MenuItem::Readme},
      {"帮助(&H)", "游戏技巧(&S)", "", MenuItem::Instructions},
      {"帮助(&H)", "关于(&A)", "", MenuItem::About},
  };
  const std::vector<MenuRow> actual = menuBarOf(window);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].caption);
    EXPECT_EQ(actual[i].menu, expected[i].menu);
    EXPECT_EQ(actual[i].caption, expected[i].caption);
    EXPECT_EQ(actual[i].shortcut, expected[i].shortcut);
    EXPECT_EQ(actual[i].item, expected[i].item);
  }
}

TEST_F(WindowTest, StartsWithNoMatchState) {
  EXPECT_FALSE(window.optionList().isEnabled());
  for (int i = 0; i <= static_cast<int>(MenuItem::About); ++i) {
    const auto item = static_cast<MenuItem>(i);
    SCOPED_TRACE(window.action(item).text().toStdString());
    EXPECT_EQ(window.action(item).isEnabled(), item != MenuItem::ScoreTable);
    const bool checkedAtStart = item == MenuItem::Music || item == MenuItem::ShowNames;
    EXPECT_EQ(platform.isChecked(item), checkedAtStart);
    EXPECT_EQ(window.action(item).isCheckable(), checkedAtStart);
  }
}

TEST_F(WindowTest, ChoosingACheckItemFlipsItsMarkOnce) {
  for (const MenuItem item : {MenuItem::Music, MenuItem::ShowNames}) {
    SCOPED_TRACE(window.action(item).text().toStdString());
    window.action(item).trigger();
    EXPECT_FALSE(platform.isChecked(item));
    window.action(item).trigger();
    EXPECT_TRUE(platform.isChecked(item));
  }
}

TEST_F(WindowTest, GameSettingAMarkDoesNotRunTheItemsCommand) {
  QSignalSpy chosen(&window.action(MenuItem::ShowNames), &QAction::triggered);
  platform.setChecked(MenuItem::ShowNames, false);
  EXPECT_FALSE(platform.isChecked(MenuItem::ShowNames));
  platform.setChecked(MenuItem::ShowNames, true);
  EXPECT_TRUE(platform.isChecked(MenuItem::ShowNames));
  EXPECT_EQ(chosen.count(), 0);
}

TEST_F(WindowTest, ShortcutsWorkFromEitherControl) {
  showAndActivate();
  putHandOnTable(3, kPhasePlay, 1);
  for (QWidget* control :
       {static_cast<QWidget*>(&window.optionList()), static_cast<QWidget*>(&window.textBox())}) {
    control->setFocus();
    const bool before = platform.isChecked(MenuItem::ShowNames);
    QTest::keyClick(control, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(platform.isChecked(MenuItem::ShowNames), !before);
  }
}

TEST_F(WindowTest, ShortcutOfADisabledItemDoesNothing) {
  showAndActivate();
  QSignalSpy chosen(&window.action(MenuItem::ScoreTable), &QAction::triggered);
  QTest::keyClick(&window.textBox(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(chosen.count(), 0);
  platform.enableMenuItem(MenuItem::ScoreTable, true);
  QTest::keyClick(&window.textBox(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(chosen.count(), 1);
}

struct KeyCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int cursorBefore;
  int cursorAfter;
};

class CardListKeys : public WindowFixture, public ::testing::WithParamInterface<KeyCase> {};

// Three cards in the play phase; only unmodified navigation keys move the cursor.
const KeyCase kKeyCases[] = {
    {"LeftMovesBack", Qt::Key_Left, Qt::NoModifier, 2, 1},
    {"RightMovesOn", Qt::Key_Right, Qt::NoModifier, 2, 3},
    {"PageUpGoesToTheFirst", Qt::Key_PageUp, Qt::NoModifier, 3, 1},
    {"PageDownGoesToTheLast", Qt::Key_PageDown, Qt::NoModifier, 1, 3},
    {"LeftOnTheFirstStays", Qt::Key_Left, Qt::NoModifier, 1, 1},
    {"KeypadLeftMovesBack", Qt::Key_Left, Qt::KeypadModifier, 2, 1},
    {"ShiftLeftIsIgnored", Qt::Key_Left, Qt::ShiftModifier, 2, 2},
    {"CtrlRightIsIgnored", Qt::Key_Right, Qt::ControlModifier, 2, 2},
    {"AltPageDownIsIgnored", Qt::Key_PageDown, Qt::AltModifier, 2, 2},
    {"HomeIsNotPageUp", Qt::Key_Home, Qt::NoModifier, 3, 3},
    {"DownInPlayDoesNothing", Qt::Key_Down, Qt::NoModifier, 2, 2},
    // "&" and "(" share codes 38 and 40 with Up and Down as characters; some
    // layouts type them without Shift.
    {"AmpersandIsNotUp", Qt::Key_Ampersand, Qt::NoModifier, 2, 2},
    {"ParenthesisIsNotDown", Qt::Key_ParenLeft, Qt::NoModifier, 2, 2},
};

TEST_P(CardListKeys, ReachTheGameAsVirtualKeysWithTheirModifiers) {
  const KeyCase& keyCase = GetParam();
  putHandOnTable(3, kPhasePlay, keyCase.cursorBefore);
  QTest::keyClick(&window.optionList(), keyCase.key, keyCase.modifiers);

  EXPECT_EQ(game.state.cursor, keyCase.cursorAfter);
  EXPECT_EQ(game.state.human().cardCount(), 3) << "no card was played";
  const std::string shown = game.state.human().card(keyCase.cursorAfter).name;
  EXPECT_EQ(optionLines(), std::vector<std::string>{shown});
  EXPECT_EQ(window.optionList().currentRow(), 0);
  EXPECT_TRUE(window.optionList().item(0)->isSelected());
}

INSTANTIATE_TEST_SUITE_P(Window, CardListKeys, ::testing::ValuesIn(kKeyCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(WindowTest, AutoRepeatedKeysMoveTheCursorToo) {
  putHandOnTable(3, kPhasePlay, 1);
  for (int press = 0; press < 2; ++press) {
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&window.optionList(), &repeat);
  }
  EXPECT_EQ(game.state.cursor, 3);
  EXPECT_EQ(optionLines(), std::vector<std::string>{game.state.human().card(3).name});
}

TEST_F(WindowTest, TabMovesBetweenTheListAndTheStatusText) {
  showAndActivate();
  putHandOnTable(3, kPhasePlay, 2);
  ASSERT_TRUE(window.optionList().hasFocus());
  QTest::keyClick(&window.optionList(), Qt::Key_Tab);
  EXPECT_TRUE(window.textBox().hasFocus());
  EXPECT_EQ(game.state.cursor, 2);

  platform.setText("旧的状态");
  QTest::keyClick(&window.textBox(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(window.optionList().hasFocus());
  // Coming back to the list rewrites the status text.
  EXPECT_EQ(platform.text().rfind("当前牌局：", 0), 0u) << platform.text();
}

TEST_F(WindowTest, StatusTextShowsLineBreaksAndGivesBackWhatWasSet) {
  const std::string status = "当前牌局：准备出牌！\r\n第1局牌，还剩13圈牌。\r\n";
  platform.setText(status);
  EXPECT_EQ(window.textBox().toPlainText().toStdString(),
            "当前牌局：准备出牌！\n第1局牌，还剩13圈牌。\n");
  EXPECT_EQ(platform.text(), status);
}

TEST_F(WindowTest, SelectingPastTheLastLineSelectsTheLast) {
  platform.clearOptionList();
  platform.appendOptionLine("梅花2");
  platform.appendOptionLine("梅花3");
  platform.selectOptionLine(5);
  EXPECT_EQ(window.optionList().currentRow(), 1);
  platform.clearOptionList();
  EXPECT_EQ(window.optionList().count(), 0);
}

TEST_F(WindowTest, AboutBoxIsCaptionedInformation) {
  BoxAnswerer answerer;
  std::string title, text;
  int buttonCount = 0;
  answerer.onNextBox([&](QWidget& box) {
    title = box.windowTitle().toStdString();
    auto& message = dynamic_cast<QMessageBox&>(box);
    text = message.text().toStdString();
    buttonCount = static_cast<int>(message.buttons().size());
    pressKey(box, Qt::Key_Return);
  });
  window.action(MenuItem::About).trigger();
  EXPECT_EQ(answerer.boxesSeen(), 1);
  EXPECT_EQ(title, "信息：");
  EXPECT_EQ(text.rfind("游戏名称：vozi\n游戏版本：(1.11)\n", 0), 0u) << text;
  EXPECT_EQ(buttonCount, 1);
}

struct BoxCase {
  const char* name;
  Buttons buttons;
  Qt::Key key;
  bool answer;
};

class MessageBoxes : public WindowFixture, public ::testing::WithParamInterface<BoxCase> {};

const BoxCase kBoxCases[] = {
    {"OkOnlyReturn", Buttons::Ok, Qt::Key_Return, true},
    {"OkOnlyEscape", Buttons::Ok, Qt::Key_Escape, true},
    {"OkCancelReturn", Buttons::OkCancel, Qt::Key_Return, true},
    {"OkCancelEscape", Buttons::OkCancel, Qt::Key_Escape, false},
};

TEST_P(MessageBoxes, AnswerWithOkByDefaultAndEscapeAsTheLastButton) {
  const BoxCase& boxCase = GetParam();
  BoxAnswerer answerer;
  std::string title, text, focusedName;
  int buttonCount = 0;
  bool okIsDefault = false;
  answerer.onNextBox([&](QWidget& box) {
    auto& message = dynamic_cast<QMessageBox&>(box);
    title = box.windowTitle().toStdString();
    text = message.text().toStdString();
    buttonCount = static_cast<int>(message.buttons().size());
    okIsDefault = message.defaultButton() == message.button(QMessageBox::Ok);
    if (box.focusWidget() == message.button(QMessageBox::Ok))
      focusedName = box.focusWidget()->accessibleName().toStdString();
    pressKey(box, boxCase.key);
  });
  EXPECT_EQ(platform.showMessage("第一行\r\n第二行", boxCase.buttons), boxCase.answer);
  EXPECT_EQ(title, "信息：");
  EXPECT_EQ(text, "第一行\n第二行");
  EXPECT_EQ(buttonCount, boxCase.buttons == Buttons::Ok ? 1 : 2);
  EXPECT_TRUE(okIsDefault);
  // The focused OK button carries the message, so a screen reader that only
  // follows the focus still reads it.
  EXPECT_EQ(focusedName.rfind("第一行\n第二行", 0), 0u) << focusedName;
}

INSTANTIATE_TEST_SUITE_P(Window, MessageBoxes, ::testing::ValuesIn(kBoxCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(WindowTest, BoxesInARowEachShowTheirOwnTextAndAnswer) {
  // The same box objects come back; nothing of one message may stay in the next.
  BoxAnswerer answerer;
  std::vector<std::string> texts;
  const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Return, Qt::Key_Escape};
  for (const Qt::Key key : keys) {
    answerer.onNextBox([&texts, key](QWidget& box) {
      texts.push_back(dynamic_cast<QMessageBox&>(box).text().toStdString());
      pressKey(box, key);
    });
  }
  EXPECT_FALSE(platform.showMessage("一", Buttons::OkCancel));
  EXPECT_TRUE(platform.showMessage("二", Buttons::OkCancel));
  EXPECT_TRUE(platform.showMessage("三", Buttons::Ok));
  EXPECT_TRUE(platform.showMessage("四", Buttons::Ok));
  EXPECT_EQ(texts, (std::vector<std::string>{"一", "二", "三", "四"}));
}

TEST_F(WindowTest, InputBoxStoresTheTextOnOkOnly) {
  for (const bool pressOk : {true, false}) {
    SCOPED_TRACE(pressOk ? "OK" : "Cancel");
    BoxAnswerer answerer;
    std::string title, prompt, initial;
    answerer.onNextBox([&](QWidget& box) {
      auto& input = dynamic_cast<QInputDialog&>(box);
      title = box.windowTitle().toStdString();
      prompt = input.labelText().toStdString();
      initial = input.textValue().toStdString();
      QLineEdit* field = box.findChild<QLineEdit*>();
      field->selectAll();
      QTest::keyClicks(field, "Zhang");
      pressKey(box, pressOk ? Qt::Key_Return : Qt::Key_Escape);
    });
    std::string name = "初始";
    EXPECT_EQ(platform.askText("请输入您的大名：", "姓名", name), pressOk);
    EXPECT_EQ(title, "姓名");
    EXPECT_EQ(prompt, "请输入您的大名：");
    EXPECT_EQ(initial, "初始");
    EXPECT_EQ(name, pressOk ? "Zhang" : "初始");
  }
}

class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened.push_back(url); }
};

TEST_F(WindowTest, HelpFilesAndTheWebPageOpenWithTheDesktopsHandler) {
  UrlRecorder recorder;
  for (const char* scheme : {"file", "https"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
  window.action(MenuItem::Readme).trigger();
  window.action(MenuItem::Instructions).trigger();
  window.action(MenuItem::WebPage).trigger();
  for (const char* scheme : {"file", "https"})
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));

  const QString folder = programFolder.path();
  EXPECT_EQ(recorder.opened, (std::vector<QUrl>{QUrl::fromLocalFile(folder + "/readme.txt"),
                                                QUrl::fromLocalFile(folder + "/instruction.txt"),
                                                QUrl(QString::fromLatin1(kWebPageAddress))}));
}

}  // namespace
}  // namespace vozi

#include "window_test.moc"
