#!/usr/bin/env bash
# Installs what Linsys needs to build, run and test on Debian 12, and only
# what is missing; safe to run again. Sourced by run.sh and test.sh.
set -euo pipefail

linsys_packages=(
  g++ make cmake pkg-config
  qt6-base-dev qt6-translations-l10n libjpeg62-turbo-dev
  libgtest-dev googletest libeigen3-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick
  locales
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${linsys_packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "linsys: installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  echo "linsys: all packages present"
fi

# The tests use Russian and English regional formats.
for locale_name in ru_RU en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^${locale_name}\.utf-\?8$"; then
    echo "linsys: generating the ${locale_name}.UTF-8 locale"
    as_root sed -i "s/^# *\(${locale_name}\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${locale_name}\.UTF-8 UTF-8" /etc/locale.gen || echo "${locale_name}.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
  fi
done
