// Everything the game needs from the desktop, in one interface: the window and
// its two controls, the menu items, modal boxes, audio, random numbers, the
// program's directory, password-protected files. The game never reaches the desktop any other way,
// so it runs the same in the Qt window, in tests and in the headless simulator.
#pragma once

#include <string>

#include "game/sealed_storage.h"

namespace vozi {

class Random;

enum class MenuItem {
  StartMatch,    // 开始牌局(&B)
  Exit,          // 退出(&X)
  Music,         // 游戏音乐(&M)
  ShowNames,     // 显示牌家姓名(&N)
  ScoreTable,    // 查看分数表(&V)
  Ranking,       // 排行榜(&R)
  WebPage,       // the web-page entry of 帮助(&H)
  Readme,        // 游戏说明(&I)
  Instructions,  // 游戏技巧(&S)
  About,         // 关于(&A)
};

enum class Buttons { Ok, OkCancel };

// Virtual-key codes of the card list, as the desktop reports them.
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// Modifier mask of a key press: the sum of the keys held.
inline constexpr int kModCtrl = 1;
inline constexpr int kModShift = 2;
inline constexpr int kModAlt = 4;

class Platform {
 public:
  virtual ~Platform() = default;

  // Window.
  virtual void setCaption(const std::string& caption) = 0;
  virtual void destroyWindow() = 0;

  // The one-line card list `optionList`.
  virtual void clearOptionList() = 0;
  virtual void appendOptionLine(const std::string& line) = 0;
  virtual void selectOptionLine(int index) = 0;  // 0-based; past the end selects the last
  virtual void focusOptionList() = 0;
  virtual void enableOptionList(bool enabled) = 0;

  // The read-only text box `textBox`.
  virtual void setText(const std::string& text) = 0;
  [[nodiscard]] virtual std::string text() const = 0;
  virtual void focusTextBox() = 0;

  // Menu items.
  [[nodiscard]] virtual bool isChecked(MenuItem item) const = 0;
  virtual void setChecked(MenuItem item, bool checked) = 0;
  virtual void enableMenuItem(MenuItem item, bool enabled) = 0;

  // Modal boxes. showMessage returns true for OK, false for Cancel. askText
  // stores the entered text into `text` on OK and leaves it alone on Cancel.
  virtual bool showMessage(const std::string& message, Buttons buttons) = 0;
  virtual bool askText(const std::string& prompt, const std::string& title, std::string& text) = 0;

  virtual void openWithDefaultHandler(const std::string& pathOrAddress) = 0;

  // Audio: paths are relative to the current directory. A missing or broken
  // file plays nothing. None of these waits for a sound to end.
  virtual void playWav(const std::string& path) = 0;
  virtual void loopMp3(const std::string& path) = 0;
  virtual void stopAllAudio() = 0;

  // Password-protected files, read and written whole (see protected_file.h).
  [[nodiscard]] virtual SealedText readSealed(const std::string& path,
                                              const std::string& password) = 0;
  virtual bool writeSealed(const std::string& path, const std::string& password,
                           const std::string& text) = 0;

  [[nodiscard]] virtual Random& random() = 0;
  [[nodiscard]] virtual std::string programDirectory() const = 0;
};

}  // namespace vozi
