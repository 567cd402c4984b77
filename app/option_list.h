// `optionList`: the one-line list that names the card under the player's
// cursor. It keeps no behaviour of its own: every key goes to the game, which
// rewrites the line, so the screen reader hears one card at a time.
#pragma once

#include <QListWidget>

namespace vozi {

class OptionList final : public QListWidget {
  Q_OBJECT

 public:
  explicit OptionList(QWidget* parent = nullptr);

 signals:
  // A key went down (auto-repeats too), as a virtual-key code and modifier mask.
  void keyPressed(int keyCode, int modifierMask);
  void focusGained();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void announceCurrentCard();
};

}  // namespace vozi
