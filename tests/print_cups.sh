#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Prints a diploma through a real CUPS server, as a pupil would, and reads the pages back.
#   print_cups.sh PRINT_DIPLOMA_PROGRAM
# Installs CUPS, the cups-pdf virtual printer and poppler's tools if they are missing, starts
# the CUPS server if it is not running, and makes a cups-pdf printer of its own the default
# printer. The program then clicks on a diploma's dotted lines, types a long school name and a
# long Greek pupil's name, and prints through its own desktop platform twice, with the pupil's
# field focused and with nothing focused. The test reads the PDFs that cups-pdf writes: both
# names whole, no full stops left around them, the date, and the same page both times (no caret,
# no focus mark). Then it stops the printer (cupsdisable) and prints again: the pupil must be
# told that the diploma waits in the queue, the diploma must be kept as a PDF as well, the job
# must wait there, and it must print once the printer is started again. So too with a printer
# that is switched off (a queue whose device takes no connection). Then with the queue rejecting
# jobs (cupsreject), with a default printer that no longer exists and with a print server that
# never answers: each time the pupil must be told why within a moment, and the diploma kept as a
# PDF. Leaves the server running, and its printers, its default printer and the user's own choice
# of one as they were, and fails if they are not. Needs root (or sudo) for the installation and
# the printer set-up.
set -euo pipefail

driver=${1:?usage: print_cups.sh PRINT_DIPLOMA_PROGRAM}
printer=KalyxteronPDF
screen=dimploma1
# Both longer than their fields on screen, where they scroll.
school="Πειραματικό Σχολείο Αθηνών «Ιωάννης Καποδίστριας»"
pupil="Αικατερίνη-Μαργαρίτα Παπαδοπούλου-Χατζηγεωργίου του Κωνσταντίνου και της Ευαγγελίας"

say() { echo "print_cups: $*"; }
die() { say "FAILED: $*" >&2; exit 1; }

work=$(mktemp -d)
cleanup() {
    declare -F remove_pdf_printer >/dev/null && remove_pdf_printer
    rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "$0")/cups-pdf-printer.sh"
add_pdf_printer "$printer"

# The page is landscape, printed turned on the paper; pdftotext (in content order, -raw) may break
# its lines and words apart, so the texts are compared with their blanks and line breaks left out.
squash() { tr -d '[:space:]'; }
check_page() {
    local pdf=$1 page
    pdftotext -raw "$pdf" "$work/page.txt" || die "poppler could not read $pdf"
    page=$(squash <"$work/page.txt")
    for shown in "$school" "$pupil" "$date" "Δημοτικό Σχολείο"; do
        [[ $page == *"$(printf '%s' "$shown" | squash)"* ]] ||
            { cat "$work/page.txt" >&2; die "\"$shown\" is not whole on the page"; }
    done
    [[ $page != *..* ]] || { cat "$work/page.txt" >&2; die "full stops are left on the page"; }
}

# A Greek pupil's desktop: the date in the Greek short format. $driver_env adds to it.
driver_env=()
run_driver() {
    env -u PRINTER -u LPDEST QT_QPA_PLATFORM=offscreen LC_ALL=el_GR.UTF-8 "${driver_env[@]}" "$driver" "$@"
}

# Prints where the print server cannot take the diploma: the pupil must be told why, at once,
# and the diploma kept as a PDF in the documents folder of a home of the test's own. The program
# gives the server 1.5 s; without that a server that never answers would keep the pupil waiting
# for good, which this limit catches with room for a busy machine's PDF.
moment_ms=15000
print_and_keep() {
    local why=$1 beginning=$2 kept took
    mkdir -p "$work/home-$why"
    output=$(HOME="$work/home-$why" run_driver --expect-kept "$beginning" "$screen" "$school" "$pupil") ||
        die "$why: the pupil was not told, or nothing was kept"
    kept=$(sed -n 's/^kept: //p' <<<"$output")
    took=$(sed -n 's/^took: //p' <<<"$output")
    [[ $kept == "$work/home-$why/Documents/"* ]] || die "$why: the PDF went to $kept, not the documents folder"
    date=$(sed -n 's/^date: //p' <<<"$output")
    check_page "$kept"
    [ "$took" -le "$moment_ms" ] || die "$why: the pupil waited $took ms"
    say "$why: told at once ($took ms), the diploma kept in $kept and whole"
}

# Prints once; the PDF that cups-pdf writes goes to $work/NAME.pdf and is read back.
print_and_check() {
    local name=$1
    shift
    touch "$work/$name.start"
    output=$(run_driver "$@" "$screen" "$school" "$pupil") || die "the program could not print"
    date=$(sed -n 's/^date: //p' <<<"$output")
    [ -n "$date" ] || die "the program showed no date"
    wait_for_pdfs "$work/$name.start" 1
    mapfile -t pdfs <"$work/pdfs"
    cp "${pdfs[0]}" "$work/$name.pdf"
    "${as_root[@]}" rm -f "${pdfs[@]}"
    check_page "$work/$name.pdf"
}

say "printing $screen to $printer with the pupil's field focused, then with nothing focused"
print_and_check focused
print_and_check unfocused --unfocused
cp "$work/focused.pdf" print_cups.pdf 2>/dev/null || true
for name in focused unfocused; do
    pdftoppm -r 100 -singlefile "$work/$name.pdf" "$work/$name" || die "poppler could not draw the $name page"
done
cmp -s "$work/focused.ppm" "$work/unfocused.ppm" || die "the page printed with a field focused differs: a caret or focus mark"
say "both pages show the names whole without full stops, and the date $date, and are the same (a copy is in $(pwd)/print_cups.pdf)"

say "stopping $printer and printing again"
"${as_root[@]}" cupsdisable "$printer"
touch "$work/stopped"
# The pupil is told the diploma waits in the queue, and it is kept as a PDF as well.
print_and_keep stopped "Ο εκτυπωτής είναι σταματημένος. Το δίπλωμα κρατήθηκε στην ουρά του εκτυπωτή"
[ -n "$(lpstat -o "$printer" 2>/dev/null)" ] || die "no job waits in the stopped printer's queue"
[ -z "$(find "${pdf_folders[@]}" -maxdepth 1 -name '*.pdf' -newer "$work/stopped" 2>/dev/null)" ] ||
    die "the stopped printer printed"
"${as_root[@]}" cupsenable "$printer"
wait_for_pdfs "$work/stopped" 1
mapfile -t pdfs <"$work/pdfs"
check_page "${pdfs[0]}"
"${as_root[@]}" rm -f "${pdfs[@]}"
say "the pupil was told, the diploma waited in the queue and printed once $printer was started: passed"

# A printer that is switched off: its queue takes the job and its device takes no connection
# (nothing listens on the discard port), so the job waits there, retried.
off=KalyxteronSwitchedOff
add_queue "$off" socket://127.0.0.1:9
driver_env=(LPDEST=$off)
print_and_keep switched-off "Ο εκτυπωτής «$off» δεν απαντά"
[ -n "$(lpstat -o "$off" 2>/dev/null)" ] || die "switched-off: no job waits in the queue"
remove_queue "$off"
driver_env=()

# The queue rejects jobs (cupsreject): Qt reports it idle, CUPS does not.
"${as_root[@]}" cupsreject "$printer"
touch "$work/rejecting"
print_and_keep rejecting "Ο εκτυπωτής «$printer» δεν δέχεται εκτυπώσεις"
"${as_root[@]}" cupsaccept "$printer"
[ -z "$(lpstat -o "$printer" 2>/dev/null)" ] || die "rejecting: a job was queued"

# The user's default printer was removed from the server.
driver_env=(LPDEST=KalyxteronRemoved)
print_and_keep missing "Ο εκτυπωτής που έχει οριστεί για τις εκτυπώσεις δεν υπάρχει πια"

# A print server that takes the connection and never answers.
python3 -c 'import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
s.listen(8)
print(s.getsockname()[1], flush=True)
held = []
while True:
    held.append(s.accept()[0])' >"$work/silent-port" &
silent=$!
trap 'kill $silent 2>/dev/null; cleanup' EXIT
for _ in $(seq 600); do [ -s "$work/silent-port" ] && break; sleep 0.1; done
driver_env=(CUPS_SERVER="127.0.0.1:$(cat "$work/silent-port")")
print_and_keep silent "Η υπηρεσία εκτύπωσης του υπολογιστή δεν απαντά"
kill $silent
trap cleanup EXIT
driver_env=()
[ -z "$(find "${pdf_folders[@]}" -maxdepth 1 -name '*.pdf' -newer "$work/rejecting" 2>/dev/null)" ] ||
    die "a printer printed what it should not have"
say "every print fault was told and the diploma kept: passed"
check_left_as_found
say "the printers and the default printer are as they were"
