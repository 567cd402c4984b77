#include "app/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cassert>
#include <utility>

#include "app/main_window.h"
#include "app/option_list.h"
#include "app/window_closing.h"

namespace vozi {
namespace {

// Boxes carry no caption of their own; this is the one every box shows.
const QString kBoxTitle = QStringLiteral("信息：");
const QString kOkText = QStringLiteral("确定");
const QString kCancelText = QStringLiteral("取消");

QString fromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

// The game ends its lines with CR LF; a Qt text shows a plain line feed.
QString displayText(const std::string& text) {
  return fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

QtPlatform::QtPlatform(std::string programDirectory)
    : programDirectory_(std::move(programDirectory)), random_(Random::fromClock()) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::attach(MainWindow& window) {
  window_ = &window;
}

MainWindow& QtPlatform::window() const {
  assert(window_ != nullptr && "the window attaches itself before the game runs");
  return *window_;
}

void QtPlatform::beginClosing() {
  closing_ = true;
  // Innermost first: each box's exec returns and throws in its own frame.
  for (auto box = openBoxes_.rbegin(); box != openBoxes_.rend(); ++box)
    if (*box) (*box)->reject();
}

int QtPlatform::runModal(QDialog& box) {
  if (closing_) throw WindowClosing{};
  openBoxes_.push_back(&box);
  const int result = box.exec();
  openBoxes_.pop_back();
  if (closing_) throw WindowClosing{};
  giveKeyboardBackSoon();
  return result;
}

void QtPlatform::giveKeyboardBackSoon() {
  // A window manager hands the keyboard back to the window when a box
  // closes; without one it would be left nowhere. Waiting for the event loop
  // lets a box that follows at once keep it.
  QTimer::singleShot(0, &window(), [main = &window()] {
    if (QApplication::activeModalWidget() == nullptr && main->isVisible() &&
        !main->isActiveWindow())
      main->activateWindow();
  });
}

void QtPlatform::setCaption(const std::string& caption) {
  window().setWindowTitle(fromUtf8(caption));
}

void QtPlatform::destroyWindow() {
  window().requestClose();
}

void QtPlatform::clearOptionList() {
  window().optionList().clear();
}

void QtPlatform::appendOptionLine(const std::string& line) {
  window().optionList().addItem(fromUtf8(line));
}

void QtPlatform::selectOptionLine(int index) {
  OptionList& list = window().optionList();
  if (list.count() == 0) return;
  list.setCurrentRow(std::clamp(index, 0, list.count() - 1));
}

void QtPlatform::focusOptionList() {
  window().optionList().setFocus(Qt::OtherFocusReason);
}

void QtPlatform::enableOptionList(bool enabled) {
  window().optionList().setEnabled(enabled);
}

void QtPlatform::setText(const std::string& text) {
  text_ = text;
  window().textBox().setPlainText(displayText(text));
}

void QtPlatform::focusTextBox() {
  window().textBox().setFocus(Qt::OtherFocusReason);
}

bool QtPlatform::isChecked(MenuItem item) const {
  return window().action(item).isChecked();
}

void QtPlatform::setChecked(MenuItem item, bool checked) {
  // setChecked only emits toggled, never triggered, so the command does not run again.
  window().action(item).setChecked(checked);
}

void QtPlatform::enableMenuItem(MenuItem item, bool enabled) {
  window().action(item).setEnabled(enabled);
}

QMessageBox& QtPlatform::messageBox(Buttons buttons) {
  const bool offersCancel = buttons == Buttons::OkCancel;
  QPointer<QMessageBox>& box = offersCancel ? okCancelBox_ : okBox_;
  if (box) return *box;
  box = new QMessageBox(&window());
  box->setWindowTitle(kBoxTitle);
  box->setTextFormat(Qt::PlainText);
  box->setStandardButtons(offersCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
  box->button(QMessageBox::Ok)->setText(kOkText);
  if (offersCancel) box->button(QMessageBox::Cancel)->setText(kCancelText);
  box->setEscapeButton(offersCancel ? QMessageBox::Cancel : QMessageBox::Ok);
  // The text labels the OK button (see showMessage), so it is not read a
  // second time as a loose label of the box.
  if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
    label->setBuddy(box->button(QMessageBox::Ok));
  return *box;
}

QInputDialog& QtPlatform::inputBox() {
  if (inputBox_) return *inputBox_;
  inputBox_ = new QInputDialog(&window());
  inputBox_->setInputMode(QInputDialog::TextInput);
  inputBox_->setOkButtonText(kOkText);
  inputBox_->setCancelButtonText(kCancelText);
  return *inputBox_;
}

bool QtPlatform::showMessage(const std::string& message, Buttons buttons) {
  if (closing_) throw WindowClosing{};
  QMessageBox& box = messageBox(buttons);
  const QString text = displayText(message);
  // A label with a buddy reads "&" as a mnemonic; "&&" shows one "&".
  box.setText(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
  QAbstractButton* ok = box.button(QMessageBox::Ok);
  // The screen reader hears the message with the button that has the focus.
  // Announcing the box itself is not enough: Orca skips that announcement when
  // the key that closed the previous box is released at the wrong moment.
  ok->setAccessibleName(text + QLatin1Char('\n') + kOkText);
  box.setDefaultButton(QMessageBox::Ok);
  ok->setFocus();
  runModal(box);
  return box.clickedButton() == ok;
}

bool QtPlatform::askText(const std::string& prompt, const std::string& title, std::string& text) {
  if (closing_) throw WindowClosing{};
  QInputDialog& box = inputBox();
  box.setWindowTitle(fromUtf8(title));
  box.setLabelText(displayText(prompt));
  box.setTextValue(fromUtf8(text));
  if (runModal(box) != QDialog::Accepted) return false;
  text = box.textValue().toStdString();
  return true;
}

void QtPlatform::openWithDefaultHandler(const std::string& pathOrAddress) {
  const QString target = fromUtf8(pathOrAddress);
  const bool isAddress = target.contains(QStringLiteral("://"));
  QDesktopServices::openUrl(isAddress ? QUrl(target) : QUrl::fromLocalFile(target));
}

void QtPlatform::playWav(const std::string& path) {
  audio_.playCue(path);
}

void QtPlatform::loopMp3(const std::string& path) {
  audio_.loopMusic(path);
}

void QtPlatform::stopAllAudio() {
  audio_.stopAll();
}

SealedText QtPlatform::readSealed(const std::string& path, const std::string& password) {
  return readSealedFile(path, password);
}

bool QtPlatform::writeSealed(const std::string& path, const std::string& password,
                             const std::string& text) {
  return writeSealedFile(path, password, text);
}

}  // namespace vozi
