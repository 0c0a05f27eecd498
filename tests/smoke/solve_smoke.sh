#!/usr/bin/env bash
# Drives the real program in a real X window: a new random system from the
# New dialog, Solve with F9, the information box, the roots page. Leaves a
# screenshot of the main window in the given file.
LINSYS="$1"
screenshot="$2"
source "$(dirname "$0")/xvfb_session.sh"

# Gives a window the keyboard (there is no window manager to do it).
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; sleep 0.3; }
wait_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# Waits until no visible window has the name; false after 20 s.
wait_gone() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

start_program
[ -n "$main_window" ] || fail "the main window did not appear"

focus "$main_window"
xdotool key ctrl+n
dialog="$(wait_window "Параметры для новой системы уравнений")"
[ -n "$dialog" ] || fail "the New dialog did not open"
focus "$dialog"
xdotool mousemove --window "$dialog" 30 115 click 1  # "Сформировать случайную систему ..."
sleep 0.3
xdotool key Return
wait_gone "Параметры для новой системы уравнений" || fail "the New dialog stayed open"

focus "$main_window"
xdotool key F9
box="$(wait_window "^Информация$")"
[ -n "$box" ] || fail "no information box after the solve"
focus "$box"
xdotool key Return
wait_gone "^Информация$" || fail "the information box stayed open"
focus "$main_window"

caption="$(xdotool getwindowname "$main_window")"
[ "$caption" = " v.1.04. Система линейных уравнений файл : (отсутствует)" ] || fail "caption is '$caption'"

# The roots page shows the vector panel's light grey picture (given a moment
# to repaint on a busy machine).
for _ in $(seq 10); do
  import -window "$main_window" "$screenshot"
  grey="$(convert "$screenshot" -fill black +opaque "rgb(200,200,200)" -fill white -opaque "rgb(200,200,200)" \
          -format "%[fx:round(mean*w*h)]" info:)"
  [ "$grey" -gt 50000 ] && break
  sleep 0.5
done
[ "$grey" -gt 50000 ] || fail "the roots page is not shown ($grey light grey pixels)"
echo "PASS: solved from the keyboard, roots page shown; screenshot $screenshot"
