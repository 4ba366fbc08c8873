#!/usr/bin/env bash
# Checks a built launcher as a file, without running it: PE machine,
# console subsystem, only system DLLs imported, and the string table and
# manifest among its resources.
#
#   inspect-executable.sh OBJDUMP OBJCOPY EXE EXPECTED_MACHINE
#   (EXPECTED_MACHINE: i386 or x86-64)
set -u
objdump="$1" objcopy="$2" exe="$3" expected="$4"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

"$objdump" -f "$exe" | grep -q "architecture: ${expected/x86-64/i386:x86-64}," ||
  fail "machine is not $expected: $("$objdump" -f "$exe" | grep architecture)"

headers=$("$objdump" -p "$exe")
grep -q 'Subsystem.*(Windows CUI)' <<<"$headers" || fail "not a console-subsystem executable"

# The system's own DLLs only: no mingw runtime beside the launcher.
while read -r dll; do
  case "${dll,,}" in
    kernel32.dll | msvcrt.dll | user32.dll | gdi32.dll | advapi32.dll | shell32.dll | comctl32.dll | ole32.dll) ;;
    *) fail "imports $dll" ;;
  esac
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$objcopy" -O binary --only-section=.rsrc "$exe" "$work/rsrc" || fail "no resource section"

# The root directory of the resources: a 16-byte header whose last two
# 16-bit fields count named and numbered entries, then 8-byte entries whose
# first field is the type id.
read -r named numbered < <(od -An -t u2 -j 12 -N 4 "$work/rsrc")
types=()
for ((i = named; i < named + numbered; i++)); do
  types+=("$(od -An -t u4 -j $((16 + 8 * i)) -N 4 "$work/rsrc" | tr -d ' ')")
done
[[ " ${types[*]} " == *" 6 "* ]] || fail "no string table (types: ${types[*]})"
[[ " ${types[*]} " == *" 24 "* ]] || fail "no manifest (types: ${types[*]})"

hex=$(od -An -v -t x1 "$work/rsrc" | tr -d ' \n')
utf16_hex=$(printf '%s' "Main class was not specified in INI file." | iconv -f ASCII -t UTF-16LE | od -An -v -t x1 | tr -d ' \n')
[[ "$hex" == *"$utf16_hex"* ]] || fail "message 210 is not in the string table"
grep -aq 'level="asInvoker"' "$work/rsrc" || fail "manifest does not ask for asInvoker"
grep -aq 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$work/rsrc" ||
  fail "manifest does not bind common controls version 6"

[ "$failed" -eq 0 ] && echo "ok: $exe is a $expected console executable with its resources"
exit "$failed"
