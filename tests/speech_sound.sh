#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Greek voice as a pupil hears it, through a real sound server:
#   speech_sound.sh [--wine WINE] SPEECH_SOUND_PROGRAM WITH_PULSEAUDIO
# (with --wine, the Windows program under Wine, whose wave output reaches PulseAudio: steps 1
# and 2 up to the grade A screen's praise word)
# 1. With no sound server to be found, the program speaks, says nothing and ends promptly.
# 2. A PulseAudio server of the test's own (with-pulseaudio) plays into a null sink whose monitor
#    parec records; sox measures where there is sound. A mascot's story is heard for as long as
#    espeak-ng's own reading of the same words lasts (with a wide margin); a story cut half a
#    second in by a praise word is heard for far less than the story; the home screen's greeting,
#    tapped, is heard whole; a right sum checked on the grade A screen is heard as the beep and
#    then the praise word the screen shows; a hundred requests a
#    second leave no queue behind them; a text twenty times a story's length is heard and the
#    program ends promptly; while a screen reader runs (ScreenReaderEnabled on the accessibility
#    bus of a D-Bus session of the test's own) nothing is heard, and when it stops the voice is;
#    the server going away while the voice speaks keeps nothing from ending.
# Everything the test starts runs in a folder of its own and is ended, whatever happens.
set -euo pipefail

sink=kalyxteron_speech
prompt_ms=3000        # "promptly": a hang would take the sound server's time-outs, 5 s and more
wine=()
if [ "${1:-}" = --wine ]; then
    wine=("$2")
    shift 2
    prompt_ms=15000   # Wine itself takes seconds to start and end a program
fi
threshold=1%          # a null sink records exact zeros where nothing plays
story=" Με φωνάζουν ΙΖΥ και προέρχομαι από τη φράση <<what is it?>> (τι είναι αυτό;). Με έφτιαξαν σε ηλεκτρονικό υπολογιστή και είμαι για τους ανθρώπους μια αλλόκοτη μασκότ. Γεννήθηκα στους Ολυμπιακούς Αγώνες του ΛΟΣ ΑΝΤΖΕΛΕΣ το 1996.  "
praise="Μπράβο"

say() { echo "speech_sound: $*"; }
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

# Seconds of a recording from its first sound to its last; and up to its last sound.
extent() { sox "$1" -n silence 1 0.01 "$threshold" reverse silence 1 0.01 "$threshold" reverse stat 2>&1 |
           awk '/^Length/ { print $3 }'; }
until_last() { sox "$1" -n reverse silence 1 0.01 "$threshold" reverse stat 2>&1 | awk '/^Length/ { print $3 }'; }
length() { sox "$1" -n stat 2>&1 | awk '/^Length/ { print $3 }'; }
# espeak-ng's own reading of the words the program gave its voice, measured the same way.
own_extent() { espeak-ng -v el -w "$work/own.wav" -- "$1" && extent "$work/own.wav"; }
check() { awk "BEGIN { exit !($1) }"; }
words_of() { tr -d '\r' <"$1" | sed -n 's/^words: //p'; }

recorder=
record() {
    parec -d "$sink.monitor" --file-format=wav "$1" &
    recorder=$!
    started+=("$recorder")
    for _ in $(seq 100); do
        [ -n "$(pactl list short source-outputs)" ] && return 0
        sleep 0.1
    done
    die "parec is not recording"
}
stop_recording() {
    sleep 0.3
    kill -INT "$recorder"
    wait "$recorder" 2>/dev/null || true
}

# Runs the program with its arguments; it must end by itself within its own wait and prompt_ms,
# with status 0 and nothing on stderr.
run() {
    local name=$1 wait_s=$2
    shift 2
    local start end status=0
    start=$(date +%s%N)
    QT_QPA_PLATFORM=offscreen WINEQT_QPA_PLATFORM=offscreen timeout 60 "${wine[@]}" "$driver" "$@" \
        >"$work/$name.out" 2>"$work/$name.err" || status=$?
    end=$(date +%s%N)
    tr -d '\r' <"$work/$name.out" | grep -v '^words:' || true
    [ "$status" -eq 0 ] || die "$name: the program failed with status $status ($(cat "$work/$name.err"))"
    # Under Wine, with no sound server, Wine's own ALSA driver says it finds no sound card: the
    # host's libasound speaks there, not the program.
    if [ ${#wine[@]} -gt 0 ]; then
        grep -v '^ALSA lib ' "$work/$name.err" >"$work/$name.program.err" || true
        mv "$work/$name.program.err" "$work/$name.err"
    fi
    # Qt's offscreen platform says so of every window it shows: Qt speaks there, not the program.
    grep -v 'does not support propagateSizeHints' "$work/$name.err" >"$work/$name.program.err" || true
    mv "$work/$name.program.err" "$work/$name.err"
    [ ! -s "$work/$name.err" ] || { cat "$work/$name.err" >&2; die "$name: the program wrote messages"; }
    local ms=$(( (end - start) / 1000000 ))
    check "$ms < $wait_s * 1000 + $prompt_ms" || die "$name: the program took $ms ms to end (its own wait: $wait_s s)"
}

# Step 2, run inside with-pulseaudio (PULSE_SERVER set) and a D-Bus session of its own.
if [ "${1:-}" = --recorded ]; then
    driver=$2

    say "a mascot's story through PulseAudio ($PULSE_SERVER)"
    run words 0 say "$story" 0
    own=$(own_extent "$(words_of "$work/words.out")")
    wait_s=$(awk -v o="$own" 'BEGIN { printf "%.1f", o + 2 }')
    record "$work/story.wav"
    run story "$wait_s" say "$story" "$wait_s"
    stop_recording
    heard=$(extent "$work/story.wav")
    say "heard for $heard s; espeak-ng's own reading of the same words lasts $own s"
    check "$heard >= 0.75 * $own && $heard <= 1.3 * $own" || die "the story was heard for $heard s, not about $own s"

    say "the story cut half a second in by «$praise»"
    short=$(own_extent "$praise")
    record "$work/cut.wav"
    run cut 3 cut "$story" "$praise" 3
    stop_recording
    heard=$(extent "$work/cut.wav")
    say "heard for $heard s (the praise alone: $short s, the story: $own s)"
    check "$heard >= 0.75 * $short && $heard <= 0.5 * $own" || die "the cut story was heard for $heard s"

    say "the home screen's greeting tapped"
    run greeting-words 0 tap 0
    own=$(own_extent "$(words_of "$work/greeting-words.out")")
    wait_s=$(awk -v o="$own" 'BEGIN { printf "%.1f", o + 2 }')
    record "$work/greeting.wav"
    run greeting "$wait_s" tap "$wait_s"
    stop_recording
    heard=$(extent "$work/greeting.wav")
    say "heard for $heard s; espeak-ng's own reading lasts $own s"
    check "$heard >= 0.75 * $own && $heard <= 1.3 * $own" || die "the greeting was heard for $heard s, not about $own s"

    say "a right sum checked on the grade A screen: the beep, then the praise word by itself"
    record "$work/right-sum.wav"
    run right-sum 3 right-sum 3
    stop_recording
    word=$(words_of "$work/right-sum.out")
    [ -n "$word" ] || die "the grade A screen showed no praise word"
    alone=$(own_extent "$word")
    heard=$(extent "$work/right-sum.wav")
    say "heard for $heard s («$word» alone: $alone s)"
    # The beep (0.14 s) and the word after it, not over it. Under Wine a Windows beep rings the X
    # server's bell (windows_end_to_end counts those), so only the word reaches the sound server.
    beep=0.14
    [ ${#wine[@]} -eq 0 ] || beep=0
    check "$heard >= $beep + 0.75 * $alone && $heard <= 0.5 + 1.3 * $alone" || die "the beep and «$word» were heard for $heard s"
    if [ ${#wine[@]} -gt 0 ]; then
        say "the Windows program's voice was heard: passed"
        exit 0
    fi

    say "a hundred requests a second for two seconds, then «Τα κατάφερες»"
    record "$work/hammer.wav"
    run hammer 5 hammer 2 "Τα κατάφερες" 3
    stop_recording
    total=$(length "$work/hammer.wav")
    last=$(until_last "$work/hammer.wav")
    say "the last sound ended $(awk -v t="$total" -v l="$last" 'BEGIN { printf "%.2f", t - l }') s before the recording did"
    check "$last > 0 && $total - $last >= 1" || die "sound went on to the end (a queue of requests left behind)"

    say "a text twenty times a story's length"
    long=$(printf "$story%.0s" $(seq 20))
    record "$work/long.wav"
    run long 2 say "$long" 2
    stop_recording
    heard=$(extent "$work/long.wav")
    check "$heard > 0.5" || die "nothing was heard of the long text ($heard s)"
    say "heard until the end, $heard s"

    say "while a screen reader runs, and after it stops"
    screen_reader() {
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
            string:org.a11y.Status string:ScreenReaderEnabled "variant:boolean:$1" >/dev/null
    }
    screen_reader true
    record "$work/reader.wav"
    run reader 2 say "$praise" 2
    stop_recording
    heard=$(extent "$work/reader.wav")
    check "$heard == 0" || die "the voice spoke over the screen reader ($heard s)"
    screen_reader false
    record "$work/noreader.wav"
    run noreader 2 say "$praise" 2
    stop_recording
    heard=$(extent "$work/noreader.wav")
    check "$heard >= 0.75 * $short" || die "with the screen reader stopped nothing was heard ($heard s)"
    say "silent while it ran, heard for $heard s after"

    say "the sound server going away while the voice speaks"
    (sleep 1.5 && pactl exit) &
    started+=($!)
    run vanishing 4 say "$story" 4
    say "ended by itself: passed"
    exit 0
fi

usage="usage: speech_sound.sh [--wine WINE] SPEECH_SOUND_PROGRAM WITH_PULSEAUDIO"
driver=${1:?$usage}
with_pulseaudio=${2:?$usage}
# Nothing of the desktop the test runs in: no display, no session bus, no sound server but the
# one named below.
unset DISPLAY WAYLAND_DISPLAY PULSE_SERVER PULSE_COOKIE
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work

# 1. No sound server.
say "speaking with no sound server"
PULSE_SERVER=unix:$work/nobody-listens run none 1 say "$story" 1
say "ended by itself, silently: passed"

# 2. A sound server with a null sink, recorded, and an accessibility bus to say whether a
#    screen reader runs.
dbus-run-session -- "$with_pulseaudio" "$sink" bash "$0" ${wine[@]:+--wine "${wine[@]}"} --recorded "$driver"
