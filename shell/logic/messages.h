// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts of the message boxes that the program itself adds: the overflow
// refusal and the outcomes of printing.
namespace kalyxteron {

inline constexpr char kOverflowMessage[] = "Ο αριθμός είναι πολύ μεγάλος για το πρόγραμμα. "
                                           "Να γράψετε αριθμούς από -32768 έως 32767.";

// Every number typed fits, but what they make does not: the teacher types smaller ones.
inline constexpr char kResultOverflowMessage[] =
    "Το αποτέλεσμα αυτών των αριθμών βγαίνει έξω από τα όρια που μπορεί να ελέγξει το πρόγραμμα "
    "(από -32768 έως 32767). Γράψτε μικρότερους αριθμούς στα κίτρινα κουτιά και δοκιμάστε ξανά.";

// Why a diploma is not on its way to paper. Each is followed by where it was kept as a PDF
// (kKeptAsPdf, or kAlsoKeptAsPdf where the job waits in the printer's queue) or by why it was
// not (kNotKeptAsPdf, kNotAlsoKeptAsPdf). %1, where there is one: the printer's name.
inline constexpr char kNoPrinterReason[] = "Δεν βρέθηκε εκτυπωτής.";
inline constexpr char kPrintFailedReason[] =
    "Η εκτύπωση του διπλώματος δεν έγινε. Ελέγξτε τον εκτυπωτή και δοκιμάστε ξανά.";
inline constexpr char kPrinterRejectsReason[] = "Ο εκτυπωτής «%1» δεν δέχεται εκτυπώσεις αυτή τη στιγμή.";
inline constexpr char kPrinterMissingReason[] = "Ο εκτυπωτής που έχει οριστεί για τις εκτυπώσεις δεν υπάρχει πια.";
inline constexpr char kPrintServerSilentReason[] = "Η υπηρεσία εκτύπωσης του υπολογιστή δεν απαντά.";
// The job went to the printer's queue, but the printer cannot print it now.
inline constexpr char kPrinterStoppedReason[] =
    "Ο εκτυπωτής είναι σταματημένος. Το δίπλωμα κρατήθηκε στην ουρά του εκτυπωτή "
    "και θα τυπωθεί μόλις ο εκτυπωτής ξεκινήσει ξανά.";
inline constexpr char kPrinterSilentReason[] =
    "Ο εκτυπωτής «%1» δεν απαντά: ίσως είναι κλειστός ή δεν είναι συνδεδεμένος. Το δίπλωμα κρατήθηκε "
    "στην ουρά του εκτυπωτή και θα τυπωθεί μόλις ο εκτυπωτής απαντήσει.";

// %1: the full path of the saved file.
inline constexpr char kKeptAsPdf[] = " Το δίπλωμα αποθηκεύτηκε ως αρχείο PDF εδώ:\n%1";
inline constexpr char kAlsoKeptAsPdf[] = "\nΑποθηκεύτηκε και ως αρχείο PDF εδώ:\n%1";
// %1: the folder the file should have gone to.
inline constexpr char kNotKeptAsPdf[] = "\nΤο δίπλωμα δεν μπόρεσε να αποθηκευτεί ούτε ως αρχείο PDF στον φάκελο:\n%1\n"
                                        "Ό,τι γράψατε στο δίπλωμα δεν χάθηκε.";
inline constexpr char kNotAlsoKeptAsPdf[] = "\nΔεν μπόρεσε όμως να αποθηκευτεί και ως αρχείο PDF στον φάκελο:\n%1";

// No printer, and no PDF either. %1: the folder the file should have gone to.
inline constexpr char kSaveFailedMessage[] =
    "Δεν βρέθηκε εκτυπωτής και το δίπλωμα δεν μπόρεσε να αποθηκευτεί ως αρχείο PDF στον φάκελο:\n%1\n"
    "Ό,τι γράψατε στο δίπλωμα δεν χάθηκε.";

// After any of the above, when neither the documents folder nor the home could take the file.
inline constexpr char kTemporaryFolderNote[] =
    "\nΟ φάκελος αυτός είναι προσωρινός: αντιγράψτε το αρχείο σε άλλο φάκελο, γιατί μπορεί να σβηστεί.";

} // namespace kalyxteron
