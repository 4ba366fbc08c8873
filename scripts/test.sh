#!/usr/bin/env bash
# Installs what is missing, builds the three targets (host, win32, win64)
# and runs every test: natively for the host build, under Wine for the
# Windows builds.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh all || exit 1

failed=()
for preset in host win32 win64; do
  echo "=== $preset"
  if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset"; then
    failed+=("$preset (build)")
    continue
  fi
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
