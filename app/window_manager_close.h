// Qt drops the window manager's close request for a window that a modal box
// blocks, so closing the main window with a message box open would do
// nothing. On X11 this filter catches that request and closes the window the
// game's way: the box closes, the chain unwinds, the destroyed handler runs.
#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>

namespace vozi {

class MainWindow;
class QtPlatform;

class WindowManagerClose final : public QAbstractNativeEventFilter {
 public:
  // Installs itself on X11; elsewhere it stays idle.
  WindowManagerClose(MainWindow& window, const QtPlatform& platform);
  ~WindowManagerClose() override;
  WindowManagerClose(const WindowManagerClose&) = delete;
  WindowManagerClose& operator=(const WindowManagerClose&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  MainWindow& window_;
  const QtPlatform& platform_;
  std::uint32_t protocolsAtom_ = 0;
  std::uint32_t deleteWindowAtom_ = 0;
  bool installed_ = false;
};

}  // namespace vozi
