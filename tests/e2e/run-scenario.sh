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
set -u
scenario="$1"
launcher="$2"
shift 2
runner=("$@")

unset INI EMBEDDED
PACK_UPGRADE_CODE="{5C7E1D2A-0B3F-4A68-9E21-7D4C3B2A1F60}"
PACK_PASS_PHRASE="pass phrase of the scenarios"
ARGS=()
EXPECTED_STDOUT=""
EXPECTED_STDERR=""
EXPECTED_EXIT=0
# shellcheck source=/dev/null
source "$scenario"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

extension=""
case "$launcher" in *.exe) extension=".exe" ;; esac
cp "$launcher" "$work/tool$extension"
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
"${runner[@]}" "./tool$extension" "${ARGS[@]}" >stdout 2>stderr
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
if [ "$status" -ne "$EXPECTED_EXIT" ]; then
  echo "FAIL: exit status $status, expected $EXPECTED_EXIT"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "ok: $(basename "$scenario")"
exit "$failed"
