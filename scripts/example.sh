#!/usr/bin/env bash
# Installs what is missing, builds the Linux launcher and starts the example
# program through it, as a product would ship it: the launcher renamed to
# the product's name with its ini beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh host
cmake --preset host >/dev/null
cmake --build --preset host --target tarn >/dev/null

app=$(mktemp -d)
trap 'rm -rf "$app"' EXIT
cp build/host/tarn "$app/hello"
cp examples/hello/hello.ini "$app/hello.ini"
javac -d "$app/classes" examples/hello/Hello.java

echo "running: hello world \"from tarn\""
set +e
(cd "$app" && ./hello world "from tarn")
status=$?
set -e
echo "hello exited with code $status"
