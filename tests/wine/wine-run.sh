#!/usr/bin/env bash
# Runs a Windows executable under 64-bit Wine with the test run's prefix
# (WINEPREFIX), quietly and without Mono or Gecko prompts. Exits with 77
# (skipped) when the executable is 32-bit and this machine cannot run
# 32-bit programs.
set -u
exe="$1"

wine_dir=/usr/lib/wine
export WINELOADER=$wine_dir/wine64
export WINESERVER=$wine_dir/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
: "${WINEPREFIX:?must name the prefix of this test run}"
export WINEPREFIX

# The PE header's machine field: 0x14c is i386, 0x8664 is x86-64.
pe_machine() {
  local offset
  offset=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  od -An -t x2 -j $((offset + 4)) -N 2 "$1" | tr -d ' '
}

if [ "$(pe_machine "$exe")" = "014c" ]; then
  if ! "$wine_dir/wine" --version >/dev/null 2>&1; then
    echo "skipped: this machine cannot run 32-bit programs (no 32-bit Wine loader or no IA-32 support in the kernel)"
    exit 77
  fi
  export WINELOADER=$wine_dir/wine
fi

exec "$WINELOADER" "$@"
