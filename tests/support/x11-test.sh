#!/bin/sh
# Runs a test program on a headless X server of 1366 x 768 pixels (the most
# common laptop screen), or of the size given, under a window manager that
# frames and stacks windows the way a desktop does. With --two-monitors the
# X server's one screen is two such monitors side by side (RandR monitors, as
# a laptop with an external screen has them), the right one the primary.
# Usage: x11-test.sh [--screen <width>x<height>] [--two-monitors] <program> [arguments]
SCHIRM=1366x768
ZWEI=
while :; do
  case "$1" in
    --screen) SCHIRM=$2; shift 2 ;;
    --two-monitors) ZWEI=1; shift ;;
    *) break ;;
  esac
done
for p in xvfb-run openbox ${ZWEI:+xrandr}; do
  command -v "$p" >/dev/null || { echo "x11-test: $p is missing, run scripts/setup.sh" >&2; exit 1; }
done
BREITE=${SCHIRM%x*}
HOEHE=${SCHIRM#*x}
GESAMT=$SCHIRM
[ -n "$ZWEI" ] && GESAMT=$((2 * BREITE))x$HOEHE
BEREIT=$(mktemp -d)/bereit
export BEREIT ZWEI BREITE HOEHE
trap 'rm -rf "$(dirname "$BEREIT")"' EXIT
# The monitors are set before the window manager starts, and the X server
# keeps them (-noreset) when the client that set them is gone. The program
# starts once the window manager has started (its start command ran).
xvfb-run -a -s "-screen 0 ${GESAMT}x24 -nolisten tcp -noreset" sh -c '
  if [ -n "$ZWEI" ]; then
    mm="$((BREITE * 254 / 960))x$((HOEHE * 254 / 960))"
    monitor() { echo "$BREITE/${mm%x*}x$HOEHE/${mm#*x}+$1+0"; }
    xrandr --setmonitor links "$(monitor 0)" screen >/dev/null &&
      xrandr --setmonitor "*rechts" "$(monitor "$BREITE")" none ||
      { echo "x11-test: the X server took no monitors" >&2; exit 1; }
  fi
  openbox --sm-disable --startup "touch $BEREIT" >/dev/null 2>&1 &
  wm=$!
  n=0
  while [ ! -e "$BEREIT" ] && [ $n -lt 300 ]; do sleep 0.1; n=$((n + 1)); done
  QT_QPA_PLATFORM=xcb "$@"
  rc=$?
  kill $wm
  exit $rc' x11-test "$@"
