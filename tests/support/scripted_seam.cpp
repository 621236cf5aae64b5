#include "tests/support/scripted_seam.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace support {
namespace {

// The answer of the button that declines, for a box type.
int decliningButton(unsigned flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDCANCEL;
  }
}

}  // namespace

ScriptedSeam::ScriptedSeam() { fw::setModalSeam(this); }

ScriptedSeam::~ScriptedSeam() { fw::setModalSeam(nullptr); }

std::vector<std::string> ScriptedSeam::messageTexts() const {
  std::vector<std::string> texts;
  for (const Call& call : calls)
    if (call.kind == Call::Message) texts.push_back(call.text);
  return texts;
}

int ScriptedSeam::messageBox(const fw::Text& text, const fw::Text& caption, unsigned flags) {
  calls.push_back({.kind = Call::Message, .text = text, .caption = caption, .flags = flags});
  if (whileMessageBoxUp) whileMessageBoxUp();
  if (!messageBoxAnswers.empty()) {
    int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
  }
  if ((flags & MB_TYPEMASK) != MB_OK) ADD_FAILURE() << "unscripted message box: " << text;
  return decliningButton(flags);
}

bool ScriptedSeam::inputBox(const fw::Text& prompt, const fw::Text& caption, const fw::Text& initial,
                            fw::Text& typed) {
  calls.push_back({.kind = Call::Input, .text = prompt, .caption = caption, .initial = initial});
  if (inputAnswers.empty()) {
    ADD_FAILURE() << "unscripted input box: " << prompt;
    return false;
  }
  std::optional<std::string> answer = inputAnswers.front();
  inputAnswers.pop_front();
  if (!answer) return false;
  typed = *answer;
  return true;
}

bool ScriptedSeam::fileDialog(fw::FileDialogRequest& request) {
  calls.push_back({.kind = Call::File, .initial = request.fileName,
                   .folder = request.initialFolder, .dialog = request.kind});
  if (fileAnswers.empty()) {
    ADD_FAILURE() << "unscripted file dialog";
    return false;
  }
  std::optional<std::string> answer = fileAnswers.front();
  fileAnswers.pop_front();
  if (!answer) return false;
  request.fileName = *answer;
  return true;
}

fw::Text ScriptedSeam::browseFolder(const fw::Text& title) {
  calls.push_back({.kind = Call::Folder, .text = title});
  if (folderAnswers.empty()) {
    ADD_FAILURE() << "unscripted folder dialog: " << title;
    return fw::Text();
  }
  std::string answer = folderAnswers.front();
  folderAnswers.pop_front();
  return answer;
}

void ScriptedSeam::endProcess(int code) {
  calls.push_back({.kind = Call::End, .exitCode = code});
  ended = true;
  exitCode = code;
  if (realExit) {
    fflush(stdout);
    fflush(stderr);
    ExitProcess((UINT)code);
  }
}

}  // namespace support
