// Answers the window's modal boxes in a test: each action waits for the next
// box to appear and acts on it (reads it, presses a key, closes the window).
// A box nobody answers hangs the test, so each action is queued before the
// call that opens the box. The window shows the same box objects again and
// again, so a box counts as new each time it is shown.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

namespace vozi {

class BoxAnswerer final : public QObject {
 public:
  BoxAnswerer();
  ~BoxAnswerer() override;

  void onNextBox(std::function<void(QWidget& box)> action);
  [[nodiscard]] int boxesSeen() const { return boxesSeen_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void poll();

  QTimer timer_;
  std::deque<std::function<void(QWidget&)>> actions_;
  std::deque<QPointer<QDialog>> shown_;
  int boxesSeen_ = 0;
};

// Presses a key in a box (Return, Escape).
void pressKey(QWidget& box, int key);

}  // namespace vozi
