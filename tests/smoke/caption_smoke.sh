#!/usr/bin/env bash
# Starts the real program in a real X window and reads its caption.
LINSYS="$1"
source "$(dirname "$0")/xvfb_session.sh"

start_program
[ -n "$main_window" ] || fail "the main window did not appear"
caption="$(xdotool getwindowname "$main_window")"
expected=" v.1.04. Система линейных уравнений файл : (отсутствует)"
[ "$caption" = "$expected" ] || fail "caption is '$caption'"
geometry="$(xdotool getwindowgeometry "$main_window")"
echo "$geometry"
echo "PASS: caption '$caption'"
