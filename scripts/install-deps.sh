#!/usr/bin/env bash
# Installs the Debian packages that the builds and tests need, skipping those
# already present.
#
#   install-deps.sh host   the Linux launcher and its tests
#   install-deps.sh all    also the Windows builds and Wine to test them
set -euo pipefail

host_packages=(cmake ninja-build g++ googletest default-jdk-headless)
windows_packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine64 xvfb xauth
)

case "${1:-all}" in
  host) packages=("${host_packages[@]}") ;;
  all) packages=("${host_packages[@]}" "${windows_packages[@]}") ;;
  *) echo "usage: $0 [host|all]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
