# Shared by the end-to-end scripts of Corvane Lumetra.exe; sourced, not run.
# The caller sets: wine_run, root (the Wine test root), exe, and optionally
# LUMETRA_TEST_HOME.

# Runs the calling script again on a private X display at 96 DPI when there is
# no display. Wine binds the prefix's desktop to one X display, so windowed
# tests share the run's display and take turns (RESOURCE_LOCK wine_desktop).
own_display() {
  if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" sh "$@"
  fi
}

# Starts the program in the background (its output in LOG); sets pid.
start_program() {
  "$wine_run" "$root" "$1" >"$2" 2>&1 &
  pid=$!
}

# Ends the program if it still runs and waits for it.
stop_program() {
  [ -n "${pid:-}" ] || return 0
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
}

# Waits up to 60 s for a visible window whose name holds TEXT; sets wid.
# Polled every tenth of a second, so that a start can be timed by it.
wait_window() {
  wid=
  for _ in $(seq 600); do
    wid=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$wid" ] && return 0
    sleep 0.1
  done
  echo "FAIL: no window titled $1"
  return 1
}

# Clicks at a point of the window's client area, in pixels.
click_at() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }
