// The game's desktop on Qt 6 Widgets: the main window's controls and menu,
// modal boxes, SDL sound, clock-seeded chance and the program's folder.
#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "app/audio/sdl_audio.h"
#include "game/platform.h"
#include "game/random.h"

class QDialog;
class QInputDialog;
class QMessageBox;

namespace vozi {

class MainWindow;

class QtPlatform final : public Platform {
 public:
  // Opens the sound device and loads the cues of "sounds/" in the current
  // directory, which must already be the program's folder.
  explicit QtPlatform(std::string programDirectory);
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  // The window whose controls the game drives; it attaches itself.
  void attach(MainWindow& window);

  // The window is going away: the open boxes close, and from now on every
  // box throws WindowClosing instead of showing.
  void beginClosing();
  [[nodiscard]] bool isClosing() const { return closing_; }
  [[nodiscard]] bool hasOpenBox() const { return !openBoxes_.empty(); }

  void setCaption(const std::string& caption) override;
  void destroyWindow() override;

  void clearOptionList() override;
  void appendOptionLine(const std::string& line) override;
  void selectOptionLine(int index) override;
  void focusOptionList() override;
  void enableOptionList(bool enabled) override;

  void setText(const std::string& text) override;
  [[nodiscard]] std::string text() const override { return text_; }
  void focusTextBox() override;

  [[nodiscard]] bool isChecked(MenuItem item) const override;
  void setChecked(MenuItem item, bool checked) override;
  void enableMenuItem(MenuItem item, bool enabled) override;

  bool showMessage(const std::string& message, Buttons buttons) override;
  bool askText(const std::string& prompt, const std::string& title, std::string& text) override;

  void openWithDefaultHandler(const std::string& pathOrAddress) override;

  void playWav(const std::string& path) override;
  void loopMp3(const std::string& path) override;
  void stopAllAudio() override;

  [[nodiscard]] SealedText readSealed(const std::string& path,
                                      const std::string& password) override;
  bool writeSealed(const std::string& path, const std::string& password,
                   const std::string& text) override;

  [[nodiscard]] Random& random() override { return random_; }
  [[nodiscard]] std::string programDirectory() const override { return programDirectory_; }

 private:
  [[nodiscard]] MainWindow& window() const;
  // Runs the box modally; throws WindowClosing when the window closes first.
  int runModal(QDialog& box);
  void giveKeyboardBackSoon();
  // The boxes live as long as the window and are shown again and again: a
  // screen reader still asking about a box just closed must find it there.
  QMessageBox& messageBox(Buttons buttons);
  QInputDialog& inputBox();

  std::string programDirectory_;
  SdlAudio audio_;
  Random random_;
  MainWindow* window_ = nullptr;
  std::string text_;
  bool closing_ = false;
  std::vector<QPointer<QDialog>> openBoxes_;
  QPointer<QMessageBox> okBox_;
  QPointer<QMessageBox> okCancelBox_;
  QPointer<QInputDialog> inputBox_;
};

}  // namespace vozi
