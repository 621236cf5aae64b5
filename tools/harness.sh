# Sourced by tools/test and tools/run (after setting `here` and `build`): the build
# folders, and displays and wineservers of this run's own, each stopped when the
# script exits (by its process id, or by `wineserver -k` for that prefix only;
# other runs on the machine keep theirs).

# shellcheck source=tools/arch32.sh
source "$here/tools/arch32.sh"

# One run at a time in a build folder. A second run would relink the programs
# and tests under the first one's running tests, and the first one's end stops
# the wineserver its prefixes share with the second, which ends the second's
# test processes at once, with no output. The lock goes with this script's end;
# the long-lived processes started below get the descriptor closed (7>&-), so
# that none of them keeps it.
mkdir -p "$build"
exec 7>"$build/.run.lock"
if ! flock -n 7; then
  echo "another run is using $build; waiting for it to end" >&2
  flock 7
fi

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

# A test flavour: the sources with the tests, for one architecture, in BUILD/NAME.
# test64 is built for 64-bit Windows, test32 for 32-bit Windows, as shipped (it
# runs only where the machine runs 32-bit code). TARGETS limit the build.
build_flavour() {
  local name=$1 toolchain
  shift
  case $name in
    test64) toolchain=mingw-x86_64.cmake ;;
    test32) toolchain=mingw-i686.cmake ;;
    *) echo "unknown test flavour '$name' (test64 or test32)" >&2; exit 2 ;;
  esac
  configure "$build/$name" "$toolchain" -DQUORLE_TESTS=ON
  cmake --build "$build/$name" -j "$quorle_jobs" ${1:+--target "$@"}
}

quorle_xvfb_pids=()
quorle_wineprefixes=()

quorle_stop() {
  local prefix pid
  for prefix in "${quorle_wineprefixes[@]}"; do
    WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -k >/dev/null 2>&1 || true
  done
  quorle_wineprefixes=()
  for pid in "${quorle_xvfb_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  quorle_xvfb_pids=()
}
trap quorle_stop EXIT
trap 'exit 130' INT TERM

# Starts an Xvfb on a free display (Xvfb picks it itself, so runs started at the
# same time never share one) and exports DISPLAY; each call starts another.
start_display() {
  local numberfile
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$numberfile" </dev/null >/dev/null 2>&1 7>&- &
  local pid=$!
  quorle_xvfb_pids+=("$pid")
  local i
  for i in $(seq 100); do
    [ -s "$numberfile" ] && break
    kill -0 "$pid" 2>/dev/null || break
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
# display of every later GUI call, so start the prefix's display first).
start_wineserver() {
  local prefix=$1
  mkdir -p "$prefix"
  prefix=$(cd "$prefix" && pwd)   # Wine takes absolute paths only
  local i started=0
  for i in $(seq 20); do
    # Fails while a server of an earlier run is still lingering for this prefix.
    if WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -p </dev/null >/dev/null 2>&1 7>&-; then
      quorle_wineprefixes+=("$prefix")
      started=1
      break
    fi
    sleep 0.5
  done
  if [ $started = 0 ]; then
    echo "display: another wineserver keeps serving $prefix; using it" >&2
  fi
  "$(dirname "${BASH_SOURCE[0]}")/wine-run" --prefix "$prefix" --prepare 7>&-
}
