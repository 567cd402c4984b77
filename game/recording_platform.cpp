#include "game/recording_platform.h"

#include <algorithm>

namespace vozi {

std::string soundName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
  const auto dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

RecordingPlatform::RecordingPlatform(std::uint64_t seed) : random_(Random::seeded(seed)) {
  // Menu items start checked as the window builds them.
  checked[MenuItem::ShowNames] = true;
}

void RecordingPlatform::record(Call call) {
  if (onCall) onCall(call);
  if (keepLog) calls.push_back(std::move(call));
}

std::vector<std::string> RecordingPlatform::cues() const {
  std::vector<std::string> names;
  for (const Call& call : calls)
    if (call.kind == CallKind::PlayWav) names.push_back(soundName(call.text));
  return names;
}

std::vector<std::string> RecordingPlatform::music() const {
  std::vector<std::string> names;
  for (const Call& call : calls)
    if (call.kind == CallKind::LoopMp3) names.push_back(soundName(call.text));
  return names;
}

std::vector<std::string> RecordingPlatform::messages() const {
  std::vector<std::string> texts;
  for (const Call& call : calls)
    if (call.kind == CallKind::Message) texts.push_back(call.text);
  return texts;
}

std::vector<const Call*> RecordingPlatform::callsOf(CallKind kind) const {
  std::vector<const Call*> found;
  for (const Call& call : calls)
    if (call.kind == kind) found.push_back(&call);
  return found;
}

bool RecordingPlatform::isEnabled(MenuItem item) const {
  const auto it = enabled.find(item);
  return it == enabled.end() || it->second;
}

void RecordingPlatform::setCaption(const std::string& caption) {
  if (listening()) record({CallKind::Caption, caption, {}, 0, {}});
}

void RecordingPlatform::destroyWindow() {
  windowDestroyed = true;
  if (listening()) record({CallKind::DestroyWindow, {}, {}, 0, {}});
}

void RecordingPlatform::clearOptionList() {
  optionLines.clear();
  selectedLine = -1;
  if (listening()) record({CallKind::ClearList, {}, {}, 0, {}});
}

void RecordingPlatform::appendOptionLine(const std::string& line) {
  optionLines.push_back(line);
  if (listening()) record({CallKind::AppendLine, line, {}, 0, {}});
}

void RecordingPlatform::selectOptionLine(int index) {
  selectedLine = std::min(index, static_cast<int>(optionLines.size()) - 1);
  if (listening()) record({CallKind::SelectLine, {}, {}, index, {}});
}

void RecordingPlatform::focusOptionList() {
  optionListFocused = true;
  if (listening()) record({CallKind::FocusList, {}, {}, 0, {}});
}

void RecordingPlatform::enableOptionList(bool enabledFlag) {
  optionListEnabled = enabledFlag;
  if (listening()) record({CallKind::EnableList, {}, {}, enabledFlag ? 1 : 0, {}});
}

void RecordingPlatform::setText(const std::string& newText) {
  textBoxText = newText;
  if (listening()) record({CallKind::SetText, newText, {}, 0, {}});
}

void RecordingPlatform::focusTextBox() {
  optionListFocused = false;
  if (listening()) record({CallKind::FocusText, {}, {}, 0, {}});
}

bool RecordingPlatform::isChecked(MenuItem item) const {
  const auto it = checked.find(item);
  return it != checked.end() && it->second;
}

void RecordingPlatform::setChecked(MenuItem item, bool checkedFlag) {
  checked[item] = checkedFlag;
  if (listening())
    record({CallKind::SetChecked, {}, {}, static_cast<int>(item) * 2 + (checkedFlag ? 1 : 0), {}});
}

void RecordingPlatform::enableMenuItem(MenuItem item, bool enabledFlag) {
  enabled[item] = enabledFlag;
  if (listening())
    record({CallKind::EnableMenu, {}, {}, static_cast<int>(item) * 2 + (enabledFlag ? 1 : 0), {}});
}

bool RecordingPlatform::showMessage(const std::string& message, Buttons buttons) {
  bool ok = true;
  if (!messageAnswers.empty()) {
    ok = messageAnswers.front();
    messageAnswers.pop_front();
  }
  if (buttons == Buttons::Ok) ok = true;
  if (listening())
    record(
        {CallKind::Message, message, buttons == Buttons::Ok ? "ok" : "okcancel", ok ? 1 : 0, {}});
  return ok;
}

bool RecordingPlatform::askText(const std::string& prompt, const std::string& title,
                                std::string& text) {
  std::optional<std::string> answer = defaultInput;
  if (!inputAnswers.empty()) {
    answer = inputAnswers.front();
    inputAnswers.pop_front();
  }
  if (answer) text = *answer;
  if (listening()) record({CallKind::Input, prompt, title, answer ? 1 : 0, answer.value_or("")});
  return answer.has_value();
}

void RecordingPlatform::openWithDefaultHandler(const std::string& pathOrAddress) {
  if (listening()) record({CallKind::Open, pathOrAddress, {}, 0, {}});
}

void RecordingPlatform::playWav(const std::string& path) {
  if (listening()) record({CallKind::PlayWav, path, {}, 0, {}});
}

void RecordingPlatform::loopMp3(const std::string& path) {
  if (listening()) record({CallKind::LoopMp3, path, {}, 0, {}});
}

SealedText RecordingPlatform::readSealed(const std::string& path, const std::string& password) {
  if (listening()) record({CallKind::ReadSealed, path, {}, 0, {}});
  return readSealedFile(path, password);
}

bool RecordingPlatform::writeSealed(const std::string& path, const std::string& password,
                                    const std::string& text) {
  if (listening()) record({CallKind::WriteSealed, path, {}, failSealedWrites ? 0 : 1, {}});
  return !failSealedWrites && writeSealedFile(path, password, text);
}

void RecordingPlatform::stopAllAudio() {
  if (listening()) record({CallKind::StopAll, {}, {}, 0, {}});
}

}  // namespace vozi
