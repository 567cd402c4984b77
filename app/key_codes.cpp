#include "app/key_codes.h"

#include "game/platform.h"

namespace vozi {
namespace {

struct KeyCode {
  int qtKey;
  int code;
};

// Keys are named by what they are rather than by the character they type, so
// a layout that puts "&" or "(" on an unshifted key never plays a card.
constexpr KeyCode kNamedKeys[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, kKeySpace},
    {Qt::Key_PageUp, kKeyPageUp},
    {Qt::Key_PageDown, kKeyPageDown},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, kKeyLeft},
    {Qt::Key_Up, kKeyUp},
    {Qt::Key_Right, kKeyRight},
    {Qt::Key_Down, kKeyDown},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_Apostrophe, 222},
};

// The numeric pad's operators, told apart from the main keyboard's.
constexpr KeyCode kKeypadOperators[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Slash, 111},
};

template <typename Table>
int lookUp(const Table& table, int qtKey) {
  for (const KeyCode& entry : table)
    if (entry.qtKey == qtKey) return entry.code;
  return 0;
}

}  // namespace

int virtualKeyCode(int qtKey, bool keypad) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return (keypad ? 96 : 48) + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  if (keypad) {
    if (const int code = lookUp(kKeypadOperators, qtKey)) return code;
  }
  if (const int code = lookUp(kNamedKeys, qtKey)) return code;
  return kUnmappedKeyCode;
}

int modifierMask(Qt::KeyboardModifiers modifiers) {
  int mask = 0;
  if (modifiers & Qt::ControlModifier) mask += kModCtrl;
  if (modifiers & Qt::ShiftModifier) mask += kModShift;
  if (modifiers & Qt::AltModifier) mask += kModAlt;
  return mask;
}

}  // namespace vozi
