#!/usr/bin/env bash
# Installs what is missing, builds the three targets (host, win32, win64)
# and runs every test: natively for the host build, under Wine for the
# Windows builds. All builds come first, because some tests use a sibling
# build's programs: the host's packer tests pack the Windows launchers, and
# the Windows builds pack a probe with the host's packer.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh all || exit 1

failed=()
built=()
for preset in host win32 win64; do
  echo "=== build $preset"
  if cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; then
    built+=("$preset")
  else
    failed+=("$preset (build)")
  fi
done
for preset in "${built[@]}"; do
  echo "=== test $preset"
  if [ "$preset" = win32 ]; then
    bash tests/wine/wine-run.sh --check-32-bit || true
  fi
  ctest --preset "$preset" || failed+=("$preset (tests)")
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "failed: ${failed[*]}"
  exit 1
fi
echo "all three builds passed their tests"
