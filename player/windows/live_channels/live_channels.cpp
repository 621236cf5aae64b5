// The live channels: the gesture and access check that lead to the window,
// the tree filled from the channel table, and playing the chosen channel
// straight in the engine, beside the playlist rather than through it.
#include <windows.h>

#include "framework/modal.h"
#include "player/app/app.h"
#include "player/windows/live_channels/channels.h"
#include "player/windows/live_channels/live_channels.h"
#include "player/windows/live_channels/live_window.h"
#include "player/windows/main/main_window.h"

namespace player {

bool liveChannelsUnlocked = false;
fw::TextArray liveChannelAddresses;

namespace {

using live::Kind;
using live::kChannels;

// Put together from its character codes only while an answer is compared,
// so the program never holds the code as one text, not even in its own bytes
// (codes as whole numbers never stand side by side as characters).
bool isAccessCode(const fw::Text& answer) {
  static constexpr int kCodes[8] = {0x71, 0x4C, 0x39, 0x24, 0x74, 0x76, 0x33, 0x4B};
  fw::Text code;
  for (int c : kCodes) code += fw::Text(1, static_cast<char>(c));
  return answer == code;
}

fw::TreeBox& tree() { return fw::openWindow<LiveChannelWindow>()->树型框1; }

void playLiveChannel() {
  const fw::Text text = tree().itemText(tree().selection());
  std::size_t opening = 0;   // the channel's place among those that open
  for (const live::Channel& channel : kChannels) {
    if (text != channel.text) {
      if (channel.kind == Kind::Opens) ++opening;
      continue;
    }
    if (channel.kind == Kind::Blocked) {
      fw::messageBox(channel.message, fw::Text(), MB_OK);
    } else if (channel.kind == Kind::Opens && opening < liveChannelAddresses.size()) {
      playerEngine->open(liveChannelAddresses[opening]);
      if (channel.caption != nullptr) mainWindow().setCaption(channel.caption);
    }
    return;
  }
}

void fillLiveChannels() {
  fw::TreeBox& t = tree();
  liveChannelAddresses.clear();   // the window may be opened again in a run
  int group = -1;
  for (const live::Channel& channel : kChannels) {
    if (channel.kind == Kind::Group) {
      if (group != -1) t.expand(group);
      group = t.addItem(channel.text);
      continue;
    }
    t.addItem(channel.text, group);
    if (channel.kind == Kind::Opens) liveChannelAddresses.push_back(channel.address);
  }
  if (group != -1) t.expand(group);
}

}  // namespace

void promptHiddenChannels(int, int, int keys) {
  if (keys != fw::kCtrlHeld || mainWindow().实时帧率时钟.interval() <= 0) return;
  if (liveChannelsUnlocked) {
    fw::loadWindow<LiveChannelWindow>();
    return;
  }
  if (fw::messageBox("站住！前面乃是禁地，没有暗号不能进入", "来者何人？", MB_YESNO | MB_ICONHAND) !=
      IDYES) {
    return;
  }
  fw::Text answer;   // Cancel leaves it empty
  fw::inputBox("暗号：", "输入", fw::Text(), answer);
  if (!isAccessCode(answer)) {
    fw::messageBox("暗号不对！再来打屎你~~", "滚~滚~滚~", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  liveChannelsUnlocked = true;
  fw::loadWindow<LiveChannelWindow>();
}

void onLiveWindowCreated() { fillLiveChannels(); }

void onLiveTreeDoubleClick() {
  if (tree().selection() != -1) playLiveChannel();
}

void showLiveChannelMenu() {
  if (tree().selection() != -1) fw::openWindow<LiveChannelWindow>()->操作.popUp();
}

void onLiveMenuPlay() {
  if (tree().selection() != -1) playLiveChannel();
}

}  // namespace player
