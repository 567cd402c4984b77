#include "app/key_codes.h"

#include <gtest/gtest.h>

#include "game/platform.h"

namespace vozi {
namespace {

struct KeyCodeCase {
  int qtKey;
  bool keypad;
  int code;
};

TEST(VirtualKeyCode, NamesKeysAsTheGameKnowsThem) {
  const KeyCodeCase cases[] = {
      {Qt::Key_Space, false, kKeySpace},
      {Qt::Key_PageUp, false, kKeyPageUp},
      {Qt::Key_PageDown, false, kKeyPageDown},
      {Qt::Key_Left, false, kKeyLeft},
      {Qt::Key_Up, false, kKeyUp},
      {Qt::Key_Right, false, kKeyRight},
      {Qt::Key_Down, false, kKeyDown},
      {Qt::Key_Left, true, kKeyLeft},
      {Qt::Key_Return, false, 13},
      {Qt::Key_Enter, true, 13},
      {Qt::Key_Escape, false, 27},
      {Qt::Key_Home, false, 36},
      {Qt::Key_A, false, 65},
      {Qt::Key_Z, false, 90},
      {Qt::Key_0, false, 48},
      {Qt::Key_9, false, 57},
      {Qt::Key_0, true, 96},
      {Qt::Key_9, true, 105},
      {Qt::Key_F1, false, 112},
      {Qt::Key_F12, false, 123},
      {Qt::Key_Minus, false, 189},
      {Qt::Key_Minus, true, 109},
      {Qt::Key_Apostrophe, false, 222},
  };
  for (const KeyCodeCase& keyCase : cases) {
    EXPECT_EQ(virtualKeyCode(keyCase.qtKey, keyCase.keypad), keyCase.code)
        << "Qt key 0x" << std::hex << keyCase.qtKey << (keyCase.keypad ? " on the keypad" : "");
  }
}

TEST(VirtualKeyCode, CharactersThatShareAGameKeysCodeAreUnmapped) {
  // As characters "!" .. "(" are 33..40, the codes of the page and arrow keys.
  for (int qtKey = Qt::Key_Exclam; qtKey <= Qt::Key_ParenLeft; ++qtKey) {
    if (qtKey == Qt::Key_Apostrophe) continue;  // has its own key, 222
    EXPECT_GE(virtualKeyCode(qtKey, false), kUnmappedKeyCode) << "Qt key 0x" << std::hex << qtKey;
  }
  EXPECT_GE(virtualKeyCode(Qt::Key_VolumeUp, false), kUnmappedKeyCode);
  EXPECT_GE(virtualKeyCode(0x4E2D, false), kUnmappedKeyCode);  // 中, typed by an input method
}

TEST(ModifierMask, SumsCtrlShiftAndAlt) {
  const struct {
    Qt::KeyboardModifiers modifiers;
    int mask;
  } cases[] = {
      {Qt::NoModifier, 0},
      {Qt::ControlModifier, kModCtrl},
      {Qt::ShiftModifier, kModShift},
      {Qt::AltModifier, kModAlt},
      {Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, 7},
      {Qt::KeypadModifier, 0},
      {Qt::MetaModifier, 0},
  };
  for (const auto& modifierCase : cases)
    EXPECT_EQ(modifierMask(modifierCase.modifiers), modifierCase.mask)
        << modifierCase.modifiers.toInt();
}

}  // namespace
}  // namespace vozi
