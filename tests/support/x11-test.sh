#!/bin/sh
# Runs a test program on a headless X server of 1366 x 768 pixels (the most
# common laptop screen) under a window manager that frames and stacks windows
# the way a desktop does. Usage: x11-test.sh <program> [arguments]
for p in xvfb-run openbox; do
  command -v "$p" >/dev/null || { echo "x11-test: $p is missing, run scripts/setup.sh" >&2; exit 1; }
done
exec xvfb-run -a -s '-screen 0 1366x768x24 -nolisten tcp' sh -c '
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  QT_QPA_PLATFORM=xcb "$@"
  rc=$?
  kill $wm
  exit $rc' x11-test "$@"
