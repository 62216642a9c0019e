// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/logic/commandline.h"

#include "shell/logic/release.h"

#include <cstdlib>
#include <string_view>

namespace kalyxteron {

namespace {

constexpr std::string_view kProgram = kProgramName;

constexpr std::string_view kHelp =
    "Usage: kalyxteron [--help | --version]\n"
    "Kalyxteron: primary-school pupils drill the four operations on whole numbers, in Greek.\n"
    "Started without an option it opens its window; it takes no settings.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Χρήση: kalyxteron [--help | --version]\n"
    "Καλυξτερόν: τα παιδιά του Δημοτικού εξασκούνται στις τέσσερις πράξεις των ακέραιων αριθμών.\n"
    "Χωρίς επιλογή ανοίγει το παράθυρό του· δεν έχει ρυθμίσεις.\n"
    "\n"
    "  --help     εμφανίζει αυτή τη βοήθεια\n"
    "  --version  εμφανίζει την έκδοση\n"
    "\n"
    "Manual / Εγχειρίδιο: man kalyxteron\n";

constexpr std::string_view kLicence =
    "Copyright (C) 2026 The Kalyxteron authors\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>;\n"
    "pictures and documents under CC-BY-SA-4.0.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

void write(std::FILE *stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

int refuse(std::FILE *err, std::string_view what, std::string_view argument)
{
    write(err, kProgram);
    write(err, ": ");
    write(err, what);
    write(err, " '");
    write(err, argument);
    write(err, "'\nTry 'kalyxteron --help' for more information.\n");
    return kExitUsage;
}

} // namespace

std::optional<int> answerCommandLine(int argc, const char *const *argv, std::FILE *out, std::FILE *err)
{
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help")
            help = true;
        else if (argument == "--version")
            version = true;
        else if (argument.starts_with('-'))
            return refuse(err, "unknown option", argument);
        else
            return refuse(err, "takes no arguments, but was given", argument);
    }
    if (help) {
        write(out, kHelp);
    } else if (version) {
        write(out, kProgram);
        write(out, " ");
        write(out, kVersion);
        write(out, "\n");
        write(out, kLicence);
    } else {
        return std::nullopt;
    }
    // A full disk or a closed pipe must not pass for an answer given.
    return std::fflush(out) == 0 && !std::ferror(out) ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace kalyxteron
