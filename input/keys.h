// The keys of the card list `optionList`: the cursor moves through seat 1's
// hand; Space, Up and Down belong to the exchange or to the play.
#pragma once

#include "game/game.h"

namespace vozi {

// Key-down in the card list; `modifierMask` is the sum of kModCtrl, kModShift
// and kModAlt held. Any key with a modifier is ignored.
void onOptionListKey(Game& game, int keyCode, int modifierMask);
// The card list got the keyboard focus.
void onOptionListFocus(Game& game);

void moveCursorLeft(Game& game);
void moveCursorRight(Game& game);
void moveCursorFirst(Game& game);
void moveCursorLast(Game& game);

}  // namespace vozi
