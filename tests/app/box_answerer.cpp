#include "tests/app/box_answerer.h"

#include <QApplication>
#include <QEvent>
#include <QTest>

namespace vozi {

BoxAnswerer::BoxAnswerer() {
  qApp->installEventFilter(this);
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  timer_.start();
}

BoxAnswerer::~BoxAnswerer() {
  qApp->removeEventFilter(this);
}

void BoxAnswerer::onNextBox(std::function<void(QWidget&)> action) {
  actions_.push_back(std::move(action));
}

bool BoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) {
    if (auto* box = qobject_cast<QDialog*>(watched)) {
      shown_.emplace_back(box);
      ++boxesSeen_;
    }
  }
  return false;
}

void BoxAnswerer::poll() {
  // Boxes gone again before anyone looked are not waiting for an answer.
  while (!shown_.empty() && (shown_.front().isNull() || !shown_.front()->isVisible()))
    shown_.pop_front();
  if (shown_.empty() || actions_.empty()) return;
  QDialog* box = shown_.front();
  if (QApplication::activeModalWidget() != box) return;
  shown_.pop_front();
  auto action = std::move(actions_.front());
  actions_.pop_front();
  action(*box);
}

void pressKey(QWidget& box, int key) {
  QWidget* target = box.focusWidget() != nullptr ? box.focusWidget() : &box;
  QTest::keyClick(target, static_cast<Qt::Key>(key));
}

}  // namespace vozi
