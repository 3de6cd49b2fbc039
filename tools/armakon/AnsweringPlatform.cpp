#include "tools/armakon/AnsweringPlatform.h"

#include <cstdio>
#include <utility>

#include "armakon/components/hydStrUtil.h"

namespace armakon::tool {

namespace {

const char* answerName(Answer answer) {
  switch (answer) {
    case Answer::Yes:
      return "yes";
    case Answer::No:
      return "no";
    case Answer::Cancel:
      break;
  }
  return "cancel";
}

std::string oneLine(const std::string& text) { return hydStrUtil::Replace(text, "\n", " "); }

}  // namespace

std::optional<Answer> parseAnswer(const std::string& text) {
  for (Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
    if (text == answerName(answer)) return answer;
  }
  return std::nullopt;
}

AnsweringPlatform::AnsweringPlatform(std::optional<Answer> given, std::string howToChange)
    : given_(given), howToChange_(std::move(howToChange)) {}

Answer AnsweringPlatform::answer(const std::string& text, const std::string& caption, bool cancelAllowed) {
  const Answer headless = cancelAllowed ? Answer::Cancel : Answer::No;
  Answer chosen = given_.value_or(headless);
  if (!cancelAllowed && chosen == Answer::Cancel) chosen = Answer::No;  // a yes/no question has no Cancel

  std::string lines = "question: " + oneLine(text) + "\n";
  if (!caption.empty()) lines += "    concerning: " + oneLine(caption) + "\n";
  lines += std::string("    answer: ") + answerName(chosen);
  lines += given_ ? " (given with --answer)\n" : " (by default; " + howToChange_ + " changes it)\n";
  const std::lock_guard<std::mutex> guard(printing_);
  std::fflush(stdout);
  std::fputs(lines.c_str(), stderr);
  return chosen;
}

Answer AnsweringPlatform::askYesNo(const std::string& text, const std::string& caption) {
  return answer(text, caption, false);
}

Answer AnsweringPlatform::askYesNoCancel(const std::string& text, const std::string& caption) {
  return answer(text, caption, true);
}

void AnsweringPlatform::showMessage(MessageKind kind, const std::string& text, const std::string& caption) {
  headlessPlatform().showMessage(kind, text, caption);
}

std::vector<std::string> AnsweringPlatform::chooseFilesToOpen(const FileDialogRequest& request) {
  return headlessPlatform().chooseFilesToOpen(request);
}

std::optional<std::string> AnsweringPlatform::chooseFileToSave(const FileDialogRequest& request) {
  return headlessPlatform().chooseFileToSave(request);
}

bool AnsweringPlatform::openWithSystem(const std::string& path) { return headlessPlatform().openWithSystem(path); }

std::unique_ptr<PeriodicTimer> AnsweringPlatform::startTimer(std::chrono::milliseconds interval,
                                                             std::function<void()> tick) {
  return headlessPlatform().startTimer(interval, std::move(tick));
}

int AnsweringPlatform::runModal(ModalDialog& dialog) { return headlessPlatform().runModal(dialog); }

}  // namespace armakon::tool
