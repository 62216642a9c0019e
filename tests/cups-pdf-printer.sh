# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the tests that print through a real CUPS server, for a printer of the test's own:
#   . cups-pdf-printer.sh
#   add_pdf_printer NAME            a cups-pdf printer, made the default; $pdf_folders is where
#                                   cups-pdf writes its PDFs
#   add_queue NAME DEVICE_URI       another queue, through the same driver, to another device
#   wait_for_pdfs MARKER COUNT      waits for COUNT PDFs newer than MARKER, listed in $work/pdfs
#   remove_queue NAME               cancels its jobs and removes it
#   remove_pdf_printer              removes it and every queue added, and puts back the server's
#                                   default printer and the user's own choice of one as they were
#   check_left_as_found             removes them, and fails unless the printers, the server's default
#                                   and the user's choice are as they were before
# Installs CUPS, cups-pdf and poppler's tools if they are missing and starts the CUPS server if
# it is not running. Needs root (or password-less sudo), `say`, `die` and a scratch folder $work.
cups_packages=(cups cups-client printer-driver-cups-pdf poppler-utils)
# Limits that catch a hang: a busy machine may take a while to turn a diploma into a PDF.
pdf_wait_seconds=${pdf_wait_seconds:-300}

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
else
    die "needs root or password-less sudo to install CUPS and add a printer"
fi

missing=()
for p in "${cups_packages[@]}"; do
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
    for _ in $(seq 120); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 1
    done
    lpstat -r 2>/dev/null | grep -q "is running" || die "the CUPS server did not start"
fi

pdf_printer=
queues=()
printers_before=$(lpstat -v 2>/dev/null || true)
previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
# The user's own default (what `lpoptions -d` writes, in the home of whoever runs it), kept to be
# put back as it was, or taken away again if there was none.
lpoptions_file=$("${as_root[@]}" sh -c 'printf %s "$HOME"')/.cups/lpoptions
lpoptions_saved=$work/lpoptions.saved
lpoptions_folder_made=false
if "${as_root[@]}" test -e "$lpoptions_file"; then
    "${as_root[@]}" cat "$lpoptions_file" >"$lpoptions_saved"
elif ! "${as_root[@]}" test -d "$(dirname "$lpoptions_file")"; then
    lpoptions_folder_made=true
fi
pdf_model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ { print $1; exit }')
[ -n "$pdf_model" ] || pdf_model=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

# A queue through the cups-pdf driver (pdftocairo turns the PDF that the program sends into
# PostScript with its text kept as text, Debian's advice for cups-pdf queues; Ghostscript's level 2
# PostScript would turn every page with a translucent touch into one bitmap).
add_queue() {
    local err
    if ! err=$("${as_root[@]}" lpadmin -p "$1" -E -v "$2" -m "$pdf_model" \
        -o pdftops-renderer-default=pdftocairo 2>&1); then
        # CUPS 2.4.10 warns on every lpadmin -m that printer drivers are deprecated, and goes on:
        # the reason for a failure is the rest.
        die "could not add $1: $(grep -v "Printer drivers are deprecated" <<<"$err")"
    fi
    [ "$1" = "$pdf_printer" ] || queues+=("$1")
}

remove_queue() {
    "${as_root[@]}" cancel -a "$1" 2>/dev/null || true
    "${as_root[@]}" lpadmin -x "$1" 2>/dev/null || true
}

add_pdf_printer() {
    pdf_printer=$1
    add_queue "$pdf_printer" cups-pdf:/
    "${as_root[@]}" lpadmin -d "$pdf_printer"
    "${as_root[@]}" lpoptions -d "$pdf_printer" >/dev/null
    lpstat -d | grep -q ": $pdf_printer\$" || die "$pdf_printer did not become the default printer"

    # cups-pdf writes a local user's jobs to the folder its "Out" setting names (with the user's
    # home for ${HOME}), and anonymous ones to its "AnonDirName".
    local user home conf out anon
    user=$(id -un)
    home=$(getent passwd "$user" | cut -d: -f6)
    conf=/etc/cups/cups-pdf.conf
    out=$(sed -n 's/^Out[[:space:]]\+//p' "$conf" 2>/dev/null | tail -n1)
    anon=$(sed -n 's/^AnonDirName[[:space:]]\+//p' "$conf" 2>/dev/null | tail -n1)
    out=${out:-/var/spool/cups-pdf/$user}
    out=${out//\$\{HOME\}/$home}
    out=${out//\$\{USER\}/$user}
    pdf_folders=("$out" "${anon:-/var/spool/cups-pdf/ANONYMOUS}")
}

remove_pdf_printer() {
    [ -n "$pdf_printer" ] || return 0
    local queue
    for queue in "${queues[@]}" "$pdf_printer"; do remove_queue "$queue"; done
    queues=()
    if [ -n "$previous_default" ] && [ "$previous_default" != "$pdf_printer" ]; then
        "${as_root[@]}" lpadmin -d "$previous_default" 2>/dev/null || true
    fi
    if [ -f "$lpoptions_saved" ]; then
        "${as_root[@]}" cp "$lpoptions_saved" "$lpoptions_file"
    else
        "${as_root[@]}" rm -f "$lpoptions_file"
        ! $lpoptions_folder_made || "${as_root[@]}" rmdir "$(dirname "$lpoptions_file")" 2>/dev/null || true
    fi
    pdf_printer=
}

check_left_as_found() {
    remove_pdf_printer
    [ "$(lpstat -v 2>/dev/null || true)" = "$printers_before" ] || die "the printers are not as they were"
    [ "$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')" = "$previous_default" ] ||
        die "the server's default printer is not as it was"
    if [ -f "$lpoptions_saved" ]; then
        "${as_root[@]}" cmp -s "$lpoptions_saved" "$lpoptions_file" || die "$lpoptions_file is not as it was"
    else
        ! "${as_root[@]}" test -e "$lpoptions_file" || die "$lpoptions_file was left behind"
    fi
}

# The PDFs cups-pdf wrote since the marker file, oldest first, once the queue is empty and
# there are as many as expected; their list is in $work/pdfs.
wait_for_pdfs() {
    local marker=$1 count=$2
    for _ in $(seq "$pdf_wait_seconds"); do
        find "${pdf_folders[@]}" -maxdepth 1 -name '*.pdf' -newer "$marker" -printf '%T@ %p\n' 2>/dev/null |
            sort -n | cut -d' ' -f2- >"$work/pdfs" || true
        # A file is whole once its job has left the queue.
        if [ "$(wc -l <"$work/pdfs")" -ge "$count" ] && [ -z "$(lpstat -o "$pdf_printer" 2>/dev/null)" ]; then
            return 0
        fi
        sleep 1
    done
    lpstat -W all -o "$pdf_printer" >&2 || true
    tail -n 30 /var/log/cups/error_log >&2 2>/dev/null || true
    die "not $count PDFs from cups-pdf in ${pdf_folders[*]} within $pdf_wait_seconds s"
}
