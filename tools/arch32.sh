# Sourced by tools/setup, tools/test and tools/run: whether this machine runs
# 32-bit x86 code, which decides whether the shipped 32-bit programs can be
# executed here (32-bit Wine) or only the 64-bit test flavour.
#
# tools/setup finds out once by running a tiny 32-bit program it writes itself
# (nothing is downloaded) and records the answer beside its marker; the others
# read the record. Machines of the same kind differ here, so the answer comes
# from running code, never from the machine's name.
#
# QUORLE_RUNS_32BIT=yes or no overrides the recorded answer for one command (to
# try the other branch of a script); it is never recorded, and it never decides
# what is installed: 32-bit Wine goes only where the probe saw 32-bit code run,
# since elsewhere it makes /usr/bin/wine pick a loader that cannot start.

quorle_setup_marker=/var/lib/quorle-setup.v3
# v2: the reason is the kernel's answer (an earlier probe could record the
# shell's locale warning instead).
quorle_runs32_record=$quorle_setup_marker.runs32.v2
# The 32-bit Wine libraries (kernel32 of the i386 build) come with wine32:i386.
quorle_wine32_file=/usr/lib/i386-linux-gnu/wine/i386-windows/kernel32.dll

# Sets quorle_runs32 (yes or no) and quorle_runs32_why (one plain clause) by
# running the probe.
probe_32bit() {
  local dir probe status output
  dir=$(mktemp -d)
  probe=$dir/exit42
  # An ELF32 header, one loadable segment, and 12 bytes of code:
  # mov eax, 1 (exit); mov ebx, 42; int 0x80.
  printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >"$probe"
  printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\140\0\0\0\140\0\0\0\5\0\0\0\0\20\0\0' >>"$probe"
  printf '\270\1\0\0\0\273\52\0\0\0\315\200' >>"$probe"
  chmod +x "$probe"
  status=0
  # Through bash, which reports a binary the kernel refuses as such (timeout's
  # own exec would hand it to /bin/sh as a script). In the C locale: a locale
  # named by the caller but not installed would make bash warn first, and the
  # kernel's answer is the first line that is no such warning.
  output=$(cd "$dir" && LC_ALL=C LANG=C timeout 10 bash -c 'exec "$0"' "$probe" 2>&1) || status=$?
  rm -rf "$dir"
  output=$(printf '%s\n' "$output" | grep -v -m 1 -e 'setlocale' | sed -e 's/.*: //')   # "Exec format error"
  [ $status = 124 ] && output="it did not end within 10 s"
  if [ $status = 42 ]; then
    # An emulator registered for i386 programs also returns 42, yet 32-bit Wine
    # hangs under it.
    local entry
    for entry in /proc/sys/fs/binfmt_misc/*; do
      [ -f "$entry" ] || continue
      if grep -qx enabled "$entry" 2>/dev/null \
         && awk '$1 == "magic" && substr($2, 1, 10) == "7f454c4601" && substr($2, 37, 4) == "0300" { found = 1 }
                 END { exit !found }' "$entry" 2>/dev/null; then
        quorle_runs32=no
        quorle_runs32_why="a 32-bit x86 program runs here only through the emulator registered as $(basename "$entry")"
        return 0
      fi
    done
    quorle_runs32=yes
    quorle_runs32_why="a 32-bit x86 program ran and returned its exit code"
  else
    quorle_runs32=no
    quorle_runs32_why="a 32-bit x86 program did not run (exit status $status${output:+: $output})"
  fi
}

# Sets quorle_machine_runs32 (yes or no) and quorle_machine_runs32_why from the
# probe's record alone, whatever QUORLE_RUNS_32BIT says (missing record: "no").
# True when the probe saw 32-bit code run here: what set-up installs follows this.
machine_runs_32bit() {
  if [ -r "$quorle_runs32_record" ]; then
    quorle_machine_runs32=$(sed -n 1p "$quorle_runs32_record")
    quorle_machine_runs32_why=$(sed -n 2p "$quorle_runs32_record")
  else
    quorle_machine_runs32=no
    quorle_machine_runs32_why="tools/setup has not probed this machine"
  fi
  [ "$quorle_machine_runs32" = yes ]
}

# Prints why the 32-bit programs cannot be started here and returns 0 when 32-bit
# Wine is missing; returns 1 when it is installed. For a branch chosen with
# QUORLE_RUNS_32BIT=yes on a machine where set-up did not install it.
wine32_missing() {
  [ -e "$quorle_wine32_file" ] && return 1
  if machine_runs_32bit; then
    echo "32-bit Wine (wine32:i386) is not installed yet (tools/setup installs it here)"
  else
    echo "32-bit Wine (wine32:i386) is not installed: set-up installs it only where a 32-bit x86 program runs, and here $quorle_machine_runs32_why"
  fi
}

# Sets quorle_runs32 and quorle_runs32_why from the override or the record
# (missing record: "no", not probed). True when 32-bit code runs here.
runs_32bit() {
  case ${QUORLE_RUNS_32BIT:-} in
    yes|no)
      quorle_runs32=$QUORLE_RUNS_32BIT
      quorle_runs32_why="QUORLE_RUNS_32BIT=$QUORLE_RUNS_32BIT was given"
      ;;
    '')
      machine_runs_32bit || true
      quorle_runs32=$quorle_machine_runs32
      quorle_runs32_why=$quorle_machine_runs32_why
      ;;
    *)
      echo "QUORLE_RUNS_32BIT must be yes or no, not '$QUORLE_RUNS_32BIT'" >&2
      exit 2
      ;;
  esac
  [ "$quorle_runs32" = yes ]
}
