#!/usr/bin/env bash
# The Wine side of running and testing Hanaroku.
#   wine-env.sh setup              create the prefix (once) and map the fonts
#   wine-env.sh run-tests EXE      run a test program headless, bounded in time
#   wine-env.sh start EXE [ARGS]   start the program on the current display
#   wine-env.sh cleanup            stop the prefix's wineserver and remove a test prefix
# The prefix is $HANAROKU_WINEPREFIX, by default ./wineprefix (a throw-away
# prefix inside the build directory when run by ctest).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${HANAROKU_WINEPREFIX:-$PWD/wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=ja_JP.UTF-8
export LC_ALL=
limit="${HANAROKU_WINE_TIMEOUT:-240}"

headless() {
  # A private X server for one command.
  if [ -n "${DISPLAY:-}" ] && [ -z "${HANAROKU_HEADLESS:-}" ]; then "$@"; else
    xvfb-run -a -s "-screen 0 1024x768x24" "$@"; fi
}

prefix_registry() {
  # The window's faces are the classic Japanese Windows fonts; on a machine
  # without them, show the IPA fonts in their place. A vertical face is
  # looked up under its "@" name, so each needs an "@" entry of its own:
  # without one, a vertical "ＭＳ 明朝" pane would draw a Gothic face.
  # The Wine suite's windows are not left to a window manager: Xvfb has
  # none, and Wine would wait two seconds for one at every window shown.
  # Imported again whenever the list changes (a prefix made before).
  local reg="$WINEPREFIX/hanaroku-fonts.reg" pairs=(
    'ＭＳ 明朝=IPAMincho' 'ＭＳ Ｐ明朝=IPAPMincho' 'ＭＳ ゴシック=IPAGothic' 'ＭＳ Ｐゴシック=IPAPGothic'
    'MS Mincho=IPAMincho' 'MS PMincho=IPAPMincho' 'MS Gothic=IPAGothic' 'MS PGothic=IPAPGothic'
    'MS UI Gothic=IPAPGothic')
  local p entries=()
  for p in "${pairs[@]}"; do
    entries+=("\"${p%%=*}\"=\"${p#*=}\"" "\"@${p%%=*}\"=\"@${p#*=}\"")
  done
  {
    printf '\xff\xfe'
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
      '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
      "${entries[@]}" \
      '"MS Shell Dlg"="IPAPGothic"' '"MS Shell Dlg 2"="IPAPGothic"' '"Tahoma"="IPAPGothic"' \
      '"Times New Roman"="Liberation Serif"' '' \
      '[HKEY_CURRENT_USER\Software\Wine\AppDefaults\hanaroku_win32_tests.exe\X11 Driver]' \
      '"Managed"="N"' '' | iconv -f UTF-8 -t UTF-16LE
  } >"$reg.new"
  if cmp -s "$reg.new" "$reg"; then rm -f "$reg.new"; return 0; fi
  mv "$reg.new" "$reg"
  wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
}

case "${1:-}" in
  setup)
    if [ ! -f "$WINEPREFIX/.hanaroku-ready" ]; then
      mkdir -p "$WINEPREFIX"
      headless timeout "$limit" wineboot -i >/dev/null 2>&1 || true
      touch "$WINEPREFIX/.hanaroku-ready"
    fi
    prefix_registry
    wineserver -w || true
    echo "wine prefix ready: $WINEPREFIX"
    ;;
  run-tests)
    shift
    exe="$1"; shift
    [ -f "$exe" ] || { echo "missing $exe" >&2; exit 1; }
    HANAROKU_HEADLESS=1 headless timeout -k 10 "$limit" wine "$exe" "$@"
    ;;
  start)
    shift
    headless wine "$@"
    ;;
  cleanup)
    wineserver -k 2>/dev/null || true
    case "$WINEPREFIX" in
      */build/*) rm -rf "$WINEPREFIX" ;;
    esac
    ;;
  *)
    echo "usage: $0 setup|run-tests EXE|start EXE [ARGS]|cleanup" >&2
    exit 2
    ;;
esac
