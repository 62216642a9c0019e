#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The beep as a pupil hears it, through a real sound server:
#   beep_sound.sh BEEP_SOUND_PROGRAM COUNT_BELLS WITH_XVFB WITH_PULSEAUDIO
# 1. With no sound server to be found, the program beeps and ends promptly, says nothing, and
#    rings the X bell instead (on an Xvfb server of its own, where count_bells hears the bell).
# 2. A PulseAudio server of the test's own (with-pulseaudio) plays into a null sink whose monitor
#    parec records while the program beeps; sox must find sound in the recording.
# Everything the test starts runs in a folder of its own and is ended, whatever happens.
set -euo pipefail

sink=kalyxteron_test
prompt_ms=3000        # "promptly": a hang would take the sound server's time-outs, 5 s and more
least_peak=0.05       # the bell's own peak is about 0.3; a null sink records exact zeros
least_rms=0.002

say() { echo "beep_sound: $*"; }
die() { say "FAILED: $*" >&2; exit 1; }

work=$(mktemp -d)
started=()
cleanup() {
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Step 2, run inside with-pulseaudio, which has set PULSE_SERVER.
if [ "${1:-}" = --recorded ]; then
    driver=$2
    # Raw samples, readable while they are being written (a WAV file's header is written last).
    parec -d "$sink.monitor" --raw --format=s16le --rate=44100 --channels=2 >"$work/heard.raw" &
    recorder=$!
    started+=("$recorder")
    for _ in $(seq 600); do
        [ -n "$(pactl list short source-outputs)" ] && break
        sleep 0.1
    done
    [ -n "$(pactl list short source-outputs)" ] || die "parec is not recording"

    say "beeping through PulseAudio ($PULSE_SERVER), recording $sink.monitor"
    QT_QPA_PLATFORM=offscreen "$driver" || die "the program failed to beep"
    # The sound reaches the recording when the server and parec get to it: waited for, up to a
    # limit that only a silent beep reaches.
    heard() {
        stat=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/heard.raw" -n stat 2>&1) || return 1
        peak=$(awk '/^Maximum amplitude/ { print $3 }' <<<"$stat")
        rms=$(awk '/^RMS +amplitude/ { print $3 }' <<<"$stat")
        awk -v p="$peak" -v r="$rms" -v lp="$least_peak" -v lr="$least_rms" 'BEGIN { exit !(p >= lp && r >= lr) }'
    }
    for _ in $(seq 300); do
        heard && break
        sleep 0.2
    done
    kill -INT "$recorder"
    wait "$recorder" 2>/dev/null || true
    echo "$stat" | grep -E "Length|Maximum amplitude|RMS +amplitude"
    heard || die "the recording is silent (peak $peak, RMS $rms)"
    say "the beep was heard (peak $peak, RMS $rms): passed"
    exit 0
fi

usage="usage: beep_sound.sh BEEP_SOUND_PROGRAM COUNT_BELLS WITH_XVFB WITH_PULSEAUDIO"
driver=${1:?$usage}
count_bells=${2:?$usage}
with_xvfb=${3:?$usage}
with_pulseaudio=${4:?$usage}
# Nothing of the desktop the test runs in: no X display, no session bus, no sound server but
# the one named below.
unset DISPLAY WAYLAND_DISPLAY PULSE_SERVER PULSE_COOKIE
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work

# 1. No sound server.
say "beeping with no sound server, on an X server"
status=0
PULSE_SERVER=unix:$work/nobody-listens timeout 60 "$with_xvfb" "$count_bells" "$driver" \
    >"$work/none.out" 2>"$work/none.err" || status=$?
cat "$work/none.out"
[ "$status" -eq 0 ] || die "the program failed with status $status ($(cat "$work/none.err"))"
# What the beep and the end kept the program waiting, as it measured them itself: its start-up,
# which a busy machine slows down, is not the beep's.
ms=$(sed -n 's/^beep returned after \([0-9.]*\) ms; the end waited \([0-9]*\) ms.*/\1 \2/p' "$work/none.out" |
    awk '{ printf "%d", $1 + $2 }')
bells=$(sed -n 's/.*bells: \([0-9]*\)$/\1/p' "$work/none.out")
[ -n "$ms" ] && [ -n "$bells" ] || die "the driver or count_bells said nothing"
[ "$ms" -lt "$prompt_ms" ] || die "the beep and the end kept the program waiting $ms ms with no sound server"
[ ! -s "$work/none.err" ] || { cat "$work/none.err" >&2; die "the program wrote messages"; }
[ "$bells" -ge 1 ] || die "no X bell rang in place of the sound"
say "ended by itself, kept waiting $ms ms by the beep, silently, with the X bell: passed"

# 2. A sound server with a null sink, recorded.
"$with_pulseaudio" "$sink" bash "$0" --recorded "$driver"
