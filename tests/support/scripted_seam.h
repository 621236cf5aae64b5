#pragma once
// A modal seam that answers from queues the test fills and records every call,
// installed for its lifetime. An unscripted message box with only an OK button
// is answered OK; any other unscripted question fails the test and is answered
// with its "no" (Cancel, No, Abort, or an empty folder).
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/modal.h"

namespace support {

class ScriptedSeam : public fw::ModalSeam {
 public:
  struct Call {
    enum Kind { Message, Input, File, Folder, End } kind = Message;
    std::string text{};    // message text, input prompt, folder-browse title
    std::string caption{}; // message and input box caption
    unsigned flags = 0;    // message box type flags
    std::string initial{}; // input box initial text, file dialog file name
    std::string folder{};  // file dialog initial folder
    fw::FileDialogRequest::Kind dialog = fw::FileDialogRequest::Open;
    int exitCode = 0;      // End
  };

  ScriptedSeam();
  ~ScriptedSeam() override;
  ScriptedSeam(const ScriptedSeam&) = delete;
  ScriptedSeam& operator=(const ScriptedSeam&) = delete;

  // Answers, taken in turn by kind.
  std::deque<int> messageBoxAnswers;                       // IDOK, IDYES, IDNO, ...
  std::deque<std::optional<std::string>> inputAnswers;     // nullopt: Cancel
  std::deque<std::optional<std::string>> fileAnswers;      // the chosen path, nullopt: Cancel
  std::deque<std::string> folderAnswers;                   // "" : cancelled
  // endProcess really ends the process (ExitProcess) instead of recording and
  // returning; for child processes whose exit code the parent reads.
  bool realExit = false;
  // Runs inside each message box, as if while the box were up: what a test
  // looks at there is what the program leaves on screen behind the box.
  std::function<void()> whileMessageBoxUp;

  std::vector<Call> calls;
  bool ended = false;
  int exitCode = 0;

  // The texts of the message boxes shown, in order.
  std::vector<std::string> messageTexts() const;

  int messageBox(const fw::Text& text, const fw::Text& caption, unsigned flags) override;
  bool inputBox(const fw::Text& prompt, const fw::Text& caption, const fw::Text& initial,
                fw::Text& typed) override;
  bool fileDialog(fw::FileDialogRequest& request) override;
  fw::Text browseFolder(const fw::Text& title) override;
  void endProcess(int exitCode) override;
};

}  // namespace support
