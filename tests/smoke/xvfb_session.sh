# Shared by the smoke tests: starts a private Xvfb server and the program in
# it, and cleans both up on exit. Sourced; expects $LINSYS to be the program.
set -euo pipefail

work="$(mktemp -d)"
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

start_program() {
  "$LINSYS" >"$work/linsys.log" 2>&1 &
  app_pid=$!
  main_window="$(timeout 20 xdotool search --sync --onlyvisible --name "Система линейных уравнений" | head -n 1)"
}

fail() {
  echo "FAIL: $*"
  cat "$work/linsys.log" || true
  exit 1
}
