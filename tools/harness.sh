# Sourced by tools/test and tools/run (after setting `here` and `build`): the two
# build folders, and a display and a wineserver of this run's own, each stopped
# when the script exits (by its process id, or by `wineserver -k` for this prefix
# only; other runs on the machine keep theirs).

export QUORLE_DEPS_ROOT=${QUORLE_DEPS_ROOT:-$here/build/deps}
quorle_jobs=${QUORLE_JOBS:-$(nproc)}

# configure FOLDER TOOLCHAIN [CMAKE ARGS...]: once per build folder; later builds
# re-run CMake themselves when a CMakeLists.txt or a globbed folder changes.
configure() {
  local folder=$1 toolchain=$2 log=$build/configure-$(basename "$1").log
  shift 2
  [ -e "$folder/build.ninja" ] && return 0
  cmake -S "$here" -B "$folder" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DQUORLE_DEPS_ROOT="$QUORLE_DEPS_ROOT" "$@" >"$log" 2>&1 \
    || { cat "$log" >&2; echo "configure of $folder failed" >&2; exit 1; }
}

# The 32-bit programs users get (BUILD/product, shipped files in BUILD/dist).
build_product() {
  configure "$build/product" mingw-i686.cmake -DQUORLE_TESTS=OFF -DQUORLE_DIST_DIR="$build/dist"
  cmake --build "$build/product" -j "$quorle_jobs"
}

# The same sources for 64-bit Windows, with the tests (BUILD/test64); TARGETS
# limit the build.
build_test64() {
  configure "$build/test64" mingw-x86_64.cmake -DQUORLE_TESTS=ON
  cmake --build "$build/test64" -j "$quorle_jobs" ${1:+--target "$@"}
}

quorle_xvfb_pid=
quorle_wineprefix=

quorle_stop() {
  if [ -n "$quorle_wineprefix" ]; then
    WINEPREFIX=$quorle_wineprefix /usr/lib/wine/wineserver64 -k >/dev/null 2>&1 || true
    quorle_wineprefix=
  fi
  if [ -n "$quorle_xvfb_pid" ]; then
    kill "$quorle_xvfb_pid" 2>/dev/null || true
    wait "$quorle_xvfb_pid" 2>/dev/null || true
    quorle_xvfb_pid=
  fi
}
trap quorle_stop EXIT
trap 'exit 130' INT TERM

# Starts Xvfb on a free display (Xvfb picks it itself, so runs started at the same
# time never share one) and exports DISPLAY.
start_display() {
  local numberfile
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$numberfile" </dev/null >/dev/null 2>&1 &
  quorle_xvfb_pid=$!
  local i
  for i in $(seq 100); do
    [ -s "$numberfile" ] && break
    kill -0 "$quorle_xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$numberfile" ]; then
    rm -f "$numberfile"
    echo "display: Xvfb did not start" >&2
    exit 1
  fi
  export DISPLAY=:$(head -n 1 "$numberfile" | tr -d '[:space:]')
  rm -f "$numberfile"
}

# Keeps one wineserver alive for the prefix for the rest of the script, then
# prepares the prefix with DISPLAY set (the first Wine process decides the
# display of every later GUI call).
start_wineserver() {
  local prefix=$1
  mkdir -p "$prefix"
  prefix=$(cd "$prefix" && pwd)   # Wine takes absolute paths only
  local i
  for i in $(seq 20); do
    # Fails while a server of an earlier run is still lingering for this prefix.
    if WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -p </dev/null >/dev/null 2>&1; then
      quorle_wineprefix=$prefix
      break
    fi
    sleep 0.5
  done
  if [ -z "$quorle_wineprefix" ]; then
    echo "display: another wineserver keeps serving $prefix; using it" >&2
  fi
  "$(dirname "${BASH_SOURCE[0]}")/wine-run" --prefix "$prefix" --prepare
}
