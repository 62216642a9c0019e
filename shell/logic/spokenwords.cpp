// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/logic/spokenwords.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace kalyxteron {

namespace {

constexpr int kTen = 10;
constexpr int kHundred = 100;
constexpr int kThousand = 1000;

enum class Gender { Neuter, Feminine };

// A numeral in the two genders the program needs: neuter for counting, feminine before
// «χιλιάδες», for the day of a date, and before a masculine or feminine plural (3 and 4, 13
// and 14 and the hundreds are the same in both: «τρεις βαθμούς», «τέσσερις πράξεις»).
struct Numeral {
    QStringView neuter;
    QStringView feminine;
    QStringView in(Gender gender) const { return gender == Gender::Feminine ? feminine : neuter; }
};

constexpr std::array<Numeral, kTen> kUnits{{
    {.neuter = u"", .feminine = u""},
    {.neuter = u"ένα", .feminine = u"μία"},
    {.neuter = u"δύο", .feminine = u"δύο"},
    {.neuter = u"τρία", .feminine = u"τρεις"},
    {.neuter = u"τέσσερα", .feminine = u"τέσσερις"},
    {.neuter = u"πέντε", .feminine = u"πέντε"},
    {.neuter = u"έξι", .feminine = u"έξι"},
    {.neuter = u"επτά", .feminine = u"επτά"},
    {.neuter = u"οκτώ", .feminine = u"οκτώ"},
    {.neuter = u"εννέα", .feminine = u"εννέα"},
}};

constexpr std::array<Numeral, kTen> kTeens{{
    {.neuter = u"δέκα", .feminine = u"δέκα"},
    {.neuter = u"έντεκα", .feminine = u"έντεκα"},
    {.neuter = u"δώδεκα", .feminine = u"δώδεκα"},
    {.neuter = u"δεκατρία", .feminine = u"δεκατρείς"},
    {.neuter = u"δεκατέσσερα", .feminine = u"δεκατέσσερις"},
    {.neuter = u"δεκαπέντε", .feminine = u"δεκαπέντε"},
    {.neuter = u"δεκαέξι", .feminine = u"δεκαέξι"},
    {.neuter = u"δεκαεπτά", .feminine = u"δεκαεπτά"},
    {.neuter = u"δεκαοκτώ", .feminine = u"δεκαοκτώ"},
    {.neuter = u"δεκαεννέα", .feminine = u"δεκαεννέα"},
}};

constexpr std::array<QStringView, kTen> kTens{
    u"", u"δέκα", u"είκοσι", u"τριάντα", u"σαράντα", u"πενήντα", u"εξήντα", u"εβδομήντα", u"ογδόντα", u"ενενήντα",
};

// «εκατό» alone, «εκατόν» before the rest of the number.
constexpr std::array<Numeral, kTen> kHundreds{{
    {.neuter = u"", .feminine = u""},
    {.neuter = u"εκατό", .feminine = u"εκατό"},
    {.neuter = u"διακόσια", .feminine = u"διακόσιες"},
    {.neuter = u"τριακόσια", .feminine = u"τριακόσιες"},
    {.neuter = u"τετρακόσια", .feminine = u"τετρακόσιες"},
    {.neuter = u"πεντακόσια", .feminine = u"πεντακόσιες"},
    {.neuter = u"εξακόσια", .feminine = u"εξακόσιες"},
    {.neuter = u"επτακόσια", .feminine = u"επτακόσιες"},
    {.neuter = u"οκτακόσια", .feminine = u"οκτακόσιες"},
    {.neuter = u"εννιακόσια", .feminine = u"εννιακόσιες"},
}};
constexpr QStringView kHundredBeforeMore = u"εκατόν";
constexpr QStringView kZero = u"μηδέν";
constexpr QStringView kMinus = u"μείον";
constexpr QStringView kPlusSign = u"συν";
constexpr QStringView kOneThousand = u"χίλια";
constexpr QStringView kThousands = u"χιλιάδες";
constexpr QStringView kAnd = u"και";
constexpr QStringView kDecimalComma = u"κόμμα";
constexpr QStringView kFirstOfTheMonth = u"πρώτη";

// An ordinal's stem for each of its digits' places, and whether its ending takes the stress
// («τρίτο», but «εικοστό»): 21ο is «εικοστό πρώτο», 113η «εκατοστή δέκατη τρίτη».
struct OrdinalStem {
    QStringView stem;
    bool stressedEnding;
};
constexpr std::array<OrdinalStem, kTen> kOrdinalUnits{{
    {.stem = u"", .stressedEnding = false},
    {.stem = u"πρώτ", .stressedEnding = false},
    {.stem = u"δεύτερ", .stressedEnding = false},
    {.stem = u"τρίτ", .stressedEnding = false},
    {.stem = u"τέταρτ", .stressedEnding = false},
    {.stem = u"πέμπτ", .stressedEnding = false},
    {.stem = u"έκτ", .stressedEnding = false},
    {.stem = u"έβδομ", .stressedEnding = false},
    {.stem = u"όγδο", .stressedEnding = false},
    {.stem = u"ένατ", .stressedEnding = false},
}};
constexpr std::array<OrdinalStem, kTen> kOrdinalTens{{
    {.stem = u"", .stressedEnding = false},
    {.stem = u"δέκατ", .stressedEnding = false},
    {.stem = u"εικοστ", .stressedEnding = true},
    {.stem = u"τριακοστ", .stressedEnding = true},
    {.stem = u"τεσσαρακοστ", .stressedEnding = true},
    {.stem = u"πεντηκοστ", .stressedEnding = true},
    {.stem = u"εξηκοστ", .stressedEnding = true},
    {.stem = u"εβδομηκοστ", .stressedEnding = true},
    {.stem = u"ογδοηκοστ", .stressedEnding = true},
    {.stem = u"ενενηκοστ", .stressedEnding = true},
}};
constexpr std::array<OrdinalStem, kTen> kOrdinalHundreds{{
    {.stem = u"", .stressedEnding = false},
    {.stem = u"εκατοστ", .stressedEnding = true},
    {.stem = u"διακοσιοστ", .stressedEnding = true},
    {.stem = u"τριακοσιοστ", .stressedEnding = true},
    {.stem = u"τετρακοσιοστ", .stressedEnding = true},
    {.stem = u"πεντακοσιοστ", .stressedEnding = true},
    {.stem = u"εξακοσιοστ", .stressedEnding = true},
    {.stem = u"επτακοσιοστ", .stressedEnding = true},
    {.stem = u"οκτακοσιοστ", .stressedEnding = true},
    {.stem = u"εννιακοσιοστ", .stressedEnding = true},
}};
constexpr std::array<OrdinalStem, 3> kOrdinalElevenTwelve{{
    {.stem = u"", .stressedEnding = false},
    {.stem = u"ενδέκατ", .stressedEnding = false},
    {.stem = u"δωδέκατ", .stressedEnding = false},
}};
constexpr int kLargestOrdinal = 999;

// The endings an ordinal is written with after its digits («3ο», «1η», «2ος»), and with stress.
struct OrdinalEnding {
    QStringView written;
    QStringView stressed;
};
constexpr std::array<OrdinalEnding, 5> kOrdinalEndings{{
    {.written = u"ος", .stressed = u"ός"},
    {.written = u"ου", .stressed = u"ού"},
    {.written = u"ης", .stressed = u"ής"},
    {.written = u"ο", .stressed = u"ό"},
    {.written = u"η", .stressed = u"ή"},
}};

// The words a number agrees with: feminine ones («τις τρεις πράξεις», «είκοσι μία μασκότ»), and
// masculine ones or either («οι τρεις», «τρεις βαθμούς»), which take the same 3 and 4 but the
// neuter's «ένα». Articles before the number, and the plurals after it that the texts count.
constexpr std::array<QStringView, 4> kFeminineWords{u"τις", u"στις", u"πράξεις", u"μασκότ"};
constexpr std::array<QStringView, 7> kMasculineWords{u"οι",      u"των",    u"τους",    u"στους",
                                                     u"βαθμούς", u"βαθμοί", u"αριθμούς"};

struct OperatorWord {
    Operator op;
    QStringView word;
};
constexpr std::array<OperatorWord, 4> kOperatorWords{{
    {.op = Operator::Plus, .word = u"συν"},
    {.op = Operator::Minus, .word = u"πλην"},
    {.op = Operator::Times, .word = u"επί"},
    {.op = Operator::DividedBy, .word = u"διά"},
}};

constexpr std::array<QStringView, 12> kMonthsGenitive{
    u"Ιανουαρίου", u"Φεβρουαρίου", u"Μαρτίου",     u"Απριλίου",  u"Μαΐου",     u"Ιουνίου",
    u"Ιουλίου",    u"Αυγούστου",   u"Σεπτεμβρίου", u"Οκτωβρίου", u"Νοεμβρίου", u"Δεκεμβρίου",
};

// The Latin-script words of the mascots' stories and of the credits as a Greek teacher reads
// them to a class.
struct LatinWords {
    QStringView written; // matched as whole words, in any case
    QStringView spoken;
};
constexpr std::array<LatinWords, 7> kLatinWords{{
    {.written = u"what is it", .spoken = u"γουότ ιζ ιτ"},
    {.written = u"millennium", .spoken = u"μιλένιουμ"},
    {.written = u"Seoul", .spoken = u"Σεούλ"},
    {.written = u"S", .spoken = u"ες"}, // the letter's name, as in «σχήμα S»
    {.written = u"GNU", .spoken = u"γκνου"},
    {.written = u"GPL", .spoken = u"τζι πι ελ"},
    {.written = u"Kalyxteron", .spoken = u"Καλυξτέρον"},
}};

// Any other Latin-script word, letter by letter (pairs first), as Greek children read one.
struct Transliteration {
    QStringView latin;
    QStringView greek;
};
constexpr std::array<Transliteration, 35> kTransliteration{{
    {.latin = u"th", .greek = u"θ"},  {.latin = u"ch", .greek = u"χ"},  {.latin = u"ph", .greek = u"φ"},
    {.latin = u"ps", .greek = u"ψ"},  {.latin = u"ks", .greek = u"ξ"},  {.latin = u"sh", .greek = u"σ"},
    {.latin = u"ou", .greek = u"ου"}, {.latin = u"oo", .greek = u"ου"}, {.latin = u"ee", .greek = u"ι"},
    {.latin = u"a", .greek = u"α"},   {.latin = u"b", .greek = u"μπ"},  {.latin = u"c", .greek = u"κ"},
    {.latin = u"d", .greek = u"ντ"},  {.latin = u"e", .greek = u"ε"},   {.latin = u"f", .greek = u"φ"},
    {.latin = u"g", .greek = u"γκ"},  {.latin = u"h", .greek = u"χ"},   {.latin = u"i", .greek = u"ι"},
    {.latin = u"j", .greek = u"τζ"},  {.latin = u"k", .greek = u"κ"},   {.latin = u"l", .greek = u"λ"},
    {.latin = u"m", .greek = u"μ"},   {.latin = u"n", .greek = u"ν"},   {.latin = u"o", .greek = u"ο"},
    {.latin = u"p", .greek = u"π"},   {.latin = u"q", .greek = u"κ"},   {.latin = u"r", .greek = u"ρ"},
    {.latin = u"s", .greek = u"σ"},   {.latin = u"t", .greek = u"τ"},   {.latin = u"u", .greek = u"ου"},
    {.latin = u"v", .greek = u"β"},   {.latin = u"w", .greek = u"γου"}, {.latin = u"x", .greek = u"ξ"},
    {.latin = u"y", .greek = u"ι"},   {.latin = u"z", .greek = u"ζ"},
}};

// Latin letters that look like Greek ones, as they slip into Greek words typed on a keyboard
// left in the other layout («ΧΟΝΤOΡΙ» with a Latin O).
struct LookAlike {
    char16_t latin;
    char16_t greek;
};
constexpr std::array<LookAlike, 17> kLookAlikes{{
    {.latin = u'A', .greek = u'Α'},
    {.latin = u'B', .greek = u'Β'},
    {.latin = u'E', .greek = u'Ε'},
    {.latin = u'H', .greek = u'Η'},
    {.latin = u'I', .greek = u'Ι'},
    {.latin = u'K', .greek = u'Κ'},
    {.latin = u'M', .greek = u'Μ'},
    {.latin = u'N', .greek = u'Ν'},
    {.latin = u'O', .greek = u'Ο'},
    {.latin = u'P', .greek = u'Ρ'},
    {.latin = u'T', .greek = u'Τ'},
    {.latin = u'X', .greek = u'Χ'},
    {.latin = u'Y', .greek = u'Υ'},
    {.latin = u'Z', .greek = u'Ζ'},
    {.latin = u'o', .greek = u'ο'},
    {.latin = u'v', .greek = u'ν'},
    {.latin = u'i', .greek = u'ι'},
}};

// The names the stories write in capitals, which carry no stress mark: the voice is told
// where the stress falls.
struct CapitalName {
    QStringView written;
    QStringView spoken;
};
constexpr std::array<CapitalName, 16> kCapitalNames{{
    {.written = u"ΙΖΥ", .spoken = u"Ίζυ"},
    {.written = u"ΛΟΣ ΑΝΤΖΕΛΕΣ", .spoken = u"Λος Άντζελες"},
    {.written = u"ΒΛΑΝΤΙ", .spoken = u"Βλάντι"},
    {.written = u"ΜΟΝΑΧΟ", .spoken = u"Μόναχο"},
    {.written = u"ΜΙΣΑ", .spoken = u"Μίσα"},
    {.written = u"ΣΑΜ", .spoken = u"Σαμ"},
    {.written = u"ΧΟΝΤΟΡΙ", .spoken = u"Χοντόρι"},
    {.written = u"ΣΕΟΥΛ", .spoken = u"Σεούλ"},
    {.written = u"ΚΟΜΠΙ", .spoken = u"Κόμπι"},
    {.written = u"ΒΑΡΚΕΛΩΝΗ", .spoken = u"Βαρκελώνη"},
    {.written = u"ΟΛΙ", .spoken = u"Όλι"},
    {.written = u"ΣΙΝΤ", .spoken = u"Σιντ"},
    {.written = u"ΜΙΛΙ", .spoken = u"Μίλι"},
    {.written = u"ΣΙΔΝΕΥ", .spoken = u"Σίδνεϋ"},
    {.written = u"ΑΘΗΝΑΣ", .spoken = u"Αθήνας"},
    {.written = u"ΜΟΝΤΡΕΑΛ", .spoken = u"Μόντρεαλ"},
}};

// Marks the voice does not read out: the stories' «<< >>», and signs that the Greek voice would
// look up in another language's data (which the Windows program does not carry); brackets
// become the pause they make anyway.
struct Mark {
    QStringView written;
    QStringView spoken;
};
constexpr std::array<Mark, 10> kMarks{{
    {.written = u"<<", .spoken = u""},
    {.written = u">>", .spoken = u""},
    {.written = u"\"", .spoken = u""},
    {.written = u"(", .spoken = u", "},
    {.written = u")", .spoken = u", "},
    {.written = u"[", .spoken = u", "},
    {.written = u"]", .spoken = u", "},
    {.written = u"{", .spoken = u", "},
    {.written = u"}", .spoken = u", "},
    {.written = u"/", .spoken = u" "},
}};

void appendWord(QString &words, QStringView word)
{
    if (word.isEmpty())
        return;
    if (!words.isEmpty())
        words += u' ';
    words += word;
}

/// 1 to 999.
void appendBelowThousand(QString &words, int n, Gender gender)
{
    const int hundreds = n / kHundred;
    const int rest = n % kHundred;
    if (hundreds == 1 && rest > 0)
        appendWord(words, kHundredBeforeMore);
    else
        appendWord(words, kHundreds[std::size_t(hundreds)].in(gender));
    if (rest >= 2 * kTen) {
        appendWord(words, kTens[std::size_t(rest / kTen)]);
        appendWord(words, kUnits[std::size_t(rest % kTen)].in(gender));
    } else if (rest >= kTen) {
        appendWord(words, kTeens[std::size_t(rest - kTen)].in(gender));
    } else {
        appendWord(words, kUnits[std::size_t(rest)].in(gender));
    }
}

// 1 to 999 as an ordinal, every part of it with the ending.
QString ordinalWords(int n, const OrdinalEnding &ending)
{
    QString words;
    const auto append = [&](const OrdinalStem &part) {
        if (!part.stem.isEmpty())
            appendWord(words,
                       part.stem.toString() + (part.stressedEnding ? ending.stressed : ending.written).toString());
    };
    append(kOrdinalHundreds[std::size_t(n / kHundred)]);
    const int rest = n % kHundred;
    if (rest == 11 || rest == 12) {
        append(kOrdinalElevenTwelve[std::size_t(rest - kTen)]);
    } else {
        append(kOrdinalTens[std::size_t(rest / kTen)]);
        append(kOrdinalUnits[std::size_t(rest % kTen)]);
    }
    return words;
}

// The whole word that starts or ends at a place of a text (blanks between skipped).
QStringView wordAfter(QStringView text, qsizetype from)
{
    while (from < text.size() && text[from] == u' ')
        ++from;
    qsizetype end = from;
    while (end < text.size() && (text[end].isLetter() || text[end].isMark()))
        ++end;
    return text.mid(from, end - from);
}

QStringView wordBefore(QStringView text, qsizetype to)
{
    while (to > 0 && text[to - 1] == u' ')
        --to;
    qsizetype start = to;
    while (start > 0 && (text[start - 1].isLetter() || text[start - 1].isMark()))
        --start;
    return text.mid(start, to - start);
}

template <typename Words>
bool isOneOf(QStringView word, const Words &words)
{
    return std::any_of(words.begin(), words.end(),
                       [word](QStringView w) { return word.compare(w, Qt::CaseInsensitive) == 0; });
}

QString numberWords(int value, Gender gender);

QString digitByDigit(QStringView digits)
{
    QString words;
    for (const QChar c : digits)
        appendWord(words, c.digitValue() == 0 ? kZero : kUnits[std::size_t(c.digitValue())].neuter);
    return words;
}

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

/// The text with every whole-word `written` of the rows replaced by its `spoken`.
template <typename Rows>
QString replaceWords(const QString &text, const Rows &rows, Qt::CaseSensitivity cs)
{
    QString result;
    for (qsizetype i = 0; i < text.size();) {
        const bool startsWord = i == 0 || !isWordCharacter(text[i - 1]);
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto &r) {
            const qsizetype end = i + r.written.size();
            return startsWord && QStringView(text).mid(i, r.written.size()).compare(r.written, cs) == 0 &&
                   (end >= text.size() || !isWordCharacter(text[end]));
        });
        if (row == rows.end()) {
            result += text[i++];
        } else {
            result += row->spoken;
            i += row->written.size();
        }
    }
    return result;
}

QString withLatinWordsInGreek(const QString &text)
{
    return replaceWords(text, kLatinWords, Qt::CaseInsensitive);
}

QString transliterated(QStringView latinWord)
{
    // Accents go: «é» is read as «e».
    const QString plain = latinWord.toString().normalized(QString::NormalizationForm_D);
    QString greek;
    for (qsizetype i = 0; i < plain.size();) {
        if (plain[i].isMark()) {
            ++i;
            continue;
        }
        bool matched = false;
        for (const Transliteration &row : kTransliteration) {
            const QStringView piece = QStringView(plain).mid(i, row.latin.size());
            if (piece.compare(row.latin, Qt::CaseInsensitive) == 0) {
                // Only a word's first letter stays a capital: «ΓκΝΟυ» would be read letter by letter.
                if (greek.isEmpty() && plain[i].isUpper()) {
                    greek += row.greek.left(1).toString().toUpper();
                    greek += row.greek.mid(1);
                } else {
                    greek += row.greek;
                }
                i += row.latin.size();
                matched = true;
                break;
            }
        }
        if (!matched)
            greek += plain[i++];
    }
    if (greek.endsWith(u'σ'))
        greek.back() = u'ς';
    return greek;
}

QString withGreekLetters(QStringView word)
{
    bool latin = false, greek = false;
    for (const QChar c : word) {
        latin = latin || c.script() == QChar::Script_Latin;
        greek = greek || c.script() == QChar::Script_Greek;
    }
    if (!latin)
        return word.toString();
    if (!greek)
        return transliterated(word);
    QString mended;
    for (const QChar c : word) {
        if (c.script() != QChar::Script_Latin) {
            mended += c;
            continue;
        }
        const auto *row = std::find_if(kLookAlikes.begin(), kLookAlikes.end(),
                                       [c](const LookAlike &l) { return l.latin == c.unicode(); });
        mended += row != kLookAlikes.end() ? QString(QChar(row->greek)) : transliterated(QString(c));
    }
    return mended;
}

QString withWordsInGreekScript(const QString &text)
{
    QString result;
    for (qsizetype i = 0; i < text.size();) {
        if (!text[i].isLetter()) {
            result += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && (text[end].isLetter() || text[end].isMark()))
            ++end;
        result += withGreekLetters(QStringView(text).mid(i, end - i));
        i = end;
    }
    return result;
}

QString withCapitalNamesStressed(const QString &text)
{
    return replaceWords(text, kCapitalNames, Qt::CaseSensitive);
}

bool isMinusSign(QChar c)
{
    return c == u'-' || c == u'\u2212';
}

QString withNumbersInWords(const QString &text)
{
    QString result;
    for (qsizetype i = 0; i < text.size();) {
        if (!text[i].isDigit()) {
            result += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end].isDigit())
            ++end;
        const QStringView digits = QStringView(text).mid(i, end - i);
        QString words;
        // A sign of its own before the digits, not a dash between two words or numbers.
        const bool signed_ =
            i > 0 && (isMinusSign(text[i - 1]) || text[i - 1] == u'+') && (i == 1 || !isWordCharacter(text[i - 2]));
        if (signed_) {
            result.chop(1);
            words = (text[i - 1] == u'+' ? kPlusSign : kMinus).toString() + u' ';
        }
        const bool asNumber = digits.size() <= 6 && (digits.size() == 1 || digits[0].digitValue() != 0);
        int value = 0;
        for (const QChar c : digits)
            value = value * kTen + c.digitValue();
        // An ordinal: the digits with the ending written right after them («3ο Δημοτικό»).
        const auto ending = std::find_if(kOrdinalEndings.begin(), kOrdinalEndings.end(), [&](const OrdinalEnding &e) {
            const qsizetype after = end + e.written.size();
            return QStringView(text).mid(end, e.written.size()) == e.written &&
                   (after >= text.size() || !isWordCharacter(text[after]));
        });
        if (asNumber && !signed_ && value >= 1 && value <= kLargestOrdinal && ending != kOrdinalEndings.end()) {
            words += ordinalWords(value, *ending);
            end += ending->written.size();
        } else {
            const QStringView before = wordBefore(text, i - (signed_ ? 1 : 0));
            const QStringView after = wordAfter(text, end);
            const bool feminine = isOneOf(before, kFeminineWords) || isOneOf(after, kFeminineWords);
            const bool masculine = isOneOf(before, kMasculineWords) || isOneOf(after, kMasculineWords);
            const Gender gender = feminine || (masculine && value % kTen != 1) ? Gender::Feminine : Gender::Neuter;
            words += asNumber && value <= kLargestNumberInWords ? numberWords(value, gender) : digitByDigit(digits);
        }
        // A decimal point or comma between two digit runs is read out.
        if (end + 1 < text.size() && (text[end] == u'.' || text[end] == u',') && text[end + 1].isDigit()) {
            words += u' ' + kDecimalComma.toString();
            ++end;
        }
        if (!result.isEmpty() && isWordCharacter(result.back()))
            result += u' ';
        result += words;
        if (end < text.size() && isWordCharacter(text[end]))
            result += u' ';
        i = end;
    }
    return result;
}

} // namespace

namespace {

QString numberWords(int value, Gender gender)
{
    if (value == 0)
        return kZero.toString();
    if (value < -kLargestNumberInWords || value > kLargestNumberInWords)
        return (value < 0 ? kMinus.toString() + u' ' : QString()) + digitByDigit(QString::number(value).remove(u'-'));
    if (value < 0)
        return kMinus.toString() + u' ' + numberWords(-value, gender);
    QString words;
    const int thousands = value / kThousand;
    if (thousands == 1) {
        appendWord(words, kOneThousand);
    } else if (thousands > 1) {
        appendBelowThousand(words, thousands, Gender::Feminine);
        appendWord(words, kThousands);
    }
    if (const int rest = value % kThousand; rest > 0)
        appendBelowThousand(words, rest, gender);
    return words;
}

} // namespace

QString numberWords(int value)
{
    return numberWords(value, Gender::Neuter);
}

QString operandsWords(int first, int second)
{
    return numberWords(first) + u' ' + kAnd.toString() + u' ' + numberWords(second);
}

QString problemWords(int first, Operator op, int second)
{
    const auto *row =
        std::find_if(kOperatorWords.begin(), kOperatorWords.end(), [op](const OperatorWord &w) { return w.op == op; });
    return numberWords(first) + u' ' + row->word.toString() + u' ' + numberWords(second);
}

QString dateWords(const QDate &date)
{
    if (!date.isValid())
        return {};
    QString words;
    if (date.day() == 1)
        appendWord(words, kFirstOfTheMonth);
    else
        appendBelowThousand(words, date.day(), Gender::Feminine);
    appendWord(words, kMonthsGenitive[std::size_t(date.month() - 1)]);
    appendWord(words, numberWords(date.year()));
    return words;
}

QString textForSpeech(QStringView text)
{
    QString ready = text.toString();
    for (const Mark &mark : kMarks)
        ready.replace(mark.written.toString(), mark.spoken.toString());
    ready = withLatinWordsInGreek(ready);
    ready = withWordsInGreekScript(ready);
    ready = withCapitalNamesStressed(ready);
    return withNumbersInWords(ready);
}

} // namespace kalyxteron
