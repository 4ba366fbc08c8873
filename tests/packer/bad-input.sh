#!/usr/bin/env bash
# The packer's answers to bad input: for each case, exactly one error line
# on standard error, a non-zero exit, and every file of the working folder
# (the launchers among them) as it was, with nothing left behind.
#
#   bad-input.sh LAUNCHER PACKER...
#
# PACKER is the command that runs tarn-pack. Exits with 77 (skipped) when
# it cannot run on this machine.
set -u
launcher="$1"
shift
packer=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$launcher" "$work/tool.exe"
cd "$work"
printf '[Application]\nMain Class=Hello\n' > app.ini
printf '\xfe\xff\x00[' > big-endian.ini
printf '\xff\xfe[' > odd.ini
mkdir folder
# "MZ" and a PE header offset far beyond the end of the file.
{ printf 'MZ'; head -c 58 /dev/zero; printf '\x00\x00\x01\x00'; } > corrupt.exe
"${packer[@]}" pack tool.exe app.ini "{UPGRADE}" "pass" packed.exe >/dev/null 2>&1
status=$?
if [ "$status" -eq 77 ]; then
  echo "skipped: the packer cannot run on this machine"
  exit 77
fi
[ "$status" -eq 0 ] || { echo "FAIL: could not pack the launcher for the show cases"; exit 1; }

usage_pack="usage: tarn-pack pack LAUNCHER INI UPGRADE_CODE PASS_PHRASE OUTPUT"
usage_show="usage: tarn-pack show LAUNCHER UPGRADE_CODE"
not_a_launcher="not a launcher: neither a Windows (PE) nor a Linux (ELF) executable"

# name | arguments, as shell words | the one expected line after "tarn-pack: "
cases=(
  "no arguments||usage: tarn-pack pack LAUNCHER INI UPGRADE_CODE PASS_PHRASE OUTPUT, or tarn-pack show LAUNCHER UPGRADE_CODE"
  "unknown command|unpack tool.exe|usage: tarn-pack pack LAUNCHER INI UPGRADE_CODE PASS_PHRASE OUTPUT, or tarn-pack show LAUNCHER UPGRADE_CODE"
  "pack without output|pack tool.exe app.ini {UPGRADE} pass|$usage_pack"
  "pack with an extra argument|pack tool.exe app.ini {UPGRADE} pass out.exe extra|$usage_pack"
  "show without upgrade code|show packed.exe|$usage_show"
  "missing launcher|pack missing.exe app.ini {UPGRADE} pass out.exe|missing.exe: cannot read the launcher"
  "launcher is a folder|pack folder app.ini {UPGRADE} pass out.exe|folder: cannot read the launcher"
  "launcher is a text file|pack app.ini app.ini {UPGRADE} pass out.exe|app.ini: $not_a_launcher"
  "corrupt windows launcher|pack corrupt.exe app.ini {UPGRADE} pass out.exe|corrupt.exe: damaged Windows executable: its PE header lies outside the file"
  "missing ini|pack tool.exe missing.ini {UPGRADE} pass out.exe|missing.ini: cannot read the configuration file"
  "ini is big-endian utf-16|pack tool.exe big-endian.ini {UPGRADE} pass out.exe|big-endian.ini: not a configuration text: it is UTF-16 big-endian; save it as UTF-16LE or UTF-8"
  "ini is cut utf-16|pack tool.exe odd.ini {UPGRADE} pass out.exe|odd.ini: not a configuration text: it is UTF-16 with an odd number of bytes"
  "empty upgrade code|pack tool.exe app.ini '' pass out.exe|the Upgrade Code must not be empty"
  "empty pass phrase|pack tool.exe app.ini {UPGRADE} '' out.exe|the pass phrase must not be empty"
  "output folder missing|pack tool.exe app.ini {UPGRADE} pass no/such/out.exe|no/such/out.exe: cannot write the packed launcher"
  "output is a folder|pack tool.exe app.ini {UPGRADE} pass folder|folder: cannot write the packed launcher"
  "output onto itself fails early|pack tool.exe odd.ini {UPGRADE} pass tool.exe|odd.ini: not a configuration text: it is UTF-16 with an odd number of bytes"
  "show an unpacked launcher|show tool.exe {UPGRADE}|tool.exe: carries no embedded configuration"
  "show with a wrong upgrade code|show packed.exe {WRONG}|packed.exe: the embedded configuration does not decipher to text with this Upgrade Code"
  "show a missing launcher|show missing.exe {UPGRADE}|missing.exe: cannot read the launcher"
  "show a text file|show app.ini {UPGRADE}|app.ini: $not_a_launcher"
)

# Every file here, with its checksum.
snapshot() { find . -path ./.out -prune -o -type f -print | LC_ALL=C sort | xargs sha256sum; }

failed=0
mkdir .out
for entry in "${cases[@]}"; do
  IFS='|' read -r name words expected <<<"$entry"
  eval "arguments=($words)"
  before=$(snapshot)
  "${packer[@]}" "${arguments[@]}" >.out/stdout 2>.out/stderr
  status=$?
  sed -i 's/\r$//' .out/stdout .out/stderr
  problems=()
  [ "$status" -ne 0 ] || problems+=("exit status 0")
  [ "$(cat .out/stderr)" = "tarn-pack: $expected" ] || problems+=("standard error: $(cat .out/stderr)")
  [ ! -s .out/stdout ] || problems+=("standard output: $(cat .out/stdout)")
  [ "$(snapshot)" = "$before" ] || problems+=("the folder's files changed: $(diff <(echo "$before") <(snapshot))")
  if [ "${#problems[@]}" -eq 0 ]; then
    echo "ok: $name"
  else
    failed=1
    echo "FAIL: $name"
    printf '  %s\n' "${problems[@]}"
  fi
done
exit "$failed"
