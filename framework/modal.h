#pragma once
// Every modal thing (message box, input box, file and folder dialogs) and the
// program's end go through one seam, so that tests can answer them in turn and
// read what was shown. Production goes straight to Win32.
#include "text.h"

namespace fw {

struct FileDialogRequest {
  enum Kind { Open, Save } kind = Open;
  Text initialFolder;   // empty: the system chooses
  Text fileName;        // in: shown in the file-name box; out: the chosen full path
};

class ModalSeam {
 public:
  virtual ~ModalSeam() = default;
  // Windows message-box type flags, task-modal. Shown from a window's handler,
  // the box is owned by that window (its top-level window) while it is on
  // screen, so that closing the box activates it again (from the created event
  // of a window not shown yet: the window whose handler opens it); otherwise it
  // has no owner. Returns IDOK, IDYES, ...
  virtual int messageBox(const Text& text, const Text& caption, unsigned flags) = 0;
  // OK writes the typed text into `typed` and returns true; Cancel leaves it alone.
  virtual bool inputBox(const Text& prompt, const Text& caption, const Text& initial, Text& typed) = 0;
  // Accepted: true, request.fileName holds the chosen path.
  virtual bool fileDialog(FileDialogRequest& request) = 0;
  // The chosen folder's path (a drive root keeps its "\"), or the empty text.
  virtual Text browseFolder(const Text& title) = 0;
  // Ends the process with the code. A test seam may return instead; callers
  // then return at once, as if the program had ended.
  virtual void endProcess(int exitCode) = 0;
};

// The seam in force; production when none was installed.
ModalSeam& modalSeam();
// Installs a seam (nullptr restores production). Tests only.
void setModalSeam(ModalSeam* seam);

// The default caption of a box without one.
inline const Text kDefaultCaption = "信息：";

// Convenience: the seam's message box with the default caption when `caption` is empty.
int messageBox(const Text& text, const Text& caption = Text(), unsigned flags = 0);
bool inputBox(const Text& prompt, const Text& caption, const Text& initial, Text& typed);
Text browseFolder(const Text& title);

}  // namespace fw
