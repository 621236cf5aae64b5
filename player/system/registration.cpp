#include <windows.h>

#include "framework/files.h"
#include "framework/modal.h"
#include "framework/registry.h"
#include "player/system/system.h"

namespace player {

fw::Text progId;
fw::Text playerExePath;
fw::TextArray formatExtensions;

namespace {

using fw::RegistryRoot;

constexpr char kFileExts[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
// The capabilities' paths name the application by its own text, not by progId.
constexpr char kRegisteredApplication[] = "SOFTWARE\\RegisteredApplications\\Quorle多媒体播放器";
constexpr char kCapabilities[] = "SOFTWARE\\Clients\\Media\\Quorle多媒体播放器\\Capabilities";
constexpr char kApplicationDescription[] = "多媒体播放器，支持本地、网络文件播放，支持DLNA投射播放";

constexpr unsigned kPlainBox = MB_OK;
constexpr unsigned kErrorBox = MB_OK | MB_ICONHAND;
constexpr unsigned kQuestionBox = MB_YESNO | MB_ICONQUESTION;
constexpr unsigned kInformationBox = MB_OK | MB_ICONASTERISK;

fw::Text quoted(const fw::Text& path) { return "\"" + path + "\""; }

bool writeCapability(const fw::Text& name, const fw::Text& value) {
  return fw::registryWrite(RegistryRoot::LocalMachine, fw::Text(kCapabilities) + "\\" + name, value);
}

}  // namespace

fw::Text userChoiceKeyPath(const fw::Text& ext) { return kFileExts + ext + "\\UserChoice"; }

fw::Text userChoiceProgIdPath(const fw::Text& ext) { return userChoiceKeyPath(ext) + "\\Progid"; }

bool registerProgId() {
  if (!fw::registryWrite(RegistryRoot::ClassesRoot, progId + "\\DefaultIcon\\", quoted(playerExePath))) {
    fw::messageBox("设置默认图标失败！", fw::Text(), kPlainBox);
    return false;
  }
  if (!fw::registryWrite(RegistryRoot::ClassesRoot, progId + "\\shell\\open\\command\\",
                         quoted(playerExePath) + " %1")) {
    fw::messageBox("设置打开程序失败！", fw::Text(), kPlainBox);
    return false;
  }
  return true;
}

void registerSelectedTypes(const fw::TextArray& extensions) {
  if (!registerProgId()) {
    fw::messageBox("注册程序ID失败！", "注册后缀名失败", kErrorBox);
    return;
  }
  fw::TextArray failures;
  for (const fw::Text& ext : extensions) {
    // A choice the system protects cannot be overwritten in place: the old
    // key goes first. Whether it went is of no interest; the write tells.
    fw::registryDelete(RegistryRoot::CurrentUser, userChoiceKeyPath(ext));
    if (!fw::registryWrite(RegistryRoot::CurrentUser, userChoiceProgIdPath(ext), progId)) {
      failures.push_back(ext);
    }
  }
  if (failures.empty()) {
    fw::messageBox("所选类型，注册成功！", fw::Text(), kPlainBox);
    return;
  }
  fw::Text message;
  for (const fw::Text& ext : failures) message += ext + "\r\n";
  fw::messageBox(message + "以上类型，注册关联失败！", fw::Text(), kPlainBox);
}

void registerDefaultProgram() {
  if (formatExtensions.empty()) {
    fw::messageBox("没有后缀名信息！", "错误", kErrorBox);
    return;
  }
  const fw::Text question =
      "确定要注册到系统的默认程序中吗？\r\n\r\n注册成功后，可以在系统中的 \"默认程序\" 中操作";
  if (fw::messageBox(question, "注册到系统默认程序", kQuestionBox) != IDYES) return;
  if (!registerProgId()) {
    fw::messageBox("注册程序ID失败！", "默认程序注册失败", kErrorBox);
    return;
  }
  if (!fw::registryWrite(RegistryRoot::LocalMachine, kRegisteredApplication, kCapabilities)) {
    fw::messageBox("注册关联信息失败！", "失败", kErrorBox);
    return;
  }
  writeCapability("ApplicationDescription", kApplicationDescription);
  // The running program itself, wherever the current directory has wandered.
  if (!writeCapability("ApplicationIcon", quoted(fw::programPath()))) {
    fw::messageBox("写入图标信息失败！", "失败", kErrorBox);
    return;
  }
  if (!writeCapability("ApplicationName", kProgId)) {
    fw::messageBox("写入程序名称失败！", "失败", kErrorBox);
    return;
  }
  fw::Text failures;
  for (const fw::Text& ext : formatExtensions) {
    if (!writeCapability("FileAssociations\\" + ext, kProgId)) failures += ext + "\r\n";
  }
  fw::messageBox("注册完成！", "已完成", kInformationBox);
  if (!failures.empty()) fw::messageBox("以下后缀名注册失败：" + failures, fw::Text(), kPlainBox);
}

}  // namespace player
