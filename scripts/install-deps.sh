#!/usr/bin/env bash
# Installs every package needed to build, run and test the reader on Debian 12, skipping what is
# already there. Safe to run again; needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libpcre2-dev libstemmer-dev
  qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev
  clang libclang-rt-14-dev
  qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  xvfb xauth xdotool fonts-dejavu-core
  ripgrep poppler-utils
  scdoc man-db desktop-file-utils appstream dpkg-dev lintian file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
