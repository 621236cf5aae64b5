#include "framework/units/common_dialog.h"

#include "framework/files.h"
#include "framework/modal.h"
#include "framework/window.h"

namespace fw {

CommonDialog::CommonDialog(Window* window, CommonDialogDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, false, true}), description_(d) {}

bool CommonDialog::show() { return show(description_.kind); }
bool CommonDialog::showOpen() { return show(FileDialogKind::Open); }
bool CommonDialog::showSave() { return show(FileDialogKind::Save); }

bool CommonDialog::show(FileDialogKind kind) {
  FileDialogRequest request;
  request.kind = kind == FileDialogKind::Save ? FileDialogRequest::Save : FileDialogRequest::Open;
  request.initialFolder = initialFolder_;
  request.fileName = fileName_;
  if (!modalSeam().fileDialog(request)) return false;
  fileName_ = request.fileName;
  // The dialog is not asked to keep the current directory, so the accepted
  // file's folder becomes it. Wine's dialog leaves the folder it was showing
  // instead (not the same when a full path was typed), so it is set here.
  const Text folder = folderOfPath(fileName_);
  if (!folder.empty()) setCurrentDirectory(folder);
  return true;
}

}  // namespace fw
