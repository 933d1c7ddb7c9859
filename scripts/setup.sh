#!/usr/bin/env bash
# Installs what the build needs (Debian 12) and builds everything into build/.
# Once everything is installed it calls neither apt nor sudo, so any user can
# build and start the program.
set -euo pipefail
cd "$(dirname "$0")/.."

# Real package names (no virtual ones: dpkg never reports those as installed).
# DejaVu Sans is the proportional UI font the program is laid out with; the
# window tests run on a headless X server under a window manager, some of them
# on two monitors that xrandr sets.
packages=(build-essential cmake ninja-build
          qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-serialport-dev
          qt6-translations-l10n qt6-qpa-plugins libgl-dev
          fonts-dejavu-core fonts-liberation
          xvfb xauth openbox x11-xserver-utils libxcb1-dev)

missing=()
for p in "${packages[@]}"; do
  [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] || missing+=("$p")
done

# Runs apt-get as root, non-interactively (through sudo when needed).
apt_als_root() {
  if [ "$(id -u)" -eq 0 ]; then
    env DEBIAN_FRONTEND=noninteractive apt-get "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo env DEBIAN_FRONTEND=noninteractive apt-get "$@"
  else
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them as root (apt-get install ${missing[*]}) and run this again." >&2
    exit 1
  fi
}

if [ ${#missing[@]} -gt 0 ]; then
  apt_als_root update -q
  apt_als_root install -y -q "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
