#include "app/window_manager_close.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>

#include "app/main_window.h"
#include "app/qt_platform.h"

#ifdef VOZI_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace vozi {
namespace {

#ifdef VOZI_HAVE_XCB
std::uint32_t internAtom(xcb_connection_t* connection, const char* name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  if (reply == nullptr) return 0;
  const std::uint32_t atom = reply->atom;
  std::free(reply);
  return atom;
}
#endif

}  // namespace

WindowManagerClose::WindowManagerClose(MainWindow& window, const QtPlatform& platform)
    : window_(window), platform_(platform) {
#ifdef VOZI_HAVE_XCB
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
      x11->connection() == nullptr)
    return;
  protocolsAtom_ = internAtom(x11->connection(), "WM_PROTOCOLS");
  deleteWindowAtom_ = internAtom(x11->connection(), "WM_DELETE_WINDOW");
  if (protocolsAtom_ == 0 || deleteWindowAtom_ == 0) return;
  QCoreApplication::instance()->installNativeEventFilter(this);
  installed_ = true;
#endif
}

WindowManagerClose::~WindowManagerClose() {
  if (installed_) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowManagerClose::nativeEventFilter(const QByteArray& eventType, void* message,
                                           qintptr* /*result*/) {
#ifdef VOZI_HAVE_XCB
  // Without an open box Qt delivers the close itself.
  if (!platform_.hasOpenBox() || eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
  const auto* client = static_cast<const xcb_client_message_event_t*>(message);
  const QWindow* handle = window_.windowHandle();
  if (handle == nullptr || client->window != handle->winId() || client->type != protocolsAtom_ ||
      client->data.data32[0] != deleteWindowAtom_)
    return false;
  window_.requestClose();
  return true;
#else
  (void)eventType;
  (void)message;
  return false;
#endif
}

}  // namespace vozi
