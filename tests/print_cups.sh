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
# told that the diploma waits in the queue, the job must wait there, and it must print once the
# printer is started again. Leaves the server running and the previous default printer as it
# was. Needs root (or sudo) for the installation and the printer set-up.
set -euo pipefail

driver=${1:?usage: print_cups.sh PRINT_DIPLOMA_PROGRAM}
printer=KalyxteronPDF
screen=dimploma1
# Both longer than their fields on screen, where they scroll.
school="Πειραματικό Σχολείο Αθηνών «Ιωάννης Καποδίστριας»"
pupil="Αικατερίνη-Μαργαρίτα Παπαδοπούλου-Χατζηγεωργίου του Κωνσταντίνου και της Ευαγγελίας"
wait_seconds=60
packages=(cups cups-client printer-driver-cups-pdf poppler-utils)

say() { echo "print_cups: $*"; }
die() { say "FAILED: $*" >&2; exit 1; }

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
else
    die "needs root or password-less sudo to install CUPS and add a printer"
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    say "installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The CUPS server: under systemd where there is one, else started by hand.
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    say "starting the CUPS server"
    if [ -d /run/systemd/system ] && command -v systemctl >/dev/null; then
        "${as_root[@]}" systemctl start cups || "${as_root[@]}" cupsd
    else
        "${as_root[@]}" cupsd
    fi
    for _ in $(seq 30); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 1
    done
    lpstat -r 2>/dev/null | grep -q "is running" || die "the CUPS server did not start"
fi

previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
work=$(mktemp -d)
cleanup() {
    "${as_root[@]}" lpadmin -x "$printer" 2>/dev/null || true
    if [ -n "$previous_default" ] && [ "$previous_default" != "$printer" ]; then
        "${as_root[@]}" lpadmin -d "$previous_default" 2>/dev/null || true
        "${as_root[@]}" lpoptions -d "$previous_default" >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ { print $1; exit }')
[ -n "$model" ] || model=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
# pdftocairo turns the PDF that the program sends into PostScript for cups-pdf with its text
# kept as text (Debian's advice for cups-pdf queues); Ghostscript's level 2 PostScript would
# turn every page with a translucent touch into one bitmap.
if ! err=$("${as_root[@]}" lpadmin -p "$printer" -E -v cups-pdf:/ -m "$model" \
    -o pdftops-renderer-default=pdftocairo 2>&1); then
    die "could not add $printer: $err"
fi
"${as_root[@]}" lpadmin -d "$printer"
"${as_root[@]}" lpoptions -d "$printer" >/dev/null
lpstat -d | grep -q ": $printer\$" || die "$printer did not become the default printer"

# cups-pdf writes a local user's jobs to the folder its "Out" setting names (with the user's
# home for ${HOME}), and anonymous ones to its "AnonDirName".
user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
conf=/etc/cups/cups-pdf.conf
out=$(sed -n 's/^Out[[:space:]]\+//p' "$conf" 2>/dev/null | tail -n1)
anon=$(sed -n 's/^AnonDirName[[:space:]]\+//p' "$conf" 2>/dev/null | tail -n1)
out=${out:-/var/spool/cups-pdf/$user}
out=${out//\$\{HOME\}/$home}
out=${out//\$\{USER\}/$user}
folders=("$out" "${anon:-/var/spool/cups-pdf/ANONYMOUS}")

# The PDFs cups-pdf wrote since the marker file, oldest first, once the queue is empty and
# there are as many as expected; their list is in $work/pdfs.
wait_for_pdfs() {
    local marker=$1 count=$2
    for _ in $(seq "$wait_seconds"); do
        find "${folders[@]}" -maxdepth 1 -name '*.pdf' -newer "$marker" -printf '%T@ %p\n' 2>/dev/null |
            sort -n | cut -d' ' -f2- >"$work/pdfs" || true
        # A file is whole once its job has left the queue.
        if [ "$(wc -l <"$work/pdfs")" -ge "$count" ] && [ -z "$(lpstat -o "$printer" 2>/dev/null)" ]; then
            return 0
        fi
        sleep 1
    done
    lpstat -W all -o "$printer" >&2 || true
    tail -n 30 /var/log/cups/error_log >&2 2>/dev/null || true
    die "not $count PDFs from cups-pdf in ${folders[*]} within $wait_seconds s"
}

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

# A Greek pupil's desktop: the date in the Greek short format.
run_driver() {
    env -u PRINTER -u LPDEST QT_QPA_PLATFORM=offscreen LC_ALL=el_GR.UTF-8 "$driver" "$@"
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
run_driver --expect-stopped "$screen" "$school" "$pupil" >/dev/null || die "the pupil was not told the printer is stopped"
sleep 2
[ -n "$(lpstat -o "$printer" 2>/dev/null)" ] || die "no job waits in the stopped printer's queue"
[ -z "$(find "${folders[@]}" -maxdepth 1 -name '*.pdf' -newer "$work/stopped" 2>/dev/null)" ] ||
    die "the stopped printer printed"
"${as_root[@]}" cupsenable "$printer"
wait_for_pdfs "$work/stopped" 1
mapfile -t pdfs <"$work/pdfs"
check_page "${pdfs[0]}"
"${as_root[@]}" rm -f "${pdfs[@]}"
say "the pupil was told, the diploma waited in the queue and printed once $printer was started: passed"
