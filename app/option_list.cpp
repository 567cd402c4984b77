#include "app/option_list.h"

#include <QAccessible>
#include <QKeyEvent>

#include "app/key_codes.h"

namespace vozi {

OptionList::OptionList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Tab leaves the list for the status text instead of walking the lines.
  setTabKeyNavigation(false);
}

void OptionList::keyPressEvent(QKeyEvent* event) {
  // The list's own handling (moving the selection, type-ahead search) would
  // change the line behind the game's back, so the game gets every key.
  const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
  event->accept();
  emit keyPressed(virtualKeyCode(event->key(), keypad), modifierMask(event->modifiers()));
}

void OptionList::focusInEvent(QFocusEvent* event) {
  QListWidget::focusInEvent(event);
  // Qt reports the list itself as focused, after this handler; naming the
  // card once that is done tells the player, back in the list (Shift+Tab, a
  // box closing), which card is under the cursor.
  QMetaObject::invokeMethod(this, &OptionList::announceCurrentCard, Qt::QueuedConnection);
  emit focusGained();
}

void OptionList::announceCurrentCard() {
  if (!QAccessible::isActive() || !hasFocus() || currentRow() < 0) return;
  QAccessibleEvent focusOnCard(this, QAccessible::Focus);
  focusOnCard.setChild(currentRow());
  QAccessible::updateAccessibility(&focusOnCard);
}

}  // namespace vozi
