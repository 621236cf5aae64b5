#!/usr/bin/env bash
# The program that brings Wine's desktop up hands its standard error to the
# desktop's explorer.exe. Run through tools/wine-run with its errors going to a
# pipe, that pipe must still end when the program ends, while other programs keep
# the desktop in use; otherwise CTest waits for the desktop after a test passed.
#
#   errors_end_with_the_program.sh WINE_RUN PREFIX TEST_PROGRAM
set -euo pipefail
wine_run=$1
prefix=$2
program=$3
window_test=--gtest_filter=StartProgramTest.TheProgramsFolderBecomesTheCurrentDirectory

desktop_up() {
  local p
  for p in $(pgrep -f 'explorer.exe /desktop' || true); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix" && return 0
  done
  return 1
}
# The desktop closes a second after the last program on it has ended; on a
# loaded machine, with the other flavour's tests beside it, that was seen to take
# over ten seconds, so this waits up to thirty before it gives up and skips.
for _ in $(seq 150); do
  desktop_up || break
  sleep 0.2
done
if desktop_up; then
  echo "the desktop stayed up, so the program cannot be the one to bring it up"
  exit 77
fi

work=$(mktemp -d)
holders=()
finish() {
  [ ${#holders[@]} -eq 0 ] || wait "${holders[@]}" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
mkfifo "$work/errors"
(cat "$work/errors" >/dev/null; touch "$work/ended") &
reader=$!

"$wine_run" --prefix "$prefix" "$program" "$window_test" </dev/null >/dev/null 2>"$work/errors"
# Other programs keep the desktop in use for about four seconds.
for _ in $(seq 12); do
  "$wine_run" --prefix "$prefix" "$program" "$window_test" </dev/null >/dev/null 2>&1 &
  holders+=("$!")
  sleep 0.3
  [ -e "$work/ended" ] && break
done
if [ ! -e "$work/ended" ]; then
  echo "FAILED: the program's errors pipe stayed open after the program had ended, while the desktop was in use"
  kill "$reader" 2>/dev/null || true
  exit 1
fi
echo "the program's errors pipe ended with the program"
