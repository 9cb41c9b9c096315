# Shared by the screenshot tests (sourced): the Wine environment, a scratch
# folder holding a fresh copy of the program (no settings file: a first run)
# and the poem, removed at the end; $work and $winpoem for the caller.
#   . screenshot-lib.sh HANAROKU_EXE POEM_FILE SCRATCH_PREFIX
export WINEPREFIX="${HANAROKU_WINEPREFIX:-$PWD/wineprefix}" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" LANG=ja_JP.UTF-8 LC_ALL=
work=$(mktemp -d "$PWD/$3.XXXXXX")
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$1" "$work/hanaroku.exe"
cp "$2" "$work/poem.txt"
winpoem=$(winepath -w "$work/poem.txt")

# The part that runs inside Xvfb, written into $work/start.sh: starts the
# program with the poem (Wine drawing the frame and caption itself, as no
# window manager runs) and waits until its window is captioned with the poem.
# main_window_geometry then sets geom ("WxH+X+Y"), w, h, wx and wy of it.
cat >"$work/start.sh" <<'EOS'
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine "$work/hanaroku.exe" "$winpoem" >/dev/null 2>&1 &
for _ in $(seq 1 90); do
  sleep 1
  if xwininfo -root -tree 2>/dev/null | grep -F -q "poem.txt\""; then break; fi
done
main_window_geometry() {
  local line rest
  line=$(xwininfo -root -tree | grep -F "poem.txt\"" | head -n 1)
  geom=$(grep -o -E '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' <<<"$line" | head -n 1)
  w=${geom%%x*}; rest=${geom#*x}; h=${rest%%+*}; rest=${rest#*+}; wx=${rest%%+*}; wy=${rest#*+}
}
EOS
