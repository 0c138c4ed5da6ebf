#!/usr/bin/env bash
# End-to-end test: installs the built program into a temporary prefix and
# drives the installed binary on a virtual X screen (drive.py).
#
# Usage: run_e2e.sh [--screenshot FILE] BUILD_DIR
#   --screenshot FILE  also save the window, with the typed texts, to FILE
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
screenshot=()
if [ "${1:-}" = "--screenshot" ]; then
  screenshot=(--screenshot "$(realpath -m "$2")")
  shift 2
fi
build=${1:?usage: run_e2e.sh [--screenshot FILE] BUILD_DIR}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null

# Qt wants a UTF-8 locale and a private runtime folder, or it warns.
if [ -z "${LANG:-}" ] && [ -z "${LC_ALL:-}" ]; then export LANG=C.UTF-8; fi
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
# The test runner selects the offscreen platform for unit tests; this one
# needs the real X11 one.
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_FATAL_WARNINGS=1
# The driver's xclip and the program take the X selections in turn; when the
# program handles a queued copy after xclip took the selection, the X server
# rightly refuses the older claim and the toolkit warns. That race is the
# driver's, not the program's, and must not end the program.
export QT_LOGGING_RULES="qt.qpa.clipboard.warning=false"

# The distribution's Python carries the AT-SPI bindings.
xvfb-run -a -s "-screen 0 1024x768x24" \
  dbus-run-session -- /usr/bin/python3 "$here/drive.py" "${screenshot[@]}" \
  "$work/prefix/bin/numoria"
