#!/bin/sh
# Runs a test program on a headless X server of 1366 x 768 pixels (the most
# common laptop screen), or of the size given, under a window manager that
# frames and stacks windows the way a desktop does. With --monitors the X
# server's one screen is that many such monitors side by side (RandR monitors,
# as a laptop with external screens has them), named monitor1, monitor2, ...
# from the left, the one given by --primary (else the rightmost) the primary.
# --screen may give each monitor's size, comma-separated from the left.
# Usage: x11-test.sh [--screen <width>x<height>[,...]] [--monitors <n>] [--primary <n>] <program> [arguments]
SCHIRM=1366x768
ANZAHL=1
PRIMAER=
while :; do
  case "$1" in
    --screen) SCHIRM=$2; shift 2 ;;
    --monitors) ANZAHL=$2; shift 2 ;;
    --primary) PRIMAER=$2; shift 2 ;;
    *) break ;;
  esac
done
# One size for each monitor: the last one given stands for the rest.
GROESSEN=
n=1
while [ $n -le "$ANZAHL" ] || [ -z "$GROESSEN" ]; do
  g=$(echo "$SCHIRM" | cut -d, -f$n)
  [ -n "$g" ] && letzte=$g
  GROESSEN="$GROESSEN $letzte"
  n=$((n + 1))
done
[ "$ANZAHL" -gt 1 ] || ANZAHL=
for p in xvfb-run openbox ${ANZAHL:+xrandr}; do
  command -v "$p" >/dev/null || { echo "x11-test: $p is missing, run scripts/setup.sh" >&2; exit 1; }
done
BREITE=0
HOEHE=0
for g in $GROESSEN; do
  BREITE=$((BREITE + ${g%x*}))
  [ "${g#*x}" -gt "$HOEHE" ] && HOEHE=${g#*x}
done
BEREIT=$(mktemp -d)/bereit
export BEREIT ANZAHL GROESSEN PRIMAER
trap 'rm -rf "$(dirname "$BEREIT")"' EXIT
# The monitors are set before the window manager starts, and the X server
# keeps them (-noreset) when the client that set them is gone. The program
# starts once the window manager has started (its start command ran).
xvfb-run -a -s "-screen 0 ${BREITE}x${HOEHE}x24 -nolisten tcp -noreset" sh -c '
  if [ -n "$ANZAHL" ]; then
    x=0
    n=1
    for g in $GROESSEN; do
      w=${g%x*}
      h=${g#*x}
      # At 96 dpi, as Xvfb has its screen.
      geometrie="$w/$((w * 254 / 960))x$h/$((h * 254 / 960))+$x+0"
      name=monitor$n
      if [ "$n" = "${PRIMAER:-$ANZAHL}" ]; then name="*$name"; fi
      ausgang=none
      if [ $n = 1 ]; then ausgang=screen; fi
      xrandr --setmonitor "$name" "$geometrie" $ausgang >/dev/null ||
        { echo "x11-test: the X server took no monitors" >&2; exit 1; }
      x=$((x + w))
      n=$((n + 1))
    done
  fi
  openbox --sm-disable --startup "touch $BEREIT" >/dev/null 2>&1 &
  wm=$!
  n=0
  while [ ! -e "$BEREIT" ] && [ $n -lt 300 ]; do sleep 0.1; n=$((n + 1)); done
  QT_QPA_PLATFORM=xcb "$@"
  rc=$?
  kill $wm
  exit $rc' x11-test "$@"
