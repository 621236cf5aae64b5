// The file-type association window, opened from its menu item: the grid read
// from "[格式列表]", the ticks, and what 注册关联 and 默认程序 write to the
// registry and say.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/files.h"
#include "framework/registry.h"
#include "player/system/system.h"
#include "player/windows/file_types/association_window.h"
#include "tests/player_system/registry_spy.h"
#include "tests/player_system/system_test.h"
#include "tests/support/ui.h"
#include "tests/support/wait.h"

namespace system_test {
namespace {

using fw::RegistryRoot;
using player::AssociationWindow;

const std::string kQuestion =
    "确定要注册到系统的默认程序中吗？\r\n\r\n注册成功后，可以在系统中的 \"默认程序\" 中操作";
const std::string kCapabilities = "SOFTWARE\\Clients\\Media\\Quorle多媒体播放器\\Capabilities";

struct Box {
  std::string text;
  std::string caption;
  unsigned flags;
  bool operator==(const Box&) const = default;
};

void PrintTo(const Box& box, std::ostream* out) {
  *out << "{" << box.text << " | " << box.caption << " | " << box.flags << "}";
}

// The grid is 50, 120 and 50 pixels wide by column; rows are 22 pixels high.
constexpr int kColumnX[] = {10, 60, 190};
constexpr int kRowHeight = 22;

std::string quotedProgram() {
  // Appended rather than concatenated: gcc 12 warns wrongly (-Wrestrict) on
  // a literal + text + literal at -O3.
  std::string quoted = "\"";
  quoted += fw::programPath();
  quoted += '"';
  return quoted;
}

// The two ProgID entries, as registerProgId writes them.
std::vector<RegistryWrite> progIdWrites() {
  return {{kClassesRoot + "Quorle多媒体播放器\\DefaultIcon\\", quotedProgram()},
          {kClassesRoot + "Quorle多媒体播放器\\shell\\open\\command\\", quotedProgram() + " %1"}};
}

std::string choicePath(const std::string& ext) { return kCurrentUser + userChoiceKey(ext) + "\\Progid"; }

std::string chosenProgId(const std::string& ext) {
  return fw::registryRead(RegistryRoot::CurrentUser, userChoiceKey(ext) + "\\Progid");
}

class AssociationTest : public SystemTest {
 protected:
  // Menu 关联文件类型(&R).
  AssociationWindow& open() {
    support::chooseMenuItem(window().关联文件类型);
    AssociationWindow* w = fw::openWindow<AssociationWindow>();
    if (w == nullptr) {
      ADD_FAILURE() << "the association window did not open";
      throw std::runtime_error("no association window");
    }
    return *w;
  }
  AssociationWindow& w() { return *fw::openWindow<AssociationWindow>(); }
  fw::Grid& grid() { return w().高级表格1; }

  // A left press and release on a cell of the grid, as Windows sends them.
  void clickCell(int row, int column) {
    support::click(grid().handle(), kColumnX[column], row * kRowHeight + 5);
  }
  void press(const fw::Unit& button) { support::click(button.handle()); }

  // "[格式列表]" holding these lines.
  void writeFormatList(const std::vector<std::string>& extensions) {
    std::string text = "[格式列表]\r\n";
    for (const std::string& ext : extensions) text += ext + "\r\n";
    writeSettings(text);
  }
  std::vector<bool> ticks() {
    std::vector<bool> values;
    for (int r = 1; r < grid().rowCount(); ++r) values.push_back(grid().cellTick(r, player::kTickColumn));
    return values;
  }
  std::vector<std::string> extensionsShown() {
    std::vector<std::string> values;
    for (int r = 1; r < grid().rowCount(); ++r) values.push_back(grid().cellText(r, player::kExtensionColumn));
    return values;
  }
  std::vector<Box> boxes() {
    std::vector<Box> shown;
    for (const auto& call : seam.calls)
      if (call.kind == support::ScriptedSeam::Call::Message) shown.push_back({call.text, call.caption, call.flags});
    return shown;
  }
};

TEST_F(AssociationTest, WindowAsDescribedOpensCentredFromItsMenuItemAndEscClosesIt) {
  writeFormatList({".mp4"});
  AssociationWindow& window = open();
  HWND hwnd = window.handle();
  char caption[64] = {};
  GetWindowTextA(hwnd, caption, sizeof caption);
  EXPECT_STREQ(caption, "设置文件关联");
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, 0) << "no title bar";
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0) << "shown in the taskbar";
  RECT outer{};
  GetWindowRect(hwnd, &outer);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 242) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 377) / 2);
  EXPECT_EQ(outer.right - outer.left, 242);
  EXPECT_EQ(outer.bottom - outer.top, 377);
  RECT inner{};
  GetClientRect(hwnd, &inner);
  EXPECT_EQ(inner.right, 242) << "no border";
  EXPECT_EQ(inner.bottom, 377) << "no border";
  EXPECT_TRUE(window.dragToMove());

  struct Unit {
    const fw::Unit& unit;
    RECT rect;
    std::string text;
  };
  const Unit units[] = {
      {window.图片框1, {0, 0, 242, 24}, ""},
      {window.标签1, {80, 0, 160, 24}, "设置文件关联"},
      {window.关闭图形按钮, {224, 0, 241, 16}, ""},
      {window.高级表格1, {0, 24, 241, 344}, ""},
      {window.按钮1, {0, 345, 60, 369}, "全选"},
      {window.按钮2, {61, 345, 121, 369}, "全不选"},
      {window.按钮3, {122, 345, 182, 369}, "注册关联"},
      {window.按钮4, {183, 345, 243, 369}, "默认程序"},
  };
  for (const Unit& u : units) {
    SCOPED_TRACE(u.text);
    const RECT r = support::rectInParent(u.unit.handle());
    EXPECT_EQ(r.left, u.rect.left);
    EXPECT_EQ(r.top, u.rect.top);
    EXPECT_EQ(r.right, u.rect.right);
    EXPECT_EQ(r.bottom, u.rect.bottom);
    if (!u.text.empty()) {
      EXPECT_EQ(u.unit.caption(), u.text);
    }
  }
  EXPECT_EQ(GetParent(window.标签1.handle()), window.图片框1.handle());
  EXPECT_EQ(GetParent(window.关闭图形按钮.handle()), window.图片框1.handle());

  fw::Grid& g = window.高级表格1;
  EXPECT_EQ(g.columnCount(), 3);
  EXPECT_EQ(g.cellText(0, 0), "ID");
  EXPECT_EQ(g.cellText(0, 1), "后缀名");
  EXPECT_EQ(g.cellText(0, 2), "关联");
  EXPECT_EQ(g.columnWidth(0), 50);
  EXPECT_EQ(g.columnWidth(1), 120);
  EXPECT_EQ(g.columnWidth(2), 50);
  EXPECT_EQ(g.columnType(2), fw::Grid::kTickColumn);
  EXPECT_EQ(g.columnType(1), fw::Grid::kTextColumn);

  SendMessageA(g.handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  support::pumpMessages();
  EXPECT_FALSE(fw::isWindowOpen<AssociationWindow>());
}

TEST_F(AssociationTest, GridTakesEveryRunOfTheFormatListAsItsLinesStand) {
  struct Case {
    const char* settings;   // nullptr: no settings file
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"[格式列表]\r\n.mp4\r\n.avi\r\n[其他]\r\n.mkv\r\n", {".mp4", ".avi"}},
      // The line that ends a run is not looked at again, even as a header.
      {"[格式列表]\r\n.mp4\r\n[格式列表]\r\n.avi\r\n", {".mp4"}},
      {"[设置]\r\n默认音量=80\r\n[格式列表]\r\n.mp4\r\n\r\n[格式列表]\r\n.mkv\r\n.ts", {".mp4", ".mkv", ".ts"}},
      {"[格式列表]\r\n.mp4 \r\n .avi\r\n.mkv\r\n", {".mp4 "}},
      {"[格式列表] \r\n.mp4\r\n[格式列表]", {}},
      // A record holding 0x1A, the old end mark of text files, before the list.
      {"[播放]\r\n上次播放文件=http://h/a\x1A" "b\r\n上次播放位置=5\r\n[格式列表]\r\n.mp4\r\n.avi\r\n",
       {".mp4", ".avi"}},
      {nullptr, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings ? c.settings : "(no settings file)");
    DeleteFileA(temp.file("设置.txt").c_str());
    if (c.settings) writeSettings(c.settings);
    open();
    EXPECT_EQ(grid().rowCount(), 1 + static_cast<int>(c.rows.size()));
    EXPECT_EQ(extensionsShown(), c.rows);
    for (int r = 1; r < grid().rowCount(); ++r) EXPECT_EQ(grid().cellText(r, 0), std::to_string(r));
    EXPECT_EQ(ticks(), std::vector<bool>(c.rows.size(), false));
    // Read again at each opening, never added to what an earlier one read.
    EXPECT_EQ(player::formatExtensions, fw::TextArray(c.rows.begin(), c.rows.end()));
    press(w().关闭图形按钮);
    ASSERT_FALSE(fw::isWindowOpen<AssociationWindow>());
  }
}

TEST_F(AssociationTest, ChoosingTheMenuItemAgainBringsTheOpenWindowBackUnchanged) {
  const std::string a = ownExtension(".mp4");
  writeFormatList({a});
  AssociationWindow& first = open();
  clickCell(1, 2);
  writeFormatList({a, ownExtension(".avi")});
  ShowWindow(first.handle(), SW_MINIMIZE);
  AssociationWindow& again = open();
  EXPECT_EQ(&again, &first);
  EXPECT_FALSE(IsIconic(first.handle()));
  EXPECT_EQ(extensionsShown(), std::vector<std::string>{a});
  EXPECT_EQ(ticks(), std::vector<bool>{true});
  EXPECT_EQ(player::formatExtensions, fw::TextArray{a});
}

TEST_F(AssociationTest, TicksShowTheChoicesThatNameTheProgIdByteForByte) {
  const std::string exact = ownExtension(".mp4");
  const std::string blank = ownExtension(".avi");
  const std::string lower = ownExtension(".mkv");
  const std::string none = ownExtension(".ts");
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, userChoiceKey(exact) + "\\Progid", "Quorle多媒体播放器"));
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, userChoiceKey(blank) + "\\Progid", "Quorle多媒体播放器 "));
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, userChoiceKey(lower) + "\\Progid", "quorle多媒体播放器"));
  writeFormatList({exact, blank, lower, none});
  open();
  EXPECT_EQ(ticks(), (std::vector<bool>{true, false, false, false}));
}

TEST_F(AssociationTest, ClicksToggleFromTheExtensionAndTickColumnsAndTheButtonsSetAll) {
  writeFormatList({ownExtension(".mp4"), ownExtension(".avi"), ownExtension(".mkv")});
  open();
  clickCell(3, 1);
  EXPECT_EQ(ticks(), (std::vector<bool>{false, false, true}));
  clickCell(3, 1);
  EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false})) << "twice leaves it as it was";
  clickCell(2, 2);
  EXPECT_EQ(ticks(), (std::vector<bool>{false, true, false}));
  clickCell(2, 0);
  clickCell(0, 2);
  EXPECT_EQ(ticks(), (std::vector<bool>{false, true, false})) << "the ID column and the header do nothing";

  press(w().按钮1);
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
  press(w().按钮2);
  EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(seam.calls.empty());
}

TEST_F(AssociationTest, RegisterWritesTheProgIdThenATickedRowsChoiceInRowOrder) {
  const std::string a = ownExtension(".mp4");
  const std::string b = ownExtension(".avi");
  const std::string c = ownExtension(".mkv");
  // A choice made earlier, with the value the system guards it by.
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, userChoiceKey(b) + "\\Progid", "Other.Player"));
  ASSERT_TRUE(fw::registryWrite(RegistryRoot::CurrentUser, userChoiceKey(b) + "\\Hash", "abc="));
  writeFormatList({a, b, c});
  open();
  clickCell(3, 2);
  clickCell(2, 1);
  RegistrySpy spy;
  press(w().按钮3);

  std::vector<RegistryWrite> expected = progIdWrites();
  expected.push_back({choicePath(b), "Quorle多媒体播放器"});
  expected.push_back({choicePath(c), "Quorle多媒体播放器"});
  EXPECT_EQ(spy.writes, expected);
  EXPECT_EQ(boxes(), (std::vector<Box>{{"所选类型，注册成功！", "信息：", 0}}));

  EXPECT_EQ(fw::registryRead(RegistryRoot::ClassesRoot, "Quorle多媒体播放器\\DefaultIcon\\"), quotedProgram());
  EXPECT_EQ(fw::registryRead(RegistryRoot::ClassesRoot, "Quorle多媒体播放器\\shell\\open\\command\\"),
            quotedProgram() + " %1");
  EXPECT_EQ(chosenProgId(a), "");
  EXPECT_EQ(chosenProgId(b), "Quorle多媒体播放器");
  EXPECT_EQ(chosenProgId(c), "Quorle多媒体播放器");
  EXPECT_EQ(fw::registryRead(RegistryRoot::CurrentUser, userChoiceKey(b) + "\\Hash"), "")
      << "the old choice went as a whole before the new one";
}

TEST_F(AssociationTest, AChoiceTheRegistryRefusesIsListedAndTheOthersAreStillWritten) {
  const std::string a = ownExtension(".mp4");
  // A key name longer than the registry takes.
  const std::string refused = ownExtension("." + std::string(300, 'x'));
  const std::string c = ownExtension(".mkv");
  writeFormatList({a, refused, c});
  open();
  press(w().按钮1);
  press(w().按钮3);
  EXPECT_EQ(boxes(), (std::vector<Box>{{refused + "\r\n以上类型，注册关联失败！", "信息：", 0}}));
  EXPECT_EQ(chosenProgId(a), "Quorle多媒体播放器");
  EXPECT_EQ(chosenProgId(c), "Quorle多媒体播放器");
}

TEST_F(AssociationTest, AFailedProgIdWriteStopsEitherButtonWithItsOwnCaption) {
  const std::string a = ownExtension(".mp4");
  writeFormatList({a});
  open();
  clickCell(1, 2);
  const std::string icon = progIdWrites()[0].path;
  const std::string command = progIdWrites()[1].path;
  struct Case {
    bool defaultProgramButton;
    std::string refusedPath;
    std::vector<Box> boxes;
    std::vector<std::string> attempted;
  };
  const Box question{kQuestion, "注册到系统默认程序", 36};
  const Case cases[] = {
      {false, icon, {{"设置默认图标失败！", "信息：", 0}, {"注册程序ID失败！", "注册后缀名失败", 16}}, {icon}},
      {false, command, {{"设置打开程序失败！", "信息：", 0}, {"注册程序ID失败！", "注册后缀名失败", 16}}, {icon, command}},
      {true, icon, {question, {"设置默认图标失败！", "信息：", 0}, {"注册程序ID失败！", "默认程序注册失败", 16}}, {icon}},
      {true, command, {question, {"设置打开程序失败！", "信息：", 0}, {"注册程序ID失败！", "默认程序注册失败", 16}},
       {icon, command}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.refusedPath + (c.defaultProgramButton ? " from 默认程序" : " from 注册关联"));
    seam.calls.clear();
    RegistrySpy spy;
    spy.refuses = [&](const std::string& path) { return path == c.refusedPath; };
    if (c.defaultProgramButton) seam.messageBoxAnswers.push_back(IDYES);
    press(c.defaultProgramButton ? w().按钮4 : w().按钮3);
    EXPECT_EQ(boxes(), c.boxes);
    EXPECT_EQ(spy.writtenPaths(), c.attempted);
  }
  EXPECT_EQ(chosenProgId(a), "");
}

TEST_F(AssociationTest, DefaultProgramRegistersTheCapabilitiesAndEveryListedExtensionTickedOrNot) {
  const std::string a = ownExtension(".mp4");
  const std::string b = ownExtension(".avi");
  writeFormatList({a, b});
  open();
  RegistrySpy spy;
  seam.messageBoxAnswers.push_back(IDYES);
  press(w().按钮4);

  std::vector<RegistryWrite> expected = progIdWrites();
  const std::string capabilities = kLocalMachine + kCapabilities + "\\";
  expected.push_back({kLocalMachine + "SOFTWARE\\RegisteredApplications\\Quorle多媒体播放器", kCapabilities});
  expected.push_back({capabilities + "ApplicationDescription", "多媒体播放器，支持本地、网络文件播放，支持DLNA投射播放"});
  expected.push_back({capabilities + "ApplicationIcon", quotedProgram()});
  expected.push_back({capabilities + "ApplicationName", "Quorle多媒体播放器"});
  expected.push_back({capabilities + "FileAssociations\\" + a, "Quorle多媒体播放器"});
  expected.push_back({capabilities + "FileAssociations\\" + b, "Quorle多媒体播放器"});
  EXPECT_EQ(spy.writes, expected);
  EXPECT_EQ(boxes(), (std::vector<Box>{{kQuestion, "注册到系统默认程序", 36}, {"注册完成！", "已完成", 64}}));

  EXPECT_EQ(fw::registryRead(RegistryRoot::LocalMachine, "SOFTWARE\\RegisteredApplications\\Quorle多媒体播放器"),
            kCapabilities);
  EXPECT_EQ(fw::registryRead(RegistryRoot::LocalMachine, kCapabilities + "\\ApplicationName"), "Quorle多媒体播放器");
  EXPECT_EQ(fw::registryRead(RegistryRoot::LocalMachine, kCapabilities + "\\FileAssociations\\" + b),
            "Quorle多媒体播放器");
  EXPECT_EQ(chosenProgId(a), "") << "no per-user choice is made here";
}

TEST_F(AssociationTest, NoToTheDefaultProgramQuestionWritesNothing) {
  writeFormatList({ownExtension(".mp4")});
  open();
  RegistrySpy spy;
  seam.messageBoxAnswers.push_back(IDNO);
  press(w().按钮4);
  EXPECT_EQ(boxes(), (std::vector<Box>{{kQuestion, "注册到系统默认程序", 36}}));
  EXPECT_TRUE(spy.writes.empty());
}

TEST_F(AssociationTest, WithoutAListRegisterStillWritesTheProgIdAndDefaultProgramSaysThereIsNothing) {
  writeSettings("[设置]\r\n默认音量=80\r\n[格式列表]\r\n");
  open();
  press(w().按钮1);
  EXPECT_EQ(grid().rowCount(), 1);
  RegistrySpy spy;
  press(w().按钮3);
  EXPECT_EQ(spy.writes, progIdWrites());
  press(w().按钮4);
  EXPECT_EQ(spy.writes, progIdWrites());
  EXPECT_EQ(boxes(), (std::vector<Box>{{"所选类型，注册成功！", "信息：", 0}, {"没有后缀名信息！", "错误", 16}}));
}

TEST_F(AssociationTest, AnExtensionWithATrailingBlankIsUsedWithItsBlank) {
  const std::string blank = ownExtension(".mp4", " ");
  writeFormatList({blank});
  open();
  clickCell(1, 1);
  press(w().按钮3);
  seam.messageBoxAnswers.push_back(IDYES);
  press(w().按钮4);
  EXPECT_EQ(chosenProgId(blank), "Quorle多媒体播放器");
  EXPECT_EQ(chosenProgId(blank.substr(0, blank.size() - 1)), "");
  EXPECT_EQ(fw::registryRead(RegistryRoot::LocalMachine, kCapabilities + "\\FileAssociations\\" + blank),
            "Quorle多媒体播放器");
  press(w().关闭图形按钮);
  open();
  EXPECT_EQ(ticks(), std::vector<bool>{true});
}

TEST_F(AssociationTest, DefaultProgramStopsAtTheCapabilityTheRegistryRefuses) {
  const std::string a = ownExtension(".mp4");
  const std::string b = ownExtension(".avi");
  writeFormatList({a, b});
  open();
  const std::string registered = kLocalMachine + "SOFTWARE\\RegisteredApplications\\Quorle多媒体播放器";
  const std::string capabilities = kLocalMachine + kCapabilities + "\\";
  const std::string description = capabilities + "ApplicationDescription";
  const std::string icon = capabilities + "ApplicationIcon";
  const std::string name = capabilities + "ApplicationName";
  const std::string first = capabilities + "FileAssociations\\" + a;
  const std::string second = capabilities + "FileAssociations\\" + b;
  const Box question{kQuestion, "注册到系统默认程序", 36};
  struct Case {
    std::string refusedPath;
    std::vector<Box> boxes;
    std::vector<std::string> attemptedAfterProgId;
  };
  const Case cases[] = {
      {registered, {question, {"注册关联信息失败！", "失败", 16}}, {registered}},
      // The description is written before the icon is tried.
      {icon, {question, {"写入图标信息失败！", "失败", 16}}, {registered, description, icon}},
      {name, {question, {"写入程序名称失败！", "失败", 16}}, {registered, description, icon, name}},
      {first,
       {question, {"注册完成！", "已完成", 64}, {"以下后缀名注册失败：" + a + "\r\n", "信息：", 0}},
       {registered, description, icon, name, first, second}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.refusedPath);
    seam.calls.clear();
    RegistrySpy spy;
    spy.refuses = [&](const std::string& path) { return path == c.refusedPath; };
    seam.messageBoxAnswers.push_back(IDYES);
    press(w().按钮4);
    EXPECT_EQ(boxes(), c.boxes);
    std::vector<std::string> attempted = spy.writtenPaths();
    ASSERT_GE(attempted.size(), 2u);
    attempted.erase(attempted.begin(), attempted.begin() + 2);   // the ProgID's two
    EXPECT_EQ(attempted, c.attemptedAfterProgId);
  }
}

// Every opening reads the list anew; the extensions of earlier openings are
// not registered or reported again.
TEST_F(AssociationTest, AWindowOpenedTwiceRegistersAndReportsEachExtensionOnce) {
  const std::string a = ownExtension(".mp4");
  const std::string b = ownExtension(".avi");
  writeFormatList({a, b});
  open();
  press(w().关闭图形按钮);
  open();
  RegistrySpy spy;
  spy.refuses = [&](const std::string& path) { return path.ends_with("\\" + a); };
  seam.messageBoxAnswers.push_back(IDYES);
  press(w().按钮4);
  std::vector<std::string> extensionWrites;
  for (const std::string& path : spy.writtenPaths())
    if (path.find("\\FileAssociations\\") != std::string::npos) extensionWrites.push_back(path.substr(path.rfind('\\') + 1));
  EXPECT_EQ(extensionWrites, (std::vector<std::string>{a, b}));
  EXPECT_EQ(boxes().back(), (Box{"以下后缀名注册失败：" + a + "\r\n", "信息：", 0}));
}

// The current directory follows every file accepted in an open dialog; the
// registered program is the running one all the same.
TEST_F(AssociationTest, TheRegisteredProgramIsTheRunningOneWhereverTheCurrentDirectoryIs) {
  writeFormatList({ownExtension(".mp4")});
  const std::string media = temp.file("媒体");
  ASSERT_TRUE(CreateDirectoryA(media.c_str(), nullptr));
  ASSERT_TRUE(SetCurrentDirectoryA(media.c_str()));
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string program = "\"";   // appended: see quotedProgram
  program += self;
  program += '"';
  open();
  RegistrySpy spy;
  seam.messageBoxAnswers.push_back(IDYES);
  press(w().按钮4);
  ASSERT_GE(spy.writes.size(), 5u);
  EXPECT_EQ(spy.writes[0].data, program);
  EXPECT_EQ(spy.writes[1].data, program + " %1");
  EXPECT_EQ(spy.writes[4].path, kLocalMachine + kCapabilities + "\\ApplicationIcon");
  EXPECT_EQ(spy.writes[4].data, program);
  SetCurrentDirectoryA(temp.path().c_str());
}

}  // namespace
}  // namespace system_test
