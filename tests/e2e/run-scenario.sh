#!/usr/bin/env bash
# Runs one end-to-end scenario: copies the launcher into a fresh folder as
# "tool" (keeping its extension), packs an embedded configuration into it
# when the scenario has one, writes the scenario's ini beside it, runs it
# with the scenario's arguments and compares standard output, standard
# error and the exit code with what the scenario expects.
#
#   run-scenario.sh SCENARIO LAUNCHER [RUNNER...]
#
# The packer is the command in TARN_PACKER (its last word the program).
#
# A scenario is a bash file that may set:
#   INI              text of tool.ini (no file when unset)
#   EMBEDDED         INI text to pack into the launcher (not packed when unset)
#   PACK_UPGRADE_CODE, PACK_PASS_PHRASE   the keys it is packed with
#   ARGS             array of arguments
#   EXPECTED_STDOUT  exact standard output (default: nothing)
#   EXPECTED_STDERR  exact standard error (default: nothing)
#   EXPECTED_EXIT    exit status as the shell sees it (-1 is 255)
#   RUNTIME          the Java runtime beside the launcher, in its "jre" folder:
#                    none (the default), jdk (the machine's JDK, from
#                    TARN_TEST_JDK_HOME) or stand-in (the stand-in VM library
#                    from TARN_STAND_IN_VM, or TARN_STAND_IN_VM_PARTIAL when
#                    STAND_IN=partial)
#   CLASSES          when set, the compiled Java fixtures (TARN_TEST_CLASSES)
#                    are copied into the folder "classes"
#   RUN_ENVIRONMENT  array of NAME=VALUE set for the launcher's run
#   EXPECTED_RECORD  exact text the stand-in VM library records
#   setup, verify    functions run in the folder before and after the run;
#                    a non-zero status from verify fails the scenario
#
# Before the scenario is read, WORK holds the folder, NATIVE_WORK the same
# folder as the launcher names it, SEP the launcher's path separator and
# LIST_SEP its search-path separator, and PLATFORM is windows or host.
set -u
scenario="$1"
launcher="$2"
shift 2
runner=("$@")

skip() {
  echo "skipped: $*"
  exit 77
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
WORK="$work"
extension=""
case "$launcher" in *.exe) extension=".exe" ;; esac
if [ -n "$extension" ]; then
  PLATFORM=windows
  # Wine shows the root of the Linux file system as drive Z:.
  NATIVE_WORK="Z:${work//\//\\}"
  SEP='\'
  LIST_SEP=';'
else
  PLATFORM=host
  NATIVE_WORK="$work"
  SEP=/
  LIST_SEP=:
fi

unset INI EMBEDDED CLASSES EXPECTED_RECORD STAND_IN
unset -f setup verify
PACK_UPGRADE_CODE="{5C7E1D2A-0B3F-4A68-9E21-7D4C3B2A1F60}"
PACK_PASS_PHRASE="pass phrase of the scenarios"
ARGS=()
RUN_ENVIRONMENT=()
RUNTIME=none
EXPECTED_STDOUT=""
EXPECTED_STDERR=""
EXPECTED_EXIT=0
# shellcheck source=/dev/null
source "$scenario"

cp "$launcher" "$work/tool$extension"
case "$RUNTIME" in
  none) ;;
  jdk)
    [ -d "${TARN_TEST_JDK_HOME:-}" ] || skip "no JDK is named for this build"
    ln -s "$TARN_TEST_JDK_HOME" "$work/jre"
    ;;
  stand-in)
    library="${TARN_STAND_IN_VM:-}"
    [ "${STAND_IN:-}" = partial ] && library="${TARN_STAND_IN_VM_PARTIAL:-}"
    [ -f "$library" ] || skip "the stand-in VM library has not been built"
    if [ "$PLATFORM" = windows ]; then
      mkdir -p "$work/jre/bin/server"
      cp "$library" "$work/jre/bin/server/jvm.dll"
      : > "$work/jre/bin/java.dll"
    else
      mkdir -p "$work/jre/lib/server"
      cp "$library" "$work/jre/lib/server/libjvm.so"
      : > "$work/jre/lib/libjava.so"
    fi
    ;;
  *) echo "FAIL: unknown RUNTIME $RUNTIME"; exit 1 ;;
esac
if [ "${CLASSES+set}" = set ]; then
  [ -d "${TARN_TEST_CLASSES:-}" ] || skip "the Java fixtures are not compiled for this build"
  cp -r "$TARN_TEST_CLASSES" "$work/classes"
fi
if [ "${INI+set}" = set ]; then
  printf '%s' "$INI" > "$work/tool.ini"
fi

cd "$work"
# The host build's registry stand-in reads this folder: empty, so that no
# runtime of the machine takes part unless a scenario puts one there.
mkdir registry
export TARN_REGISTRY="$work/registry"
if [ "${EMBEDDED+set}" = set ]; then
  read -r -a packer <<<"${TARN_PACKER:?names the packer for scenarios with an embedded configuration}"
  if [ ! -f "${packer[-1]}" ]; then
    echo "skipped: there is no packer at ${packer[-1]}; build it first"
    exit 77
  fi
  printf '%s' "$EMBEDDED" > embedded.ini
  "${packer[@]}" pack "tool$extension" embedded.ini "$PACK_UPGRADE_CODE" "$PACK_PASS_PHRASE" \
    "tool$extension" >pack.out 2>&1
  pack_status=$?
  if [ "$pack_status" -eq 77 ] && grep -q '^skipped:' pack.out; then
    cat pack.out
    exit 77
  fi
  if [ "$pack_status" -ne 0 ]; then
    echo "FAIL: packing the launcher failed:"
    cat pack.out
    exit 1
  fi
  rm embedded.ini
fi
if declare -F setup >/dev/null; then
  setup || { echo "FAIL: the scenario's setup failed"; exit 1; }
fi
export TARN_STAND_IN_VM_RECORD="$NATIVE_WORK${SEP}record"
(
  for assignment in "${RUN_ENVIRONMENT[@]}"; do export "$assignment"; done
  exec "${runner[@]}" "./tool$extension" "${ARGS[@]}"
) >stdout 2>stderr
status=$?
if [ "$status" -eq 77 ] && grep -q '^skipped:' stdout; then
  cat stdout
  exit 77
fi

# A Windows console program writes its line ends as CR LF.
if [ -n "$extension" ]; then
  sed -i 's/\r$//' stdout stderr
fi

failed=0
check() {
  local what="$1" expected="$2" actual_file="$3"
  if [ "$(cat "$actual_file"; printf x)" != "${expected}x" ]; then
    echo "FAIL: $what differs"
    echo "--- expected"; printf '%s' "$expected" | od -c | head -20
    echo "--- actual"; od -c "$actual_file" | head -20
    failed=1
  fi
}
check "standard output" "$EXPECTED_STDOUT" stdout
check "standard error" "$EXPECTED_STDERR" stderr
if [ "${EXPECTED_RECORD+set}" = set ]; then
  if [ -f record ]; then
    [ -n "$extension" ] && sed -i 's/\r$//' record
    check "the stand-in VM's record" "$EXPECTED_RECORD" record
  else
    echo "FAIL: the stand-in VM recorded nothing"
    failed=1
  fi
fi
if declare -F verify >/dev/null; then
  verify || { echo "FAIL: the scenario's verify step failed"; failed=1; }
fi
if [ "$status" -ne "$EXPECTED_EXIT" ]; then
  echo "FAIL: exit status $status, expected $EXPECTED_EXIT"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "ok: $(basename "$scenario")"
exit "$failed"
