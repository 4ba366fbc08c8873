# Shared by the scripts that pack a program and run it.
#
# run COMMAND...: runs a command with its output in ./out and ./err; a skip
# (77 with a "skipped:" line) ends the script as skipped, any other failure
# ends it as failed.
run() {
  "$@" >out 2>err
  local status=$?
  if [ "$status" -eq 77 ] && grep -q '^skipped:' out; then
    cat out
    exit 77
  fi
  if [ "$status" -ne 0 ]; then
    echo "FAIL: exit status $status from: $*"
    cat out err
    exit 1
  fi
}

# require_packer PACKER...: skips when the packer (the last word) is not built.
require_packer() {
  local program="${*: -1}"
  if [ ! -f "$program" ]; then
    echo "skipped: there is no packer at $program; build it first"
    exit 77
  fi
}

# enter_work_folder PROGRAM INI NAME: makes a folder that is removed on exit,
# copies PROGRAM into it as NAME (with the program's extension) and INI as
# embedded.ini, and changes into it. Sets `packed` to the program's name there.
enter_work_folder() {
  local program="$1" ini="$2" name="$3" extension=""
  case "$program" in *.exe) extension=".exe" ;; esac
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  packed="$name$extension"
  cp "$program" "$work/$packed"
  cp "$ini" "$work/embedded.ini"
  cd "$work" || exit 1
}
