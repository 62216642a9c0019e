#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later

# A diploma kept as a PDF where the disk is nearly full: the documents folder (and then the home)
# on a small file system of the test's own that has room for part of the file only, as a full disk
# or a quota leaves it. The pupil must be told the PDF was kept only where it is whole, and no
# broken part of it may be left behind; the next place is used instead.
#   full_disk.sh PRINT_DIPLOMA_PROGRAM
# Runs in a mount namespace of its own (as root, or mapped to root in a user namespace), where it
# mounts tmpfs file systems of 64 KiB; nothing of the machine's is touched.
set -euo pipefail

driver=${1:?usage: full_disk.sh PRINT_DIPLOMA_PROGRAM}
if [ -z "${KALYXTERON_OWN_MOUNTS:-}" ]; then
    export KALYXTERON_OWN_MOUNTS=1
    if [ "$(id -u)" -eq 0 ]; then
        exec unshare --mount --propagation private "$0" "$@"
    fi
    exec unshare --mount --map-root-user --propagation private "$0" "$@"
fi

say() { echo "full_disk: $*"; }
die() { say "FAILED: $*" >&2; exit 1; }
work=$(mktemp -d)
mounts=()
cleanup() {
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[i]}" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

small_kib=64
left_kib=40 # the PDF takes about 110 KiB
# A file system of $small_kib KiB at FOLDER with only $left_kib KiB left in it.
nearly_full() {
    mkdir -p "$1"
    mount -t tmpfs -o size=${small_kib}k tmpfs "$1"
    mounts+=("$1")
    head -c $(((small_kib - left_kib) * 1024)) /dev/zero >"$1/.filler"
}
# A PDF is whole when poppler reads its page and finds the pupil's name on it.
whole() { pdfinfo "$1" >/dev/null 2>&1 && pdftotext "$1" - 2>/dev/null | tr -d '[:space:]' | grep -q "$pupil"; }
print_kept() {
    HOME=$1 TMPDIR=$2 XDG_CONFIG_HOME=$1/.config CUPS_SERVER=/nonexistent/cups.sock QT_QPA_PLATFORM=offscreen \
        LC_ALL=C.UTF-8 "$driver" --expect-kept "Δεν βρέθηκε εκτυπωτής. Το δίπλωμα αποθηκεύτηκε" dimploma2 "$school" "$pupil" |
        sed -n 's/^kept: //p'
}
school="3ο Καλαμάτας"
pupil="ΕλένηΠαπαδοπούλου"

say "documents folder nearly full"
home=$work/a
nearly_full "$home/Documents"
mkdir -p "$work/a-tmp"
kept=$(print_kept "$home" "$work/a-tmp") || die "the pupil was not told where the diploma was kept"
[ "$(dirname "$kept")" = "$home" ] || die "kept in $kept, not in the home next to the full documents folder"
whole "$kept" || die "the PDF kept in $kept is not whole"
leftover=$(find "$home/Documents" -mindepth 1 ! -type d ! -name .filler)
[ -z "$leftover" ] || die "a broken part was left in the documents folder: $leftover"
say "kept whole in the home ($(stat -c %s "$kept") bytes), nothing left in the full documents folder"

say "home nearly full too"
home=$work/b
nearly_full "$home"
mkdir -p "$work/b-tmp"
kept=$(print_kept "$home" "$work/b-tmp") || die "the pupil was not told where the diploma was kept"
[ "$(dirname "$kept")" = "$work/b-tmp" ] || die "kept in $kept, not in the temporary folder"
whole "$kept" || die "the PDF kept in $kept is not whole"
[ "$(stat -c %a "$kept")" = 600 ] || die "the PDF in the temporary folder may be read by others: $(stat -c %a "$kept")"
leftover=$(find "$home" -mindepth 1 ! -type d ! -name .filler)
[ -z "$leftover" ] || die "a broken part was left in the home: $leftover"
say "kept whole in the temporary folder, for its user's eyes only"

say "room enough"
home=$work/c
mkdir -p "$home/Documents"
mount -t tmpfs -o size=1m tmpfs "$home/Documents"
mounts+=("$home/Documents")
kept=$(print_kept "$home" "$work/c") || die "the pupil was not told where the diploma was kept"
[ "$(dirname "$kept")" = "$home/Documents" ] || die "kept in $kept, not in the documents folder"
whole "$kept" || die "the PDF kept in $kept is not whole"
[ "$(find "$home/Documents" -mindepth 1 | wc -l)" -eq 1 ] || die "more than the PDF was left: $(ls -A "$home/Documents")"
say "passed"
