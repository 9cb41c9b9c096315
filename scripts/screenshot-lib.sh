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
# main_window_geometry then sets geom ("WxH+X+Y"), w, h, wx and wy of it;
# after it, client_origin finds the corner of the client area (cx, cy in the
# window, ox, oy on the screen; fails when it is not found), and click X Y
# clicks at X, Y from that corner. window_origin does all of that for the
# tests that work the window with the mouse, keeping geometry and corner
# for read_window after the run; log appends to the log that run_shot shows.
cat >"$work/start.sh" <<'EOS'
log() { echo "$*" >>"$work/log.txt"; }
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
# The grip of NNBar1 has its first ridge 2 pixels in from the client area's
# left and 3 down from its top (a light line over a shadow line three pixels
# to its right).
client_origin() {
  import -window root "$work/start.png"
  read -r cx cy < <(convert "$work/start.png" -crop "40x80+$wx+$wy" +repage txt:- | awk -F'[,: ]+' '
    NR > 1 && match($0, /#[0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F]/) { c[$1 "," $2] = substr($0, RSTART, RLENGTH) }
    END {
      for (y = 0; y < 80; y++) for (x = 0; x < 30; x++)
        if (c[x "," y] == "#FFFFFF" && c[(x+2) "," y] == "#A6A6A6" && c[(x+3) "," y] == "#FFFFFF" &&
            c[(x+5) "," y] == "#A6A6A6" && c[x "," (y+1)] == "#FFFFFF" && c[(x+2) "," (y-1)] != "#A6A6A6") {
          print x - 2, y - 3; exit
        }
    }')
  [ -n "${cx:-}" ] || return 1
  ox=$((wx + cx)) oy=$((wy + cy))
}
click() { xdotool mousemove "$((ox + $1))" "$((oy + $2))" click 1; sleep 1; }
window_origin() {
  sleep 3
  main_window_geometry
  echo "$geom" >"$work/geom.txt"
  client_origin
  log "client corner in the window: ${cx:-?},${cy:-?}"
  [ -n "${cx:-}" ] || return 1
  echo "$ox $oy" >"$work/origin.txt"
}
EOS

# Runs $work/shot.sh, which the caller writes (it sources start.sh), in Xvfb
# with the scratch folder, the poem's Windows path and the picture to take:
#   run_shot OUT_PNG
run_shot() {
  chmod +x "$work/shot.sh"
  timeout -k 10 200 xvfb-run -a -s "-screen 0 1024x768x24" "$work/shot.sh" "$work" "$winpoem" "$1"
  cat "$work/log.txt" 2>/dev/null || true
}
# After a run that called window_origin: the window's w, h, x and y on the
# screen and the client area's corner ox, oy; fails when it was not found.
read_window() {
  [ -f "$work/origin.txt" ] || return 1
  read -r ox oy <"$work/origin.txt"
  local geom rest
  geom=$(cat "$work/geom.txt")
  w=${geom%%x*}; rest=${geom#*x}; h=${rest%%+*}; rest=${rest#*+}; x=${rest%%+*}; y=${rest#*+}
}
