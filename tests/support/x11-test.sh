#!/bin/sh
# Runs a test program on a headless X server of 1366 x 768 pixels (the most
# common laptop screen), or of the size given, under a window manager that
# frames and stacks windows the way a desktop does.
# Usage: x11-test.sh [--screen <width>x<height>] <program> [arguments]
SCHIRM=1366x768
if [ "$1" = --screen ]; then
  SCHIRM=$2
  shift 2
fi
for p in xvfb-run openbox; do
  command -v "$p" >/dev/null || { echo "x11-test: $p is missing, run scripts/setup.sh" >&2; exit 1; }
done
BEREIT=$(mktemp -d)/bereit
export BEREIT
trap 'rm -rf "$(dirname "$BEREIT")"' EXIT
# The program starts once the window manager has started (its start command ran).
xvfb-run -a -s "-screen 0 ${SCHIRM}x24 -nolisten tcp" sh -c '
  openbox --sm-disable --startup "touch $BEREIT" >/dev/null 2>&1 &
  wm=$!
  n=0
  while [ ! -e "$BEREIT" ] && [ $n -lt 300 ]; do sleep 0.1; n=$((n + 1)); done
  QT_QPA_PLATFORM=xcb "$@"
  rc=$?
  kill $wm
  exit $rc' x11-test "$@"
