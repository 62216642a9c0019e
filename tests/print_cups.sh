#!/usr/bin/env bash
# Prints a diploma through a real CUPS server, as a pupil would, and reads the page back.
#   print_cups.sh PRINT_DIPLOMA_PROGRAM
# Installs CUPS, the cups-pdf virtual printer and poppler's tools if they are missing, starts
# the CUPS server if it is not running, makes a cups-pdf printer the default printer, prints
# a diploma with a Greek pupil's name on it through the program's own desktop platform, waits
# for the PDF that cups-pdf writes, and checks with pdftotext that the name and the date are on
# the page. Leaves the server running and the previous default printer as it was. Needs root
# (or sudo) for the installation and the printer set-up.
set -euo pipefail

driver=${1:?usage: print_cups.sh PRINT_DIPLOMA_PROGRAM}
printer=KalyxteronPDF
screen=dimploma1
pupil="Ελένη Παπαδοπούλου-Ζαχαρίου"
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

touch "$work/before"
say "printing $screen with \"$pupil\" to $printer"
# A Greek pupil's desktop: the date in the Greek short format.
output=$(env -u PRINTER -u LPDEST QT_QPA_PLATFORM=offscreen LC_ALL=el_GR.UTF-8 "$driver" "$screen" "$pupil") \
    || die "the program could not print"
date=$(sed -n 's/^date: //p' <<<"$output")
[ -n "$date" ] || die "the program showed no date"

pdf=""
for _ in $(seq "$wait_seconds"); do
    pdf=$(find "${folders[@]}" -maxdepth 1 -name '*.pdf' -newer "$work/before" 2>/dev/null | head -n1 || true)
    # The file is whole once the job has left the queue.
    if [ -n "$pdf" ] && [ -z "$(lpstat -o "$printer" 2>/dev/null)" ] &&
        pdftotext -raw "$pdf" "$work/page.txt" 2>/dev/null; then
        break
    fi
    pdf=""
    sleep 1
done
if [ -z "$pdf" ]; then
    lpstat -W all -o "$printer" >&2 || true
    tail -n 30 /var/log/cups/error_log >&2 2>/dev/null || true
    die "no PDF from cups-pdf in ${folders[*]} within $wait_seconds s"
fi
cp "$pdf" print_cups.pdf 2>/dev/null || true
"${as_root[@]}" rm -f "$pdf"

say "read $pdf back (a copy is in $(pwd)/print_cups.pdf)"
# The page is landscape, printed turned on the paper; pdftotext (in content order, -raw) may break
# its lines and words apart, so the texts are compared with their blanks and line breaks left out.
squash() { tr -d '[:space:]'; }
page=$(squash <"$work/page.txt")
on_page() { [[ $page == *"$(printf '%s' "$1" | squash)"* ]]; }
on_page "$pupil" || { cat "$work/page.txt" >&2; die "the pupil's name is not on the page"; }
on_page "$date" || { cat "$work/page.txt" >&2; die "the date $date is not on the page"; }
on_page "Δημοτικό Σχολείο" || die "the diploma's own text is not on the page"
say "the page shows \"$pupil\" and the date $date: passed"
