// Thrown out of a modal box when the window closes while the box is open (or
// asked for while the window is closing), so the game's chain of calls unwinds
// back to the window's handler that started it. It never crosses a Qt frame:
// every handler that calls into the game catches it.
#pragma once

namespace vozi {

struct WindowClosing {};

}  // namespace vozi
