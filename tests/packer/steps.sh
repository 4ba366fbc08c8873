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
