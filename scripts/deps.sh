#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build Tessaflow, run its tests and
# drive its GUI checks. Only missing packages are installed; silent otherwise.
set -euo pipefail

packages=(
  cmake ninja-build g++ qt6-base-dev
  libfontconfig-dev     # read ahead of Qt at start-up
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n   # lupdate/lrelease, and Qt's own texts in other languages
  pkg-config libxcb1-dev libxcb-keysyms1-dev   # the show/hide key's grab on X11
  dbus-daemon python3-dbus python3-gi          # a stand-in desktop portal for the tests
  libqt6svg6            # SVG icon engine plugin (Debian 12 has no qt6-svg-plugins)
  breeze-icon-theme
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox trayer xdotool x11-utils
  imagemagick xdg-utils
  xclip                 # the X clipboard from the end-to-end run
  x11-xserver-utils     # xrandr: two monitors on one X screen for the end-to-end run
  dbus python3-dbus python3-gi   # a private session bus and a stand-in tray watcher
  at-spi2-core python3-pyatspi   # the accessibility bus and a screen reader's view of it
  weston qt6-wayland    # a Wayland session (on Xvfb) and Qt's platform for it
  libglib2.0-bin        # gio, which starts desktop entries
  appstream desktop-file-utils   # checks of the installed metadata
  dpkg-dev file         # cpack -G DEB
  clang libclang-rt-14-dev   # the fuzz target: libFuzzer and the sanitizer runtimes
)

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$pkg")
done
((${#missing[@]} == 0)) && exit 0

if ((EUID == 0)); then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "deps.sh: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi

echo "deps.sh: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q "${missing[@]}"
