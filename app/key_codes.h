// The card list speaks the game's language of keys: Windows-style virtual-key
// codes and a modifier mask, whatever keyboard layout the player uses.
#pragma once

#include <Qt>

namespace vozi {

// Keys without a virtual-key code of their own get this one (or above); the
// game answers none of them.
inline constexpr int kUnmappedKeyCode = 256;

// The virtual-key code of a Qt key. `keypad` tells a key of the numeric pad,
// whose digits and operators have codes of their own.
[[nodiscard]] int virtualKeyCode(int qtKey, bool keypad);

// The sum of kModCtrl, kModShift and kModAlt held.
[[nodiscard]] int modifierMask(Qt::KeyboardModifiers modifiers);

}  // namespace vozi
