#!/usr/bin/env bash
# The decisive check that packing works: packs a copy of the probe program
# twice onto itself (the second packing must replace the first), checks
# what "show" prints, then runs the packed probe, which reads its own
# resources the way the launcher does and deciphers them.
#
#   packed-probe.sh PROBE INI UPGRADE_CODE PASS_PHRASE PROBE_RUNNER PACKER...
#
# PROBE_RUNNER is the command that runs the probe, or - to run it directly;
# PACKER is the command that runs tarn-pack, its last word the program.
# Exits with 77 (skipped) when the packer has not been built or a program
# cannot run on this machine.
set -u
probe="$1" ini="$2" upgrade_code="$3" pass_phrase="$4" runner="$5"
shift 5
packer=("$@")

# shellcheck source=steps.sh
source "$(dirname "$0")/steps.sh"
require_packer "${packer[@]}"

enter_work_folder "$probe" "$ini" probe
printf '[Decoy]\nkey=value\n' > decoy.ini

run "${packer[@]}" pack "$packed" decoy.ini "$upgrade_code" "a decoy pass phrase" "$packed"
run "${packer[@]}" pack "$packed" embedded.ini "$upgrade_code" "$pass_phrase" "$packed"

run "${packer[@]}" show "$packed" "$upgrade_code"
sed -i 's/\r$//' out
# Only the ASCII lines: the non-ASCII ones come out in this system's ANSI
# code page, which may lack their characters.
grep -qx 'Main Class=com/example/Hello' out && grep -qx 'hello.jar' out &&
  [ "$(wc -l <out)" -eq "$(wc -l <embedded.ini)" ] && ! grep -q Decoy out || {
  echo "FAIL: show printed something other than the packed INI file:"
  cat out
  exit 1
}

if [ "$runner" = - ]; then
  run "./$packed" --gtest_brief=1
else
  run "$runner" "./$packed" --gtest_brief=1
fi
echo "ok: the packed probe found and deciphered its own resources"
