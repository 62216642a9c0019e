// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What each screen says aloud, and when: the words given to the voice for every screen and
// event, so that a change in what is said shows as a changed row.
#include "platformfixture.h"
#include "testing.h"

#include "shell/widgets/application.h"

#include <QAbstractButton>
#include <QMenuBar>

using namespace kalyxteron;
using namespace kalyxteron::test;

Q_DECLARE_METATYPE(kalyxteron::ScreenId)

namespace {

const QString kWelcomeWords = QStringLiteral(
    "Φίλοι μου γεια σας. Στο περιβάλλον αυτό μπορείτε να ασκηθείτε στις τέσσερις πράξεις των ακέραιων αριθμών. "
    "Μπορείτε να προσθέσετε, να αφαιρέσετε, να πολλαπλασιάσετε και να διαιρέσετε τους αριθμούς που "
    "εμφανίζονται στην οθόνη σας τυχαία ή τους αριθμούς της δική σας επιλογής. ");
const QString kGradeAWords = QStringLiteral("Να βρείτε το άθροισμα, τη διαφορά και το γινόμενο για τους τυχαίους "
                                            "αριθμούς που εμφανίζονται κάθε φορά στα κίτρινα κουτιά. ");
const QString kGameWords = QStringLiteral(
    "Φίλοι μου γεια σας. Στο πιο κάτω κουτί θα εμφανίζεται τυχαία μια Μασκότ και εσείς θα πρέπει να γράψετε  "
    "τη χρονολογία που χρησιμοποιήθηκε η Μασκότ αυτή.");
const QString kDiplomaWords = QStringLiteral("Δημοτικό Σχολείο. Ο Φοίβος και η Αθηνά απονέμουν το δίπλωμα αυτό. "
                                             "επειδή συμπλήρωσε με επιτυχία τις πράξεις των ακεραίων.");
const QString kCreditsWords = QStringLiteral(
    "Τελμάριος και Κορβίδαλος. Δάσκαλοι Πληροφορικής στην Πρωτοβάθμια Εκπαίδευση. Ελεύθερο λογισμικό με την "
    "άδεια γκνου τζι πι ελ, έκδοση τρία ή νεότερη. © δύο χιλιάδες είκοσι έξι Οι δημιουργοί του Καλυξτέρον.");
const QString kZeroWords = QStringLiteral("Να γράψετε δύο αριθμούς μεγαλύτερους από το μηδέν");

// Does what a step of a row says, on the screen on show:
//   teacher A B       «Δάσκαλος - Μαθητής», then the teacher's two numbers
//   type NAME TEXT    TEXT in the field NAME
//   press NAME        the button NAME
//   tap NAME          a click on the text NAME, as a tap arrives
//   key KEY           F1, F2 or F3
//   speaker           the speaker at the end of the menu bar
//   tick              the diploma's timer writes the date
void doStep(const QString &step)
{
    const QString verb = step.section(u' ', 0, 0);
    const QString name = step.section(u' ', 1, 1);
    const QString rest = step.section(u' ', 2);
    if (verb == u"teacher") {
        click("cmdteacher");
        type("txtnum1", name);
        type("txtnum2", rest);
    } else if (verb == u"type") {
        type(qPrintable(name), rest);
    } else if (verb == u"press") {
        click(qPrintable(name));
    } else if (verb == u"tap") {
        auto *shown = control<QWidget>(qPrintable(name));
        QTest::mouseClick(shown, Qt::LeftButton, Qt::NoModifier, shown->rect().center());
    } else if (verb == u"key") {
        const int key = name == u"F1" ? Qt::Key_F1 : name == u"F2" ? Qt::Key_F2 : Qt::Key_F3;
        QVERIFY(activate()); // a window's shortcuts, as on a desktop
        QTest::keyClick(currentScreen(), Qt::Key(key));
    } else if (verb == u"speaker") {
        currentScreen()->menuBar()->findChild<QAbstractButton *>(QStringLiteral("speaker"))->click();
    } else if (verb == u"tick") {
        QVERIFY(QMetaObject::invokeMethod(currentScreen(), "Timer1_Timer"));
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: ") + step));
    }
}

} // namespace

class TestSpeech : public PlatformFixture {
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }

    void whatIsSaid_data();
    void whatIsSaid();
    void switchedOffSaysNothing();
    void closingAScreenStopsItsSpeech();
    void theSpeakerIsOnEveryScreenOutOfTheWay_data();
    void theSpeakerIsOnEveryScreenOutOfTheWay();
};

void TestSpeech::whatIsSaid_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("steps");     // separated by «;»
    QTest::addColumn<QStringList>("said");  // the words given to the voice, in order
    QTest::addColumn<QStringList>("boxes"); // the message boxes shown meanwhile

    const QStringList none;
    QTest::newRow("home: F1, its instructions") << ScreenId::Home << "key F1" << QStringList{kWelcomeWords} << none;
    QTest::newRow("home: the speaker") << ScreenId::Home << "speaker" << QStringList{kWelcomeWords} << none;
    QTest::newRow("home: a tap on the greeting") << ScreenId::Home << "tap lblminima" << QStringList{kWelcomeWords}
                                                 << none;
    QTest::newRow("home: F2, the last thing again") << ScreenId::Home << "key F1;key F2"
                                                    << QStringList{kWelcomeWords, kWelcomeWords} << none;
    QTest::newRow("home: F2 with nothing said yet") << ScreenId::Home << "key F2" << none << none;
    QTest::newRow("grade A: F1") << ScreenId::GradeA << "key F1" << QStringList{kGradeAWords} << none;
    QTest::newRow("grade A: the numbers as a problem")
        << ScreenId::GradeA << "teacher 17 5;tap txtnum2" << QStringList{"δεκαεπτά και πέντε"} << none;
    QTest::newRow("grade A: no numbers yet") << ScreenId::GradeA << "tap txtnum1" << none << none;
    QTest::newRow("grade A: a right sum, by itself")
        << ScreenId::GradeA << "teacher 7 2;type txtadd 9;press cmdchadd" << QStringList{"Μπράβο"} << none;
    QTest::newRow("grade A: a wrong sum, by itself")
        << ScreenId::GradeA << "teacher 7 2;type txtadd 8;press cmdchadd" << QStringList{"Ξαναδοκίμασε"} << none;
    QTest::newRow("grade A: the mascot and its story, when asked")
        << ScreenId::GradeA << "teacher 7 2;type txtadd 9;press cmdchadd;tap atlanta1996"
        << QStringList{"Μπράβο",
                       "Ίζι, η μασκότ των Ολυμπιακών Αγώνων της Ατλάντα χίλια εννιακόσια ενενήντα έξι.  Με φωνάζουν "
                       "Ίζυ και προέρχομαι από τη φράση γουότ ιζ ιτ? , τι είναι αυτό;, . Με έφτιαξαν σε ηλεκτρονικό "
                       "υπολογιστή και είμαι για τους ανθρώπους μια αλλόκοτη μασκότ. Γεννήθηκα στους Ολυμπιακούς "
                       "Αγώνες του Λος Άντζελες το χίλια εννιακόσια ενενήντα έξι.  "}
        << none;
    QTest::newRow("grade A: the praise word, tapped")
        << ScreenId::GradeA << "teacher 7 2;type txtadd 9;press cmdchadd;tap lblchadd"
        << QStringList{"Μπράβο", "Μπράβο"} << none;
    QTest::newRow("grade B: a right sum says nothing by itself")
        << ScreenId::GradeB << "teacher 8 2;type txtadd 10;press cmdchadd" << none << none;
    QTest::newRow("grades C to F: an exercise's name with its problem")
        << ScreenId::GradesCtoF << "teacher 17 5;tap Label3;tap Label1;tap Label2;tap Label4;tap Label5"
        << QStringList{"Άθροισμα. δεκαεπτά συν πέντε", "Διαφορά. δεκαεπτά πλην πέντε",
                       "Γινόμενο. δεκαεπτά επί πέντε", "Πηλίκο. δεκαεπτά διά πέντε",
                       "Υπόλοιπο της διαίρεσης. δεκαεπτά διά πέντε"}
        << none;
    QTest::newRow("grades C to F: an exercise's name, no numbers yet")
        << ScreenId::GradesCtoF << "tap Label3" << QStringList{"Άθροισμα"} << none;
    QTest::newRow("grades C to F: what the pupil typed")
        << ScreenId::GradesCtoF << "type txtdiaf -145;tap txtdiaf" << QStringList{"μείον εκατόν σαράντα πέντε"} << none;
    QTest::newRow("grades C to F: a box, once the screen was asked to speak")
        << ScreenId::GradesCtoF << "key F1;teacher 0 5;press cmdchadd"
        << QStringList{QStringLiteral("Να βρείτε το άθροισμα, τη διαφορά, το γινόμενο και το πηλίκο (με το "
                                      "υπόλοιπο)  για τους τυχαίους αριθμούς που εμφανίζονται κάθε φορά στα "
                                      "κίτρινα κουτιά. ")
                           .replace(QStringLiteral("(με"), QStringLiteral(", με"))
                           .replace(QStringLiteral("υπόλοιπο)"), QStringLiteral("υπόλοιπο, ")),
                       kZeroWords}
        << QStringList{"Να γράψετε 2 αριθμούς μεγαλύτερους από το 0"};
    QTest::newRow("grades C to F: a box, not asked")
        << ScreenId::GradesCtoF << "teacher 0 5;press cmdchadd" << none
        << QStringList{"Να γράψετε 2 αριθμούς μεγαλύτερους από το 0"};
    QTest::newRow("grades C to F: a field tapped to type into asks nothing")
        << ScreenId::GradesCtoF << "type txtadd 5;tap txtadd;teacher 0 5;press cmdchadd" << QStringList{"πέντε"}
        << QStringList{"Να γράψετε 2 αριθμούς μεγαλύτερους από το 0"};
    QTest::newRow("instructions: the title and three paragraphs")
        << ScreenId::Instructions << "key F1"
        << QStringList{QStringLiteral(
               "Βασικές Οδηγίες. ένα. Για να αρχίσετε να εργάζεστε με το πρόγραμμα θα πρέπει να πατήσετε στο "
               "πράσινο κουμπί, για να εμφανιστούν δύο τυχαίοι αριθμοί ή στο κουμπί Δάσκαλος-Μαθητής, για να "
               "καθορίσετε τους δικούς σας αριθμούς. δύο. Κάθε φορά θα πρέπει να ελέγχετε, αν η απάντηση σας "
               "είναι σωστή. Όταν βρείτε όλες τις απαντήσεις σας ορθές, τότε πατήστε στο κουμπί διαγραφή, για "
               "να σβήσετε όλους τους αριθμούς. Μπορείτε να ξαναδοκιμάσετε με νέους τυχαίους αριθμούς πατώντας "
               "στο πράσινο κουμπί ή αριθμούς της δικής σας επιλογής πατώντας στο κουμπί Δάσκαλος- Μαθητής. "
               "τρία. Για κάθε σωστή απάντηση κερδίζετε ένα βαθμό. Αν η απάντηση σας είναι λάθος, μπορείτε να "
               "διορθώσετε το λάθος σας. Όταν μαζέψετε τριάντα βαθμούς, τότε μπορείτε να συμπληρώσετε το σχολείο "
               "και το όνομα σας και να εκτυπώσετε το δίπλωμα σας.")}
        << none;
    QTest::newRow("credits") << ScreenId::Credits << "key F1" << QStringList{kCreditsWords} << none;
    QTest::newRow("game: its instruction") << ScreenId::Game << "tap lbltext" << QStringList{kGameWords} << none;
    QTest::newRow("game: the year typed")
        << ScreenId::Game << "type txtxronia 1972;tap txtxronia" << QStringList{"χίλια εννιακόσια εβδομήντα δύο"}
        << none;
    QTest::newRow("diploma: its lines") << ScreenId::Diploma1 << "key F1" << QStringList{kDiplomaWords} << none;
    QTest::newRow("diploma: the dotted line says nothing") << ScreenId::Diploma1 << "tap txtschool" << none << none;
    QTest::newRow("diploma: the school's name")
        << ScreenId::Diploma1 << "type txtschool 3ο Καλαμάτας;tap txtschool" << QStringList{"τρίτο Καλαμάτας"}
        << none;
    QTest::newRow("diploma: the date, as words")
        << ScreenId::Diploma1 << "tick;tap lbldater" << QStringList{"οκτώ Δεκεμβρίου δύο χιλιάδες είκοσι έξι"} << none;
    QTest::newRow("diploma: no date yet") << ScreenId::Diploma1 << "tap lbldater" << none << none;
    // clang-format on
}

void TestSpeech::whatIsSaid()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, steps);
    QFETCH(QStringList, said);
    QFETCH(QStringList, boxes);
    open(screen);
    m_fake->forget();
    for (const QString &step : steps.split(u';'))
        doStep(step);
    QCOMPARE(m_fake->spoken, said);
    QCOMPARE(m_fake->messages, boxes);
}

void TestSpeech::switchedOffSaysNothing()
{
    open(ScreenId::Home);
    QVERIFY(activate());
    QTest::keyClick(currentScreen(), Qt::Key_F3);
    QVERIFY(!m_fake->speechOn());
    QTest::keyClick(currentScreen(), Qt::Key_F1);
    QTest::mouseClick(label("lblminima"), Qt::LeftButton);
    QCOMPARE(m_fake->spoken, QStringList());
    // ... for the rest of the run, whatever the screen; F3 again switches it on.
    choose("classA");
    QVERIFY(activate());
    QTest::keyClick(currentScreen(), Qt::Key_F1);
    QCOMPARE(m_fake->spoken, QStringList());
    QTest::keyClick(currentScreen(), Qt::Key_F3);
    QTest::keyClick(currentScreen(), Qt::Key_F1);
    QCOMPARE(m_fake->spoken, QStringList{kGradeAWords});
}

void TestSpeech::closingAScreenStopsItsSpeech()
{
    open(ScreenId::Home);
    QVERIFY(activate());
    QTest::keyClick(currentScreen(), Qt::Key_F1);
    m_fake->forget();
    choose("info");
    QCOMPARE(m_fake->log.value(0), QStringLiteral("stop speaking"));
    // A screen that said nothing has nothing to stop.
    m_fake->forget();
    choose("arxiki");
    QVERIFY(!m_fake->log.contains(QStringLiteral("stop speaking")));
}

void TestSpeech::theSpeakerIsOnEveryScreenOutOfTheWay_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    for (int id = 0; id < kScreenCount; ++id)
        QTest::newRow(qPrintable(screenName(ScreenId(id)))) << ScreenId(id);
    // clang-format on
}

void TestSpeech::theSpeakerIsOnEveryScreenOutOfTheWay()
{
    QFETCH(ScreenId, screen);
    open(screen);
    auto *speaker = currentScreen()->menuBar()->findChild<QAbstractButton *>(QStringLiteral("speaker"));
    QVERIFY(speaker);
    QCOMPARE(speaker->accessibleName(), QStringLiteral("Άκουσε τις οδηγίες"));
    QCOMPARE(speaker->focusPolicy(), Qt::NoFocus);
    // Not on the client area: a diploma prints without it.
    QVERIFY(!currentScreen()->clientArea()->isAncestorOf(speaker));
    m_fake->forget();
    speaker->click();
    QCOMPARE(m_fake->spoken.size(), 1);
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
