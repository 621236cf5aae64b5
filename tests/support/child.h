#pragma once
// A second process for tests that need one: the test binary itself in child mode
// (`--child=NAME` runs the routine registered under NAME and exits with its
// result), or any other program.
#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace support {

using ChildRoutine = int (*)(const std::vector<std::string>& arguments);

// Registers a child routine; use QUORLE_CHILD instead.
bool registerChild(const char* name, ChildRoutine routine);

// The registered routine, or nullptr.
ChildRoutine findChild(const std::string& name);

// Full path of this test binary.
std::string selfPath();

// A command line that starts this test binary in child mode running NAME.
// `arguments` are appended as they are, separated by single spaces: quote them
// yourself where they hold spaces.
std::string childCommandLine(const std::string& name, const std::vector<std::string>& arguments = {});

// What runChild returns when the process never started, or was still running at
// the time limit (it is then ended).
constexpr int kChildNotStarted = INT_MIN;
constexpr int kChildTimedOut = INT_MIN + 1;

// Starts `commandLine` (CreateProcessA, this process's current directory and
// environment with `environment` overrides applied; an empty value removes the
// variable), waits up to `timeoutMs` and returns the exit code as an int (so an
// exit code of -1 reads -1).
int runChild(const std::string& commandLine,
             const std::vector<std::pair<std::string, std::string>>& environment = {},
             unsigned timeoutMs = 20000);

// The variable's value in this process ("" when unset), read from the
// environment block: Wine's GetEnvironmentVariableA cuts a value with double-byte
// characters short (to its number of characters).
std::string environmentValue(const std::string& name);

// The exit code of the watchdog, which ends a test process that runs too long
// (45 s, or QUORLE_WATCHDOG_SECONDS from the environment).
constexpr int kWatchdogExitCode = 124;

}  // namespace support

// Defines a child routine of this test binary:
//   QUORLE_CHILD(exit_with) { return std::stoi(arguments.at(0)); }
#define QUORLE_CHILD(name)                                                        \
  static int quorle_child_##name(const std::vector<std::string>& arguments);      \
  [[maybe_unused]] static const bool quorle_child_registered_##name =             \
      ::support::registerChild(#name, &quorle_child_##name);                      \
  static int quorle_child_##name([[maybe_unused]] const std::vector<std::string>& arguments)
