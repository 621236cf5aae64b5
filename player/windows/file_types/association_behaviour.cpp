// The association window's behaviour: the grid built from "[格式列表]", the
// ticks shown and toggled, and the buttons handing the ticked extensions to
// the registration.
#include "framework/files.h"
#include "framework/registry.h"
#include "player/app/settings.h"
#include "player/system/system.h"
#include "player/windows/file_types/association_window.h"
#include "player/windows/file_types/file_types.h"

namespace player {
namespace {

AssociationWindow& associationWindow() { return *fw::openWindow<AssociationWindow>(); }

fw::Grid& grid() { return associationWindow().高级表格1; }

void fillFormatGrid() {
  fw::Grid& g = grid();
  g.setCellText(0, kIdColumn, "ID");
  g.setCellText(0, kExtensionColumn, "后缀名");
  g.setCellText(0, kTickColumn, "关联");
  g.setColumnWidth(kIdColumn, 50);
  g.setColumnWidth(kExtensionColumn, 120);
  g.setColumnWidth(kTickColumn, 50);
  g.setColumnType(kTickColumn, fw::Grid::kTickColumn);

  fw::TextArray entries;
  scanLineList(kFormatListHeader, entries);
  for (const fw::Text& ext : entries) {
    g.addRow();
    const int r = g.rowCount() - 1;
    g.setCellNumber(r, kIdColumn, r);
    g.setCellText(r, kExtensionColumn, ext);
    formatExtensions.push_back(ext);
  }
}

void markAssociatedTypes() {
  fw::Grid& g = grid();
  for (int r = 1; r < g.rowCount(); ++r) {
    const fw::Text chosen = fw::registryRead(fw::RegistryRoot::CurrentUser,
                                             userChoiceProgIdPath(g.cellText(r, kExtensionColumn)));
    if (chosen == progId) g.setCellTick(r, kTickColumn, true);
  }
}

void setAllAssociationChecks(bool value) {
  fw::Grid& g = grid();
  for (int r = 1; r < g.rowCount(); ++r) g.setCellTick(r, kTickColumn, value);
}

}  // namespace

void showAssociationWindow() { fw::loadWindow<AssociationWindow>(); }

void onAssociationWindowCreated() {
  progId = kProgId;
  // The running program itself: the current directory follows the file
  // dialogs and need not hold the program.
  playerExePath = fw::programPath();
  // Each opening reads the whole list again; kept, the old entries would be
  // registered and reported once more for every opening.
  formatExtensions.clear();
  fillFormatGrid();
  markAssociatedTypes();
}

void toggleAssociationCheck() {
  fw::Grid& g = grid();
  const int row = g.currentRow();
  const int column = g.currentColumn();
  if (row == -1 || column == -1) return;
  if (column == kExtensionColumn || column == kTickColumn) {
    g.setCellTick(row, kTickColumn, !g.cellTick(row, kTickColumn));
  }
}

void onSelectAllButton() { setAllAssociationChecks(true); }

void onSelectNoneButton() { setAllAssociationChecks(false); }

void onRegisterButton() {
  fw::Grid& g = grid();
  fw::TextArray ticked;
  for (int r = 1; r < g.rowCount(); ++r) {
    if (g.cellTick(r, kTickColumn)) ticked.push_back(g.cellText(r, kExtensionColumn));
  }
  registerSelectedTypes(ticked);
}

void closeAssociationWindow() { associationWindow().destroy(); }

}  // namespace player
