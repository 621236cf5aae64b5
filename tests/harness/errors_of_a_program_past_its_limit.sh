#!/usr/bin/env bash
# A test that hangs is ended by its time limit; what it wrote to its standard
# error before must still reach CTest's log, and nothing of wine-run's may stay
# in the temporary folder. Checked through CTest itself, on a project of its own
# whose one test runs a program through wine-run as the real tests do, with the
# limit below the test's time limit as there.
#
#   errors_of_a_program_past_its_limit.sh WINE_RUN PREFIX TEST_PROGRAM
set -euo pipefail
wine_run=$1
prefix=$2
program=$3
marker="said-before-hanging-$$"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/project" "$work/temp"
cat >"$work/project/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.20)
project(past_its_limit NONE)
enable_testing()
add_test(NAME hang COMMAND "$wine_run" --prefix "$prefix" --limit 4 "$program" --child=say_then_hang "$marker")
set_tests_properties(hang PROPERTIES TIMEOUT 20 ENVIRONMENT "TMPDIR=$work/temp")
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
if [ -n "$(ls -A "$work/temp")" ]; then
  echo "FAILED: left in the temporary folder: $(ls -A "$work/temp" | paste -s -d ' ')"
  failed=1
fi
if [ $failed = 1 ]; then
  echo "--- CTest's log:"
  cat "$work/ctest.log"
  exit 1
fi
echo "the errors of the program ended at its limit reached CTest's log; nothing stayed behind"
