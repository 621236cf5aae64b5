#include "tests/support/file_links.h"

#include <windows.h>

#include "tests/support/host_program.h"
#include "tests/support/temp_folder.h"

namespace support {
namespace {

std::string utf8(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), length, nullptr, nullptr);
  bytes.resize(static_cast<std::size_t>(length - 1));
  return bytes;
}

// A Perl text in single quotes: only the quote and the backslash are special.
std::string perlText(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "'";
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Runs the Perl statements in the host's folder of `folder`, waiting until
// they have run through. The script and its "done" mark lie beside the folder,
// never in it. False when a statement failed or the host did not run them.
bool runInFolder(const std::string& folder, const std::string& statements) {
  const std::string hostFolder = utf8(hostPath(folder));
  const std::string script = folder + ".links.pl";
  const std::string done = folder + ".links.done";
  const std::string hostDone = utf8(hostPath(done));
  if (hostFolder.empty() || hostDone.empty()) return false;
  DeleteFileA(done.c_str());
  const std::string text = "chdir(" + perlText(hostFolder) + ") or exit 1;\n" + statements + "open(my $d, '>', " +
                           perlText(hostDone) + ") or exit 1;\nclose($d);\n";
  if (!writeFile(script, text)) return false;
  bool ran = false;
  if (startHostProgram(L"/usr/bin/perl", L"\"" + hostPath(script) + L"\"")) {
    for (int waited = 0; waited < 20000 && !(ran = exists(done)); waited += 20) Sleep(20);
  }
  DeleteFileA(script.c_str());
  DeleteFileA(done.c_str());
  return ran;
}

}  // namespace

FileLinks::FileLinks(const std::string& folder, const std::vector<std::string>& names, const std::string& target,
                     FileLink kind)
    : folder_(folder), names_(names) {
  const std::string hostTarget = utf8(hostPath(target));
  if (hostTarget.empty() || !exists(target)) return;
  const std::string make = kind == FileLink::kSymbolic ? "symlink" : "link";
  std::string statements = "my $t = " + perlText(hostTarget) + ";\n";
  for (const std::string& name : names_) statements += make + "($t, " + perlText(name) + ") or exit 1;\n";
  if (!runInFolder(folder_, statements)) return;
  made_ = true;
  for (const std::string& name : names_) made_ = made_ && exists(folder_ + "\\" + name);
}

FileLinks::~FileLinks() { remove(); }

bool FileLinks::remove() {
  if (names_.empty()) return true;
  std::string statements;
  for (const std::string& name : names_) statements += "unlink(" + perlText(name) + ");\n";
  if (!runInFolder(folder_, statements)) return false;
  names_.clear();
  return true;
}

}  // namespace support
