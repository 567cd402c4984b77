// A desktop without a screen: every call the game makes is logged in order,
// and message and input boxes are answered from a script. Tests read the log;
// the headless simulator listens to it as it happens.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/platform.h"
#include "game/random.h"

namespace vozi {

enum class CallKind {
  Caption,
  DestroyWindow,
  ClearList,
  AppendLine,
  SelectLine,
  FocusList,
  EnableList,
  SetText,
  FocusText,
  SetChecked,
  EnableMenu,
  Message,
  Input,
  Open,
  PlayWav,
  LoopMp3,
  StopAll,
  ReadSealed,
  WriteSealed,
};

struct Call {
  CallKind kind;
  std::string text;    // caption, line, text, message, prompt, path
  std::string detail;  // input title; "ok" / "okcancel" for messages
  int number = 0;      // selection, enabled or checked flag, menu item, message answer
  std::string answer;  // what an input box gave back
};

// The name of a cue or a piece of music from its path: "sounds/locate.wav"
// gives "locate".
[[nodiscard]] std::string soundName(const std::string& path);

class RecordingPlatform final : public Platform {
 public:
  explicit RecordingPlatform(std::uint64_t seed = 1);

  // Script: answers for message boxes (true = OK) and input boxes (nullopt =
  // Cancel), used in order. When a script runs out, boxes answer OK and input
  // boxes answer `defaultInput`.
  std::deque<bool> messageAnswers;
  std::deque<std::optional<std::string>> inputAnswers;
  std::string defaultInput = "玩家";

  // The log; switched off for long headless runs, where `onCall` listens instead.
  std::vector<Call> calls;
  bool keepLog = true;
  std::function<void(const Call&)> onCall;

  // What the window would show now.
  std::vector<std::string> optionLines;
  int selectedLine = -1;
  bool optionListEnabled = true;
  bool optionListFocused = false;
  std::string textBoxText;
  std::map<MenuItem, bool> checked;
  std::map<MenuItem, bool> enabled;
  bool windowDestroyed = false;

  // Names of the cues and music started, in order ("sounds/x.wav" gives "x").
  [[nodiscard]] std::vector<std::string> cues() const;
  [[nodiscard]] std::vector<std::string> music() const;
  [[nodiscard]] std::vector<std::string> messages() const;
  [[nodiscard]] std::vector<const Call*> callsOf(CallKind kind) const;
  void clearLog() { calls.clear(); }
  [[nodiscard]] bool isEnabled(MenuItem item) const;

  void setCaption(const std::string& caption) override;
  void destroyWindow() override;
  void clearOptionList() override;
  void appendOptionLine(const std::string& line) override;
  void selectOptionLine(int index) override;
  void focusOptionList() override;
  void enableOptionList(bool enabledFlag) override;
  void setText(const std::string& newText) override;
  [[nodiscard]] std::string text() const override { return textBoxText; }
  void focusTextBox() override;
  [[nodiscard]] bool isChecked(MenuItem item) const override;
  void setChecked(MenuItem item, bool checkedFlag) override;
  void enableMenuItem(MenuItem item, bool enabledFlag) override;
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
  [[nodiscard]] std::string programDirectory() const override { return directory; }

  std::string directory = ".";
  // Protected files go to disk as on the desktop; a test can make writes fail.
  bool failSealedWrites = false;

 private:
  [[nodiscard]] bool listening() const { return keepLog || onCall != nullptr; }
  void record(Call call);
  Random random_;
};

}  // namespace vozi
