#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Every screen opened on a 1024 by 600 netbook under a real window manager (Openbox, as in LXDE
# and LXQt): the window, with the frame and title bar the window manager gives it, must lie wholly
# on the display, so that its title, its close button and its dragging are there.
#   window_placement.sh OPEN_SCREEN WITH_XVFB
# The frame is read back from the X server: the window's place (xwininfo) and the frame's extents
# the window manager sets on it (_NET_FRAME_EXTENTS).
set -euo pipefail

open_screen=${1:?usage: window_placement.sh OPEN_SCREEN WITH_XVFB}
with_xvfb=${2:?usage: window_placement.sh OPEN_SCREEN WITH_XVFB}
if [ -z "${DISPLAY:-}" ] || [ -z "${KALYXTERON_PLACEMENT_SESSION:-}" ]; then
    export KALYXTERON_PLACEMENT_SESSION=1
    exec "$with_xvfb" --window-manager --screen 1024x600 "$0" "$@"
fi

say() { echo "window_placement: $*"; }
die() { say "FAILED: $*" >&2; exit 1; }
wait_s=60 # a hang, not slowness: a screen that never shows

screens=(frminfo frmclasA frmclassB frmbase odigies frmmakers paixnidi
         dimploma0 dimploma1 dimploma2 dimploma4 dimploma5 dimploma6 dimplomamaskot)
read -r display_w display_h < <(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
unset QT_QPA_PLATFORM
export LC_ALL=C.UTF-8

# The program's windows on show, one id a line.
windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }
frame_extents() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' '; }

for screen in "${screens[@]}"; do
    "$open_screen" "$screen" >/dev/null 2>&1 &
    program=$!
    deadline=$((SECONDS + wait_s))
    window=
    while [ -z "$window" ]; do
        [ $SECONDS -lt $deadline ] || { kill $program; die "$screen never showed"; }
        for id in $(windows_of $program); do
            name=$(xdotool getwindowname "$id" 2>/dev/null || true)
            if [ "$name" = Kalyxteron ]; then
                # The greeting a screen opens with: OK, as a pupil presses it.
                xdotool windowactivate --sync "$id" key --clearmodifiers Return 2>/dev/null || true
            elif [ -n "$name" ] && [ -n "$(frame_extents "$id")" ]; then
                window=$id
            fi
        done
        sleep 0.2
    done
    # The window manager has framed it; read where it put the frame.
    IFS=, read -r left right top bottom <<<"$(frame_extents "$window")"
    info=$(xwininfo -id "$window")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/.*Width: *//p' <<<"$info")
    h=$(sed -n 's/.*Height: *//p' <<<"$info")
    fx=$((x - left)) fy=$((y - top)) fw=$((w + left + right)) fh=$((h + top + bottom))
    kill $program
    wait $program 2>/dev/null || true
    placed="frame ${fw}x${fh} at $fx,$fy on a ${display_w}x${display_h} display"
    [ $fx -ge 0 ] && [ $fy -ge 0 ] && [ $((fx + fw)) -le "$display_w" ] && [ $((fy + fh)) -le "$display_h" ] ||
        die "$screen: the $placed is not wholly on it"
    say "$screen: $placed"
done
say "every screen's window lies wholly on the netbook's display: passed"
