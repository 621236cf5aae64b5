#include "tests/support/directory_link.h"

#include <windows.h>

#include <string>

#include "tests/support/host_program.h"

namespace support {
namespace {

std::wstring quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Polls without handling messages: nothing of the test runs meanwhile.
template <class Done>
bool pollUntil(Done done) {
  for (int waited = 0; waited < 10000; waited += 10) {
    if (done()) return true;
    Sleep(10);
  }
  return done();
}

}  // namespace

DirectoryLink::DirectoryLink(const std::string& link, const std::string& target) : link_(link) {
  const std::wstring host = hostPath(link);
  if (host.empty() || exists(link)) return;
  if (!startHostProgram(L"/bin/ln", L"-s " + quoted(wideText(target, CP_ACP)) + L" " + quoted(host))) return;
  made_ = pollUntil([&] { return exists(link) && (GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0; });
}

DirectoryLink::~DirectoryLink() { remove(); }

bool DirectoryLink::remove() {
  if (!exists(link_)) return true;
  const std::wstring host = hostPath(link_);
  // rm without -r takes the link alone.
  if (host.empty() || !startHostProgram(L"/bin/rm", L"-f " + quoted(host))) return false;
  return pollUntil([&] { return !exists(link_); });
}

}  // namespace support
