#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the installed game need,
# when they are missing. As root it uses apt-get; otherwise it prints the exact
# commands (for root, and with sudo) that install the same, and stops.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libwxgtk3.2-dev libgtk-3-dev libsdl2-dev libsdl2-mixer-dev
  xvfb xauth fonts-dejavu-core zip
  librsvg2-bin librsvg2-common libx11-dev libxtst-dev xdg-utils
  desktop-file-utils appstream xdotool x11-utils
  # The desktops the window tests stand in for: a Wayland compositor, a window
  # manager that draws its own title bars, and a German locale built from
  # these sources (GTK's own German texts come with GTK, wx's with wx3.2-i18n).
  weston openbox locales wx3.2-i18n
  # llvm brings llvm-symbolizer: without it a fuzzer's report names no
  # function and no line.
  clang libclang-rt-14-dev clang-format llvm
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

# Only what is listed here: recommended packages stay out, so the list names
# everything the game and its tests need (GTK's SVG loader, librsvg2-common,
# for the theme's symbols, for one).
install=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
  # On a fresh machine this downloads some 360 MB and unpacks them: minutes
  # in which apt's own lines (every package fetched, unpacked and set up) show
  # that it is under way, with a terminal or without.
  echo "Installing: ${missing[*]}"
  echo "On a fresh machine this takes a few minutes; apt-get says what it fetches."
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  "${install[@]}"
else
  echo "These packages are missing. Install them as root with:" >&2
  echo "  apt-get update && ${install[*]}" >&2
  echo "or with sudo:" >&2
  echo "  sudo apt-get update && sudo ${install[*]}" >&2
  exit 1
fi
