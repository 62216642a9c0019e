// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts of the message boxes that the program itself adds: the overflow
// refusal and the outcomes of printing.
namespace kalyxteron {

inline constexpr char kApplicationTitle[] = "Kalyxteron";

inline constexpr char kOverflowMessage[] =
    "Ο αριθμός είναι πολύ μεγάλος για το πρόγραμμα. "
    "Να γράψετε αριθμούς από -32768 έως 32767.";

// Every number typed fits, but what they make does not: the teacher types smaller ones.
inline constexpr char kResultOverflowMessage[] =
    "Το αποτέλεσμα αυτών των αριθμών βγαίνει έξω από τα όρια που μπορεί να ελέγξει το πρόγραμμα "
    "(από -32768 έως 32767). Γράψτε μικρότερους αριθμούς στα κίτρινα κουτιά και δοκιμάστε ξανά.";

inline constexpr char kPrintFailedMessage[] =
    "Η εκτύπωση του διπλώματος δεν έγινε. "
    "Ελέγξτε τον εκτυπωτή και δοκιμάστε ξανά. Ό,τι γράψατε στο δίπλωμα δεν χάθηκε.";

// The default printer is stopped (paused): the job waits in its queue.
inline constexpr char kPrinterStoppedMessage[] =
    "Ο εκτυπωτής είναι σταματημένος. Το δίπλωμα κρατήθηκε στην ουρά του εκτυπωτή "
    "και θα τυπωθεί μόλις ο εκτυπωτής ξεκινήσει ξανά.";

// %1: the full path of the saved file.
inline constexpr char kSavedAsPdfMessage[] =
    "Δεν βρέθηκε εκτυπωτής. Το δίπλωμα αποθηκεύτηκε ως αρχείο PDF εδώ:\n%1";

// %1: the folder the file should have gone to.
inline constexpr char kSaveFailedMessage[] =
    "Δεν βρέθηκε εκτυπωτής και το δίπλωμα δεν μπόρεσε να αποθηκευτεί ως αρχείο PDF στον φάκελο:\n%1\n"
    "Ό,τι γράψατε στο δίπλωμα δεν χάθηκε.";

// The print server said the default printer cannot take the diploma now: it is kept as a PDF.
// %1: the printer's name; %2: the full path of the saved file.
inline constexpr char kPrinterRejectsMessage[] =
    "Ο εκτυπωτής «%1» δεν δέχεται εκτυπώσεις αυτή τη στιγμή. "
    "Το δίπλωμα αποθηκεύτηκε ως αρχείο PDF εδώ:\n%2";
// %1: the full path of the saved file.
inline constexpr char kPrinterMissingMessage[] =
    "Ο εκτυπωτής που έχει οριστεί για τις εκτυπώσεις δεν υπάρχει πια. "
    "Το δίπλωμα αποθηκεύτηκε ως αρχείο PDF εδώ:\n%1";
// %1: the full path of the saved file.
inline constexpr char kPrintServerSilentMessage[] =
    "Η υπηρεσία εκτύπωσης του υπολογιστή δεν απαντά. "
    "Το δίπλωμα αποθηκεύτηκε ως αρχείο PDF εδώ:\n%1";
// %1: the folder the file should have gone to.
inline constexpr char kKeepFailedMessage[] =
    "Το δίπλωμα δεν τυπώθηκε και δεν μπόρεσε να αποθηκευτεί ως αρχείο PDF στον φάκελο:\n%1\n"
    "Ό,τι γράψατε στο δίπλωμα δεν χάθηκε.";
// After any of the above, when neither the documents folder nor the home could take the file.
inline constexpr char kTemporaryFolderNote[] =
    "\nΟ φάκελος αυτός είναι προσωρινός: αντιγράψτε το αρχείο σε άλλο φάκελο, γιατί μπορεί να σβηστεί.";

} // namespace kalyxteron
