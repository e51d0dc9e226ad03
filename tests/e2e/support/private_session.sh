#!/bin/sh
# Runs a test program on a session bus of its own and with a runtime folder of its own. The
# accessibility bus, which the session bus starts on demand, puts its socket in the runtime
# folder (in ~/.cache when none is set): tests that run at once must not share it, or the one
# whose bus ends first takes the other's socket with it.
runtime=$(mktemp -d) || exit 1
XDG_RUNTIME_DIR=$runtime dbus-run-session -- "$@"
status=$?
rm -rf "$runtime"
exit $status
