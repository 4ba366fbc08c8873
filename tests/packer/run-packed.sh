#!/usr/bin/env bash
# Packs a copy of a test program with an INI file and runs it, so that it
# can check from inside what the launcher's code makes of its own packed
# configuration.
#
#   run-packed.sh PROGRAM INI UPGRADE_CODE PASS_PHRASE PROGRAM_RUNNER PACKER...
#
# PROGRAM_RUNNER is the command that runs the program, or - to run it
# directly; PACKER is the command that runs tarn-pack, its last word the
# program. Exits with 77 (skipped) when the packer has not been built or the
# program cannot run here.
set -u
program="$1" ini="$2" upgrade_code="$3" pass_phrase="$4" runner="$5"
shift 5
packer=("$@")
# shellcheck source=steps.sh
source "$(dirname "$0")/steps.sh"
require_packer "${packer[@]}"

enter_work_folder "$program" "$ini" "$(basename "${program%.exe}")"

run "${packer[@]}" pack "$packed" embedded.ini "$upgrade_code" "$pass_phrase" "$packed"
if [ "$runner" = - ]; then
  run "./$packed" --gtest_brief=1
else
  run "$runner" "./$packed" --gtest_brief=1
fi
cat out
