#!/usr/bin/env bash
# A test that hangs is ended by its time limit; what it wrote to its standard
# error before must still reach CTest's log, and no file of wine-run's (named
# after its process id) may stay in the temporary folder. Checked through CTest
# itself, on a project of its own whose one test runs a program through wine-run
# as the real tests do, with the limit below the test's time limit as there.
# (TMPDIR is left alone: Wine keeps its server's socket there.)
#
#   errors_of_a_program_past_its_limit.sh WINE_RUN PREFIX TEST_PROGRAM
set -euo pipefail
wine_run=$1
prefix=$2
program=$3
marker="said-before-hanging-$$"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/project"
# wine-run's process id, for the name of its file: exec keeps it.
printf 'echo $$ >"%s"\nexec "$@"\n' "$work/pid" >"$work/start.sh"
cat >"$work/project/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.20)
project(past_its_limit NONE)
enable_testing()
add_test(NAME hang COMMAND bash "$work/start.sh" "$wine_run" --prefix "$prefix" --limit 4 "$program"
         --child=say_then_hang "$marker")
set_tests_properties(hang PROPERTIES TIMEOUT 20)
CMAKE
cmake -S "$work/project" -B "$work/build" >"$work/configure.log" 2>&1 \
  || { cat "$work/configure.log"; exit 1; }
status=0
ctest --test-dir "$work/build" --output-on-failure </dev/null >"$work/ctest.log" 2>&1 || status=$?

failed=0
check() {
  if ! grep -q -F -- "$1" "$work/ctest.log"; then
    echo "FAILED: CTest's log lacks: $1"
    failed=1
  fi
}
[ $status != 0 ] || { echo "FAILED: the hanging test passed"; failed=1; }
check "$marker"
check "did not end within 4 s; ended it"
left=$(find "${TMPDIR:-/tmp}" -maxdepth 1 -name "wine-run.$(cat "$work/pid" 2>/dev/null).*" | paste -s -d ' ')
if [ ! -s "$work/pid" ] || [ -n "$left" ]; then
  echo "FAILED: left in the temporary folder: ${left:-(no process id recorded)}"
  failed=1
fi
if [ $failed = 1 ]; then
  echo "--- CTest's log:"
  cat "$work/ctest.log"
  exit 1
fi
echo "the errors of the program ended at its limit reached CTest's log; nothing stayed behind"
