#pragma once
// The common dialog unit: the system's open-file or save-file dialog. Its
// initial folder and file name persist between shows, and an accepted show
// leaves the chosen full path in the file name and the chosen file's folder as
// the process's current directory. Shown through the modal seam.
#include "framework/units/unit.h"

namespace fw {

enum class FileDialogKind { Open, Save };

struct CommonDialogDescription {
  Unit* parent = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  FileDialogKind kind = FileDialogKind::Open;
};

class CommonDialog : public Unit {
 public:
  CommonDialog(Window* window, CommonDialogDescription description);

  Text initialFolder() const { return initialFolder_; }
  void setInitialFolder(const Text& folder) { initialFolder_ = folder; }
  // The name shown in the file-name box; after an accepted show, the full path.
  Text fileName() const { return fileName_; }
  void setFileName(const Text& name) { fileName_ = name; }

  // Modal. True when the user accepted; fileName() then holds the full path and
  // the current directory is its folder.
  bool show();
  bool showOpen();
  bool showSave();

 private:
  bool show(FileDialogKind kind);
  CommonDialogDescription description_;
  Text initialFolder_;
  Text fileName_;
};

}  // namespace fw
