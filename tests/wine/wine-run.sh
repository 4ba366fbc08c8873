#!/usr/bin/env bash
# Runs a Windows executable under 64-bit Wine with the test run's prefix
# (WINEPREFIX), quietly and without Mono or Gecko prompts. Exits with 77
# (skipped) when the executable is 32-bit and this machine cannot run
# 32-bit programs.
#
#   wine-run.sh EXE [ARGUMENTS...]
#   wine-run.sh --check-32-bit    says whether 32-bit programs can run here
set -u
exe="$1"

wine_dir=/usr/lib/wine
export WINELOADER=$wine_dir/wine64
export WINESERVER=$wine_dir/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# The PE header's machine field: 0x14c is i386, 0x8664 is x86-64.
pe_machine() {
  local offset
  offset=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  od -An -t x2 -j $((offset + 4)) -N 2 "$1" | tr -d ' '
}

use_32_bit_loader() {
  if ! "$wine_dir/wine" --version >/dev/null 2>&1; then
    echo "skipped: this machine cannot run 32-bit programs (no 32-bit Wine loader or no IA-32 support in the kernel)"
    exit 77
  fi
  export WINELOADER=$wine_dir/wine
}

if [ "$exe" = --check-32-bit ]; then
  use_32_bit_loader
  echo "32-bit programs run here"
  exit 0
fi
if [ "$(pe_machine "$exe")" = "014c" ]; then
  use_32_bit_loader
fi

: "${WINEPREFIX:?must name the prefix of this test run}"
export WINEPREFIX
exec "$WINELOADER" "$@"
