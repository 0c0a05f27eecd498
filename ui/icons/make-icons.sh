#!/usr/bin/env bash
# Draws the program's icons (32 x 32 PNG) with ImageMagick. Run it again after
# changing a drawing; the PNG files are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")"

icon() {  # icon <name> <draw commands...>
  local name="$1"; shift
  convert -size 32x32 xc:none -strokewidth 2 "$@" -define png:exclude-chunks=date,time "$name.png"
}

paper=(-fill white -stroke '#44546a' -draw 'path "M 7,3 L 20,3 L 26,9 L 26,29 L 7,29 Z"' -fill '#c8d3e0' -draw 'path "M 20,3 L 20,9 L 26,9 Z"')
icon new "${paper[@]}" -stroke '#2e7d32' -strokewidth 3 -draw 'line 16,14 16,24' -draw 'line 11,19 21,19'
icon open -fill '#f2c14e' -stroke '#8a6d1f' -draw 'path "M 3,8 L 12,8 L 14,11 L 28,11 L 28,27 L 3,27 Z"' -fill '#f7d98b' -draw 'path "M 6,15 L 31,15 L 28,27 L 3,27 Z"'
floppy=(-fill '#3a6ea5' -stroke '#1f3d5c' -draw 'roundrectangle 3,3 28,28 3,3' -fill white -stroke none -draw 'rectangle 8,4 23,13' -fill '#1f3d5c' -draw 'rectangle 18,6 21,11' -fill '#dfe7f1' -draw 'rectangle 7,18 24,27')
icon save "${floppy[@]}"
icon save-as "${floppy[@]}" -stroke '#c0392b' -strokewidth 3 -draw 'line 20,30 30,20'
icon exit -fill '#e9eef4' -stroke '#44546a' -draw 'rectangle 4,4 18,28' -stroke '#c0392b' -strokewidth 3 -draw 'line 13,16 28,16' -draw 'line 23,11 28,16' -draw 'line 23,21 28,16'
icon solve -fill '#fff3c4' -stroke '#8a6d1f' -draw 'roundrectangle 2,5 29,26 4,4' -fill '#8a6d1f' -stroke none -font DejaVu-Sans-Bold -pointsize 15 -draw 'text 5,21 "x="' -fill '#2e7d32' -draw 'text 21,21 "?"'
icon about -fill '#3a6ea5' -stroke '#1f3d5c' -draw 'circle 16,16 16,2' -fill white -stroke none -font DejaVu-Serif-Bold -pointsize 20 -draw 'text 12,25 "i"'
icon params -fill '#7a8699' -stroke '#3d4654' -draw 'circle 16,16 16,5' -fill white -draw 'circle 16,16 16,11' -stroke '#3d4654' -strokewidth 3 -draw 'line 16,1 16,5' -draw 'line 16,27 16,31' -draw 'line 1,16 5,16' -draw 'line 27,16 31,16'
icon report-clear "${paper[@]}" -stroke '#c0392b' -strokewidth 3 -draw 'line 10,13 23,26' -draw 'line 23,13 10,26'
icon report-save "${paper[@]}" -stroke '#44546a' -strokewidth 1 -draw 'line 10,13 22,13' -draw 'line 10,17 22,17' -fill '#3a6ea5' -stroke '#1f3d5c' -strokewidth 2 -draw 'rectangle 16,19 29,30'
icon clear -fill '#f08a8a' -stroke '#8e2b2b' -draw 'path "M 4,20 L 16,8 L 27,19 L 18,28 L 10,28 Z"' -fill white -draw 'path "M 4,20 L 10,14 L 19,23 L 14,28 L 10,28 Z"'
icon show -fill '#f4f7fb' -stroke '#7a8699' -strokewidth 1 -draw 'rectangle 2,2 29,29' -stroke black -draw 'line 16,3 16,29' -draw 'line 3,16 29,16' -stroke '#1f5fbf' -strokewidth 2 -draw 'line 16,16 26,6' -stroke '#c0392b' -draw 'line 16,16 8,24'
icon cell-edit -fill '#f4f7fb' -stroke '#7a8699' -strokewidth 1 -draw 'rectangle 2,6 29,25' -stroke '#8a6d1f' -strokewidth 3 -draw 'line 10,22 24,8'
icon cell-clear -fill '#f4f7fb' -stroke '#7a8699' -strokewidth 1 -draw 'rectangle 2,6 29,25' -stroke '#c0392b' -strokewidth 3 -draw 'line 10,10 22,22' -draw 'line 22,10 10,22'
arrow() { icon "$1" -fill '#3a6ea5' -stroke '#1f3d5c' -draw "polygon $2"; }
arrow go-first-row '16,4 28,26 4,26'
arrow go-last-row '16,28 28,6 4,6'
arrow go-first-col '4,16 26,4 26,28'
arrow go-last-col '28,16 6,4 6,28'
icon go-edited -fill '#3a6ea5' -stroke '#1f3d5c' -draw 'circle 16,16 16,6'
icon page-eset -fill '#f4f7fb' -stroke '#44546a' -strokewidth 1 -draw 'rectangle 2,4 29,27' -draw 'line 2,11 29,11' -draw 'line 2,19 29,19' -draw 'line 11,4 11,27' -draw 'line 20,4 20,27'
icon page-roots -fill none -stroke black -strokewidth 1 -draw 'line 16,2 16,30' -draw 'line 2,16 30,16' -stroke '#1f5fbf' -strokewidth 3 -draw 'line 16,16 27,6' -draw 'line 16,16 6,9' -stroke '#c0392b' -draw 'line 16,16 22,27'
icon page-report "${paper[@]}" -stroke '#44546a' -strokewidth 1 -draw 'line 10,13 23,13' -draw 'line 10,17 23,17' -draw 'line 10,21 23,21' -draw 'line 10,25 18,25'
icon linsys -fill '#fdfdfd' -stroke '#1f3d5c' -draw 'roundrectangle 1,1 30,30 5,5' -stroke '#9aa7b8' -strokewidth 1 -draw 'line 16,4 16,28' -draw 'line 4,16 28,16' -stroke '#1f5fbf' -strokewidth 3 -draw 'line 16,16 26,6' -stroke '#c0392b' -draw 'line 16,16 7,11' -stroke '#2e7d32' -draw 'line 16,16 20,27'
