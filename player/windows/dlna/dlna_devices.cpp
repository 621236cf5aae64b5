// What the DLNA device window does: it drives the engine's renderer items and
// nothing else. Which entries are then cast, skipped or converted is decided
// when an entry plays, from the identifier handed over here.
#include "engine/engine_items.h"
#include "framework/files.h"
#include "framework/modal.h"
#include "player/app/app.h"
#include "player/windows/dlna/dlna.h"
#include "player/windows/dlna/dlna_window.h"
#include "player/windows/dlna/renderer_lines.h"

namespace player {
namespace {

// The handlers run only from the open window's own events.
DlnaWindow& dlnaWindow() { return *fw::openWindow<DlnaWindow>(); }

// A renderer line is "name;identifier": exactly two fields at ";".
constexpr char kFieldSeparator[] = ";";

}  // namespace

void showDlnaWindow() { fw::loadWindow<DlnaWindow>(); }

void startDlnaDiscovery() {
  playerEngine->setConfig(engine::kDlnaDiscover, "1");
  dlnaWindow().时钟1.setInterval(kDlnaPollInterval);
}

void pollDlnaDevices() {
  for (const fw::Text& line : rendererLines(playerEngine->getConfig(engine::kDlnaRenderers))) {
    addDlnaDeviceIfNew(line);
  }
}

void addDlnaDeviceIfNew(const fw::Text& line) {
  fw::ListBox& list = dlnaWindow().列表框1;
  for (int item = 0; item < list.count(); ++item) {
    if (list.itemText(item) == line) return;
  }
  list.addItem(line);
}

void applyDlnaDevice() {
  const fw::ListBox& list = dlnaWindow().列表框1;
  const int selected = list.selectedLine();
  if (selected == -1) {
    fw::messageBox("请选择设备！");
    return;
  }
  const fw::Text device = list.itemText(selected);
  if (device.empty()) {
    fw::messageBox("设备名不能为空！");
    return;
  }
  const fw::TextArray fields = fw::splitText(device, kFieldSeparator);
  if (fields.size() < 2) return;
  playerEngine->close();
  playerEngine->setConfig(engine::kDlnaRenderer, fields[1]);
  fw::messageBox("当前选中的设备：\r\n" + device);
  // Looked up again: the window is not touched across the box.
  fw::destroyWindow<DlnaWindow>();
}

void onDlnaOkButton() { applyDlnaDevice(); }

void onDlnaListDoubleClick() { applyDlnaDevice(); }

void refreshDlnaDevices() { playerEngine->setConfig(engine::kDlnaRefresh, "1"); }

void cancelDlnaCasting() {
  playerEngine->setConfig(engine::kDlnaRenderer, "");
  dlnaWindow().destroy();
}

void closeDlnaWindow() { dlnaWindow().destroy(); }

}  // namespace player
