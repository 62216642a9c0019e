// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakeplatform.h"
#include "practice/rules/feedbacktables.h"
#include "shell/logic/spokenwords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kalyxteron;

Q_DECLARE_METATYPE(kalyxteron::Operator)

// What the Greek voice is given to say: numbers, problems, dates and the screens' texts.
class TestSpokenWords : public QObject {
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void problems_data();
    void problems();
    void dates_data();
    void dates();
    void texts_data();
    void texts();
    void stories_data();
    void stories();
    void storiesReadByTheGreekVoiceAlone_data();
    void storiesReadByTheGreekVoiceAlone();
    void throughThePlatform_data();
    void throughThePlatform();
    void farTooLongIsCutAtAWord();
};

void TestSpokenWords::numbers_data()
{
    // clang-format off
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("words");

    QTest::newRow("0") << 0 << "μηδέν";
    QTest::newRow("1") << 1 << "ένα";
    QTest::newRow("3") << 3 << "τρία";
    QTest::newRow("4") << 4 << "τέσσερα";
    QTest::newRow("7") << 7 << "επτά";
    QTest::newRow("9") << 9 << "εννέα";
    QTest::newRow("10") << 10 << "δέκα";
    QTest::newRow("11") << 11 << "έντεκα";
    QTest::newRow("12") << 12 << "δώδεκα";
    QTest::newRow("13") << 13 << "δεκατρία";
    QTest::newRow("14") << 14 << "δεκατέσσερα";
    QTest::newRow("17") << 17 << "δεκαεπτά";
    QTest::newRow("19") << 19 << "δεκαεννέα";
    QTest::newRow("20") << 20 << "είκοσι";
    QTest::newRow("21") << 21 << "είκοσι ένα";
    QTest::newRow("33") << 33 << "τριάντα τρία";
    QTest::newRow("99") << 99 << "ενενήντα εννέα";
    QTest::newRow("100") << 100 << "εκατό";
    QTest::newRow("101") << 101 << "εκατόν ένα";
    QTest::newRow("110") << 110 << "εκατόν δέκα";
    QTest::newRow("145") << 145 << "εκατόν σαράντα πέντε";
    QTest::newRow("200") << 200 << "διακόσια";
    QTest::newRow("304") << 304 << "τριακόσια τέσσερα";
    QTest::newRow("999") << 999 << "εννιακόσια ενενήντα εννέα";
    QTest::newRow("1000") << 1000 << "χίλια";
    QTest::newRow("1001") << 1001 << "χίλια ένα";
    QTest::newRow("1100") << 1100 << "χίλια εκατό";
    QTest::newRow("1972") << 1972 << "χίλια εννιακόσια εβδομήντα δύο";
    QTest::newRow("2000") << 2000 << "δύο χιλιάδες";
    QTest::newRow("2026") << 2026 << "δύο χιλιάδες είκοσι έξι";
    QTest::newRow("3000") << 3000 << "τρεις χιλιάδες";
    QTest::newRow("4003") << 4003 << "τέσσερις χιλιάδες τρία";
    QTest::newRow("11000") << 11000 << "έντεκα χιλιάδες";
    QTest::newRow("13013") << 13013 << "δεκατρείς χιλιάδες δεκατρία";
    QTest::newRow("14000") << 14000 << "δεκατέσσερις χιλιάδες";
    QTest::newRow("21001") << 21001 << "είκοσι μία χιλιάδες ένα";
    QTest::newRow("23000") << 23000 << "είκοσι τρεις χιλιάδες";
    QTest::newRow("31000") << 31000 << "τριάντα μία χιλιάδες";
    QTest::newRow("32767") << 32767 << "τριάντα δύο χιλιάδες επτακόσια εξήντα επτά";
    QTest::newRow("-1") << -1 << "μείον ένα";
    QTest::newRow("-145") << -145 << "μείον εκατόν σαράντα πέντε";
    QTest::newRow("-32768") << -32768 << "μείον τριάντα δύο χιλιάδες επτακόσια εξήντα οκτώ";
    QTest::newRow("100000") << 100000 << "εκατό χιλιάδες";
    QTest::newRow("101000") << 101000 << "εκατόν μία χιλιάδες";
    QTest::newRow("203000") << 203000 << "διακόσιες τρεις χιλιάδες";
    QTest::newRow("999999") << 999999 << "εννιακόσιες ενενήντα εννέα χιλιάδες εννιακόσια ενενήντα εννέα";
    QTest::newRow("past the words: digit by digit") << 1000000 << "ένα μηδέν μηδέν μηδέν μηδέν μηδέν μηδέν";
    // clang-format on
}

void TestSpokenWords::numbers()
{
    QFETCH(int, value);
    QFETCH(QString, words);
    QCOMPARE(numberWords(value), words);
}

void TestSpokenWords::problems_data()
{
    // clang-format off
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("op");   // -1: the two operands only
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("words");

    QTest::newRow("operands") << 17 << -1 << 5 << "δεκαεπτά και πέντε";
    QTest::newRow("negative operand") << -3 << -1 << 1000 << "μείον τρία και χίλια";
    QTest::newRow("sum") << 17 << int(Operator::Plus) << 5 << "δεκαεπτά συν πέντε";
    QTest::newRow("difference") << 17 << int(Operator::Minus) << 5 << "δεκαεπτά πλην πέντε";
    QTest::newRow("product") << 12 << int(Operator::Times) << 3000 << "δώδεκα επί τρεις χιλιάδες";
    QTest::newRow("quotient") << 100 << int(Operator::DividedBy) << -4 << "εκατό διά μείον τέσσερα";
    // clang-format on
}

void TestSpokenWords::problems()
{
    QFETCH(int, first);
    QFETCH(int, op);
    QFETCH(int, second);
    QFETCH(QString, words);
    QCOMPARE(op < 0 ? operandsWords(first, second) : problemWords(first, Operator(op), second), words);
}

void TestSpokenWords::dates_data()
{
    // clang-format off
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("words");

    QTest::newRow("9 December 2026") << QDate(2026, 12, 9) << "εννέα Δεκεμβρίου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("the first") << QDate(2027, 5, 1) << "πρώτη Μαΐου δύο χιλιάδες είκοσι επτά";
    QTest::newRow("3rd: feminine") << QDate(2026, 3, 3) << "τρεις Μαρτίου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("4th: feminine") << QDate(2026, 1, 4) << "τέσσερις Ιανουαρίου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("13th: feminine") << QDate(2026, 2, 13) << "δεκατρείς Φεβρουαρίου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("21st: feminine") << QDate(2026, 4, 21) << "είκοσι μία Απριλίου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("24th") << QDate(2026, 6, 24) << "είκοσι τέσσερις Ιουνίου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("31st") << QDate(2026, 7, 31) << "τριάντα μία Ιουλίου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("August") << QDate(2026, 8, 15) << "δεκαπέντε Αυγούστου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("September") << QDate(2026, 9, 30) << "τριάντα Σεπτεμβρίου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("October") << QDate(2026, 10, 28) << "είκοσι οκτώ Οκτωβρίου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("November") << QDate(2026, 11, 17) << "δεκαεπτά Νοεμβρίου δύο χιλιάδες είκοσι έξι";
    QTest::newRow("no date") << QDate() << "";
    // clang-format on
}

void TestSpokenWords::dates()
{
    QFETCH(QDate, date);
    QFETCH(QString, words);
    QCOMPARE(dateWords(date), words);
}

void TestSpokenWords::texts_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("plain Greek") << "Μπράβο" << "Μπράβο";
    QTest::newRow("typed answer") << "22" << "είκοσι δύο";
    QTest::newRow("negative answer") << "-12" << "μείον δώδεκα";
    QTest::newRow("true minus sign") << "\u221212" << "μείον δώδεκα";
    QTest::newRow("plus sign") << "+5" << "συν πέντε";
    QTest::newRow("blanks kept") << "  7 " << "  επτά ";
    QTest::newRow("year in a sentence") << "το 1972." << "το χίλια εννιακόσια εβδομήντα δύο.";
    QTest::newRow("dash between numbers is no sign") << "5-3" << "πέντε-τρία";
    QTest::newRow("sign after a word's blank") << "είναι -4" << "είναι μείον τέσσερα";
    QTest::newRow("digits glued to a word") << "το2004 " << "το δύο χιλιάδες τέσσερα ";
    QTest::newRow("decimal point") << "7.5" << "επτά κόμμα πέντε";
    QTest::newRow("decimal comma") << "3,25" << "τρία κόμμα είκοσι πέντε";
    QTest::newRow("leading zeros digit by digit") << "007" << "μηδέν μηδέν επτά";
    QTest::newRow("long run digit by digit") << "12345678" << "ένα δύο τρία τέσσερα πέντε έξι επτά οκτώ";
    QTest::newRow("quote marks left out") << "<<Γεια>> \"σου\"" << "Γεια σου";
    QTest::newRow("brackets as pauses") << "ένα (δύο) [τρία]" << "ένα , δύο,  , τρία, ";
    QTest::newRow("slash") << "ναι/όχι" << "ναι όχι";
    QTest::newRow("a Latin O in a Greek word") << "ΧΟΝΤOΡΙ" << "Χοντόρι";
    QTest::newRow("Latin look-alikes in lower case") << "πoλλά" << "πολλά";
    QTest::newRow("a Latin name") << "Maria" << "Μαρια";
    QTest::newRow("pairs of Latin letters") << "Thomas" << "Θομας";
    QTest::newRow("accented Latin") << "José" << "Τζοσε";
    QTest::newRow("a Latin word in capitals") << "JAZZ" << "Τζαζζ";
    QTest::newRow("the credits' licence") << "GNU GPL" << "γκνου τζι πι ελ";
    QTest::newRow("the stories' English, any case") << "WHAT IS IT?" << "γουότ ιζ ιτ?";
    QTest::newRow("name in capitals") << "στο ΜΟΝΑΧΟ" << "στο Μόναχο";
    QTest::newRow("capitals inside a longer word stay") << "ΜΟΝΑΧΟΙ" << "ΜΟΝΑΧΟΙ";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("a school's number") << "3ο Καλαμάτας" << "τρίτο Καλαμάτας";
    QTest::newRow("ordinal of two places") << "21ο Δημοτικό" << "εικοστό πρώτο Δημοτικό";
    QTest::newRow("feminine ordinal") << "1η τάξη" << "πρώτη τάξη";
    QTest::newRow("ordinal eleven and teens") << "11ο, 113η" << "ενδέκατο, εκατοστή δέκατη τρίτη";
    QTest::newRow("masculine ordinal") << "12ος" << "δωδέκατος";
    QTest::newRow("genitive ordinal") << "του 4ου" << "του τέταρτου";
    QTest::newRow("counting after a feminine article") << "στις 4 πράξεις" << "στις τέσσερις πράξεις";
    QTest::newRow("counting masculine plurals") << "13 βαθμούς" << "δεκατρείς βαθμούς";
    QTest::newRow("feminine one") << "οι 21 μασκότ" << "οι είκοσι μία μασκότ";
    QTest::newRow("masculine one as the neuter") << "τους 21 βαθμούς" << "τους είκοσι ένα βαθμούς";
    QTest::newRow("neuter article") << "το 4" << "το τέσσερα";
    QTest::newRow("a sign is no ordinal") << "-3ο" << "μείον τρία ο";
    // clang-format on
}

void TestSpokenWords::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(textForSpeech(text), spoken);
}

void TestSpokenWords::stories_data()
{
    // clang-format off
    QTest::addColumn<QString>("story");
    QTest::addColumn<QString>("spoken");   // empty: only the checks every story passes

    for (const MascotRow &row : kMascotTable)
        QTest::newRow(qPrintable(row.box.toString())) << row.story.toString() << QString();
    QTest::newRow("athens with its full stop") << kAthensStoryWithFullStop.toString() << QString();
    QTest::newRow("atlanta, as said")
        << kMascotTable[0].story.toString()
        << " Με φωνάζουν Ίζυ και προέρχομαι από τη φράση γουότ ιζ ιτ? , τι είναι αυτό;, . Με έφτιαξαν σε "
           "ηλεκτρονικό υπολογιστή και είμαι για τους ανθρώπους μια αλλόκοτη μασκότ. Γεννήθηκα στους "
           "Ολυμπιακούς Αγώνες του Λος Άντζελες το χίλια εννιακόσια ενενήντα έξι.  ";
    QTest::newRow("seoul, as said")
        << kMascotTable[4].story.toString()
        << " Το όνομα μου είναι Χοντόρι. Φοράω ένα μετάλλιο με τους Ολυμπιακούς κύκλους και ένα καπέλο "
           "χορού, η κορδέλα του οποίου είχε σχήμα ες, Σεούλ, . Για να μην το ξεχάσω γεννήθηκα στη Σεούλ "
           "το χίλια εννιακόσια ογδόντα οκτώ.";
    QTest::newRow("sydney's millennium")
        << QStringLiteral("από τη λέξη millennium(χιλιετία).") << QStringLiteral("από τη λέξη μιλένιουμ, χιλιετία, .");
    // clang-format on
}

void TestSpokenWords::stories()
{
    QFETCH(QString, story);
    QFETCH(QString, spoken);
    const QString said = textForSpeech(story);
    if (!spoken.isEmpty())
        QCOMPARE(said, spoken);
    // Nothing left that a voice with only Greek would skip or spell out.
    static const QRegularExpression unreadable(QStringLiteral("[A-Za-z0-9<>]"));
    QVERIFY2(!said.contains(unreadable), qPrintable(said));
    // Its words kept: every lower-case Greek word of the story is said, in its order.
    static const QRegularExpression lowerWord(QStringLiteral("\\b\\p{Ll}[\\p{Ll}\\p{M}]*\\b"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    qsizetype from = 0;
    for (auto it = lowerWord.globalMatch(story); it.hasNext();) {
        const QString word = it.next().captured();
        if (word.contains(QRegularExpression(QStringLiteral("[a-z]"))))
            continue;
        from = said.indexOf(word, from);
        QVERIFY2(from >= 0, qPrintable(word));
    }
}

void TestSpokenWords::storiesReadByTheGreekVoiceAlone_data()
{
    // clang-format off
    stories_data();
    // clang-format on
}

namespace {
struct Reading {
    QString phonemes;
    QString complaints;
};

Reading phonemesOf(const QString &espeak, const QString &text, const QString &dataFolder = {})
{
    QStringList arguments{QStringLiteral("-q"), QStringLiteral("-x"), QStringLiteral("-v"), QStringLiteral("el")};
    if (!dataFolder.isEmpty())
        arguments << QStringLiteral("--path=") + dataFolder;
    QProcess voice;
    voice.start(espeak, arguments << QStringLiteral("--") << text);
    if (!voice.waitForFinished())
        qFatal("espeak-ng did not finish");
    return {QString::fromUtf8(voice.readAllStandardOutput()), QString::fromUtf8(voice.readAllStandardError())};
}
} // namespace

// With the Greek voice's data alone, as the Windows program carries it, espeak-ng reads every
// word of a story; given every language's, it never switches to another one's for a word.
void TestSpokenWords::storiesReadByTheGreekVoiceAlone()
{
    const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    if (espeak.isEmpty())
        QSKIP("espeak-ng is not installed (scripts/install-deps installs it)");
    QProcess version;
    version.start(espeak, {QStringLiteral("--version")});
    QVERIFY(version.waitForFinished());
    const QString data =
        QString::fromUtf8(version.readAllStandardOutput()).section(QStringLiteral("Data at: "), 1).trimmed();
    QTemporaryDir greekOnly;
    for (const char *file : {"el_dict", "phondata", "phonindex", "phontab", "intonations", "lang/grk/el"}) {
        const QString name = QString::fromLatin1(file);
        QVERIFY(QDir(greekOnly.path()).mkpath(QFileInfo(name).path()));
        QVERIFY2(QFile::copy(data + u'/' + name, greekOnly.filePath(name)), qPrintable(data + u'/' + name));
    }
    QFETCH(QString, story);
    const QString said = textForSpeech(story);
    const Reading alone = phonemesOf(espeak, said, greekOnly.path());
    QVERIFY2(alone.complaints.isEmpty(), qPrintable(alone.complaints));
    QVERIFY(!alone.phonemes.trimmed().isEmpty());
    const Reading everyLanguage = phonemesOf(espeak, said);
    QVERIFY2(!everyLanguage.phonemes.contains(QLatin1String("(en)")), qPrintable(everyLanguage.phonemes));
    QCOMPARE(everyLanguage.phonemes, alone.phonemes);
}

void TestSpokenWords::throughThePlatform_data()
{
    // clang-format off
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("said as the voice reads it") << true << "17 και 5" << QStringList{"speak: δεκαεπτά και πέντε"};
    QTest::newRow("switched off: it stops, says nothing") << false << "17 και 5" << QStringList{"stop speaking"};
    // clang-format on
}

void TestSpokenWords::throughThePlatform()
{
    QFETCH(bool, on);
    QFETCH(QString, text);
    QFETCH(QStringList, log);
    test::FakePlatform fake;
    fake.setSpeechOn(on);
    platform().speak(text);
    QCOMPARE(fake.log, log);
    QCOMPARE(fake.speechOn(), on);
    fake.setSpeechOn(true);
    platform().speak(text);
    QCOMPARE(fake.spoken.size(), 1 + int(on));
}

void TestSpokenWords::farTooLongIsCutAtAWord()
{
    test::FakePlatform fake;
    QString pasted;
    while (pasted.size() < 3 * Platform::kLongestSpokenText)
        pasted += QStringLiteral("Ολυμπιακοί ");
    platform().speak(pasted);
    QCOMPARE(fake.spoken.size(), 1);
    QVERIFY(fake.spoken[0].size() <= Platform::kLongestSpokenText);
    QVERIFY(fake.spoken[0].size() > Platform::kLongestSpokenText - 12);
    QVERIFY(fake.spoken[0].endsWith(QStringLiteral("Ολυμπιακοί")));
}

QTEST_MAIN(TestSpokenWords)
#include "tst_spokenwords.moc"
