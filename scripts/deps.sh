#!/usr/bin/env bash
# Installs what building, running and testing Hanaroku need on Debian.
# Safe to run again: it installs only what is missing.
set -euo pipefail

native_pkgs=(cmake make g++ googletest clang libclang-rt-14-dev)
win_pkgs=(locales g++-mingw-w64-i686 wine wine32:i386 xvfb xauth x11-utils xdotool imagemagick unzip fonts-ipafont fonts-liberation)
# The browser check of the generated pages.
browser_pkgs=(chromium chromium-driver python3-selenium)

want=("${native_pkgs[@]}")
[ "${1:-}" = "--native-only" ] || want+=("${win_pkgs[@]}" "${browser_pkgs[@]}")

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
ensure_locale() {
  # Wine takes its file-name encoding from the locale: Japanese names need a
  # UTF-8 Japanese locale that really exists.
  [ "${1:-}" = "--native-only" ] && return 0
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "The ja_JP.UTF-8 locale is missing; run as root to generate it." >&2
    return 1
  fi
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
}

if [ ${#missing[@]} -eq 0 ]; then
  ensure_locale "${1:-}"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}; run as root (or with sudo) to install them." >&2
  exit 1
fi
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
ensure_locale "${1:-}"
