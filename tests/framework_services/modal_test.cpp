// The modal seam: a scripted seam sees exactly what is shown, and the production
// seam's boxes and dialogs are answered from a thread timer, which keeps firing
// inside their modal loops.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "framework/files.h"
#include "framework/modal.h"
#include "tests/support/scripted_seam.h"
#include "tests/support/temp_folder.h"

namespace {

using fw::Text;

TEST(ModalSeam, ScriptedAnswersAndWhatWasShown) {
  support::ScriptedSeam seam;
  seam.messageBoxAnswers = {IDOK, IDNO};
  seam.inputAnswers = {std::string("00:10:20:30"), std::nullopt};
  seam.folderAnswers = {"D:\\"};

  EXPECT_EQ(fw::messageBox("初始化失败！"), IDOK);
  EXPECT_EQ(fw::messageBox("确定吗？", "注册", MB_YESNO | MB_ICONQUESTION), IDNO);
  Text typed;
  EXPECT_TRUE(fw::inputBox("请输入网址：", "打开网页", "", typed));
  EXPECT_EQ(typed, "00:10:20:30");
  Text untouched = "kept";
  EXPECT_FALSE(fw::inputBox("暗号：", "输入", "", untouched));
  EXPECT_EQ(untouched, "kept");
  EXPECT_EQ(fw::browseFolder("选择文件夹"), "D:\\");

  ASSERT_EQ(seam.calls.size(), 5u);
  EXPECT_EQ(seam.calls[0].caption, "信息：");   // the default caption
  EXPECT_EQ(seam.calls[0].flags, 0u);
  EXPECT_EQ(seam.calls[1].caption, "注册");
  EXPECT_EQ(seam.calls[1].flags, 36u);
  EXPECT_EQ(seam.calls[2].caption, "打开网页");
  EXPECT_EQ(seam.calls[4].text, "选择文件夹");
}

// Calls `answer` with each visible dialog window of this thread, every 50 ms,
// until it returns true once. Lives for one test.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(std::function<bool(HWND)> answer) : answer_(std::move(answer)) {
    current = this;
    timer_ = SetTimer(nullptr, 0, 50, tick);
  }
  ~DialogAnswerer() {
    KillTimer(nullptr, timer_);
    current = nullptr;
  }
  bool answered() const { return answered_; }

 private:
  // An answer may itself run a modal loop in which the timer fires again.
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current == nullptr || current->answered_ || current->busy_) return;
    current->busy_ = true;
    EnumThreadWindows(GetCurrentThreadId(), visit, 0);
    current->busy_ = false;
  }
  static BOOL CALLBACK visit(HWND window, LPARAM) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
    if (current->answer_(window)) {
      current->answered_ = true;
      return FALSE;
    }
    return TRUE;
  }

  static inline DialogAnswerer* current = nullptr;
  std::function<bool(HWND)> answer_;
  UINT_PTR timer_ = 0;
  bool answered_ = false;
  bool busy_ = false;
};

Text itemText(HWND dialog, int id) {
  char text[1024] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

Text windowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST(SystemSeam, MessageBoxIsTaskModalWithoutOwner) {
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                               100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  Text shown, caption;
  bool otherWasDisabled = false;
  HWND owner = reinterpret_cast<HWND>(1);
  DialogAnswerer answerer([&](HWND box) {
    shown = itemText(box, 0xFFFF);
    caption = windowText(box);
    owner = GetWindow(box, GW_OWNER);
    otherWasDisabled = !IsWindowEnabled(other);
    PostMessageA(box, WM_COMMAND, IDNO, 0);
    return true;
  });
  int answer = fw::messageBox("确定要保存对文档的修改吗？", "", MB_YESNO | MB_ICONQUESTION);
  EXPECT_TRUE(answerer.answered());
  EXPECT_EQ(answer, IDNO);
  EXPECT_EQ(shown, "确定要保存对文档的修改吗？");
  EXPECT_EQ(caption, "信息：");
  EXPECT_EQ(owner, nullptr);
  EXPECT_TRUE(otherWasDisabled);   // task-modal: the thread's other windows wait
  EXPECT_TRUE(IsWindowEnabled(other));
  DestroyWindow(other);
}

TEST(SystemSeam, InputBoxShowsPromptCaptionAndInitialTextAndReturnsTheTypedText) {
  const Text prompt = "当前时刻：0:1:2:030 (62030)\r\n总时长：0:10:20:30 (620030毫秒)\r\n可以输入";
  Text seenPrompt, seenCaption, seenInitial;
  bool centred = false;
  DialogAnswerer answerer([&](HWND dialog) {
    seenCaption = windowText(dialog);
    seenPrompt = itemText(dialog, 100);
    seenInitial = itemText(dialog, 101);
    RECT box;
    GetWindowRect(dialog, &box);
    centred = std::abs((box.left + box.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1 &&
              std::abs((box.top + box.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1;
    SetDlgItemTextA(dialog, 101, "00:10:20:30 新");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return true;
  });
  Text typed;
  EXPECT_TRUE(fw::modalSeam().inputBox(prompt, "输入时刻", "0:1:2:030", typed));
  EXPECT_TRUE(answerer.answered());
  EXPECT_EQ(typed, "00:10:20:30 新");
  EXPECT_EQ(seenPrompt, prompt);
  EXPECT_EQ(seenCaption, "输入时刻");
  EXPECT_EQ(seenInitial, "0:1:2:030");
  EXPECT_TRUE(centred);
}

TEST(SystemSeam, InputBoxCancelLeavesTheTextAlone) {
  for (UINT how : {UINT{WM_COMMAND}, UINT{WM_CLOSE}}) {
    SCOPED_TRACE(how);
    DialogAnswerer answerer([&](HWND dialog) {
      SetDlgItemTextA(dialog, 101, "typed but cancelled");
      PostMessageA(dialog, how, how == WM_COMMAND ? IDCANCEL : 0, 0);
      return true;
    });
    Text typed = "unchanged";
    EXPECT_FALSE(fw::modalSeam().inputBox("暗号：", "输入", "", typed));
    EXPECT_TRUE(answerer.answered());
    EXPECT_EQ(typed, "unchanged");
  }
}

class FileDialogTest : public support::TempFolderTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateDirectoryA(temp.file("媒体").c_str(), nullptr));
    ASSERT_TRUE(support::writeFile(temp.file("媒体\\a.mp3"), "x"));
  }
};

// Types `name` into the file-name box and accepts, once the dialog is up.
std::function<bool(HWND)> typeFileName(const Text& name, bool& filterEmpty, bool& readOnlyHidden) {
  return [name, &filterEmpty, &readOnlyHidden](HWND dialog) {
    if (GetDlgItem(dialog, cmb13) == nullptr && GetDlgItem(dialog, edt1) == nullptr) return false;
    HWND filter = GetDlgItem(dialog, cmb1);
    filterEmpty = filter == nullptr || SendMessageA(filter, CB_GETCOUNT, 0, 0) <= 0;
    HWND readOnly = GetDlgItem(dialog, chx1);
    readOnlyHidden = readOnly == nullptr || !IsWindowVisible(readOnly);
    SetDlgItemTextA(dialog, GetDlgItem(dialog, cmb13) ? cmb13 : edt1, name.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return true;
  };
}

TEST_F(FileDialogTest, OpenGivesTheChosenPathAndMovesTheCurrentDirectory) {
  bool filterEmpty = false, readOnlyHidden = false;
  DialogAnswerer answerer(typeFileName("a.mp3", filterEmpty, readOnlyHidden));
  fw::FileDialogRequest request{fw::FileDialogRequest::Open, temp.file("媒体"), ""};
  ASSERT_TRUE(fw::modalSeam().fileDialog(request));
  EXPECT_EQ(request.fileName, temp.file("媒体\\a.mp3"));
  EXPECT_EQ(fw::currentDirectory(), temp.file("媒体"));   // the dialog keeps no directory
  EXPECT_TRUE(filterEmpty);
  EXPECT_TRUE(readOnlyHidden);
}

TEST_F(FileDialogTest, SaveGivesTheTypedNameInTheInitialFolder) {
  bool filterEmpty = false, readOnlyHidden = false;
  DialogAnswerer answerer(typeFileName("清单.txt", filterEmpty, readOnlyHidden));
  fw::FileDialogRequest request{fw::FileDialogRequest::Save, temp.file("媒体"), "清单.txt"};
  ASSERT_TRUE(fw::modalSeam().fileDialog(request));
  EXPECT_EQ(request.fileName, temp.file("媒体\\清单.txt"));
  EXPECT_TRUE(filterEmpty);
}

TEST_F(FileDialogTest, CancelKeepsTheFileName) {
  DialogAnswerer answerer([](HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return true;
  });
  fw::FileDialogRequest request{fw::FileDialogRequest::Open, temp.path(), "old.mp3"};
  EXPECT_FALSE(fw::modalSeam().fileDialog(request));
  EXPECT_EQ(request.fileName, "old.mp3");
}

// The text of the folder tree's selected item.
Text selectedFolderName(HWND dialog) {
  HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
  if (tree == nullptr) return Text();
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (item == nullptr) return Text();
  char text[MAX_PATH] = {};
  TVITEMA query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
  return text;
}

// The folders chosen lie on drive C:, which Wine keeps inside its prefix in the
// build folder: its folder tree, expanded on drive Z: (the machine's own root)
// while other tests run, can stall for good.
TEST(FolderBrowse, GivesTheFileSystemPathWithARootsBackslash) {
  const Text folder = "C:\\users\\Public\\框架服务" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  struct Removal {
    const Text& folder;
    ~Removal() { RemoveDirectoryA(folder.c_str()); }
  } removal{folder};
  struct Case {
    Text select;
    Text result;
  };
  const Case cases[] = {{folder, folder}, {"C:\\", "C:\\"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.select);
    SHFILEINFOA info{};
    SHGetFileInfoA(c.select.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME);
    const Text shownName = info.szDisplayName;
    // The tree fills itself while the dialog comes up: select until the
    // selection shows, then accept.
    DialogAnswerer answerer([&](HWND dialog) {
      if (selectedFolderName(dialog) != shownName) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(c.select.c_str()));
        return false;
      }
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      return true;
    });
    EXPECT_EQ(fw::browseFolder("选择文件夹"), c.result);
    EXPECT_TRUE(answerer.answered());
  }
  DialogAnswerer cancel([](HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return true;
  });
  EXPECT_EQ(fw::browseFolder("选择文件夹"), "");
}

}  // namespace
