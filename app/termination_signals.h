// SIGTERM, SIGHUP and SIGINT close the window the way its close button does,
// so a session that ends or a terminal that goes away still runs the
// window-destroyed handler. The handler only writes a byte; the event loop
// does the rest.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace vozi {

class TerminationSignals final : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

 signals:
  void received();

 private:
  static void onSignal(int number);
  void drain();

  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vozi
