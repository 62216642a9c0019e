// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/pictures.h"
#include "platformfixture.h"
#include "shell/printing/typesetting.h"
#include "shell/widgets/fittingfield.h"
#include "shell/widgets/picturebox.h"
#include "testing.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <memory>

using namespace kalyxteron;
using namespace kalyxteron::test;

Q_DECLARE_METATYPE(kalyxteron::ScreenId)

namespace {

const QString kTitle = QStringLiteral("Απονομή διπλώματος από το Φοίβο και την Αθηνά.");
const QString kPresenters = QStringLiteral("Ο Φοίβος και η Αθηνά απονέμουν το  δίπλωμα αυτό ");
const QString kReason = QStringLiteral("επειδή συμπλήρωσε με επιτυχία τις πράξεις των ακεραίων.");
const QStringList kPracticeBar{"epilogi=&Επιλογή", "game=&Παιχνίδι"};
const QStringList kChoiceList{"arxi=&Αρχική Οθόνη", "mnusep1=-", "ektiposi=&Εκτύπωση Διπλώματος", "mnusep2=-",
                              "exit=&Έξοδος"};
const QString kPupil = QStringLiteral("Ελένη Παπαδοπούλου");
const QString kSchool = QStringLiteral("3ο Καλαμάτας");
constexpr int kDateIntervalMs = 1000;
constexpr int kLineEditInnerMargin = 2; // Qt's own room on either side of a line edit's text

// What a pupil should find on each diploma.
struct Expected {
    ScreenId id;
    QString caption;
    QSize clientSize;
    QString presenters;
    QString reason;
    QStringList sports; // top left, top right, bottom left, bottom right
    QList<Sport> pictures;
    const char *bottomLeft; // the bottom left sport's label
    const char *centre;
    int nameStops;
    QStringList bar;
};

const QList<Expected> &diplomas()
{
    const auto caption = [](const QString &title, int blanks, const char *mark) {
        return title + QString(blanks, u' ') + QLatin1String(mark);
    };
    static const QList<Expected> list{
        {ScreenId::Diploma0,
         caption(kTitle, 103, "1/6"),
         {840, 565},
         kPresenters,
         kReason,
         {"Ιστιοπλοϊα", "Ξιφασκία", "Μπάτμιντον", "Πάλη"},
         {Sport::Sailing, Sport::Fencing, Sport::Badminton, Sport::Wrestling},
         "Label4",
         "Image2",
         111,
         kPracticeBar},
        {ScreenId::Diploma1,
         caption(kTitle, 101, "2/6"),
         {840, 565},
         kPresenters,
         kReason,
         {"Άρση Βαρών", "Μπάσκετ", "Μπείζμπολ", "Πυγμαχία"},
         {Sport::Weightlifting, Sport::Basketball, Sport::Baseball, Sport::Boxing},
         "Label4",
         "Image2",
         108,
         kPracticeBar},
        {ScreenId::Diploma2,
         caption(kTitle, 103, "3/6"),
         {840, 565},
         kPresenters,
         kReason,
         {"Ποδόσφαιρο", "Γυμναστική", "Χάντμπολ", "Ιππασία"},
         {Sport::Football, Sport::Gymnastics, Sport::Handball, Sport::Equestrian},
         "Label4",
         "Image2",
         108,
         kPracticeBar},
        {ScreenId::Diploma4,
         caption(kTitle.chopped(1), 104, "4/6"),
         {840, 565},
         kPresenters,
         kReason,
         {"Πινγκ πονγκ", "Σόφτμπολ", "Ποδηλασία", "Σκοποβολή"},
         {Sport::TableTennis, Sport::Softball, Sport::Cycling, Sport::Shooting},
         "Label4",
         "Image2",
         108,
         kPracticeBar},
        {ScreenId::Diploma5,
         caption(kTitle, 97, "5/6"),
         {818, 559},
         kPresenters,
         kReason,
         {"Στίβος", "Ταεκβοντό", "Τέννις", "Τοξοβολία"},
         {Sport::Athletics, Sport::Taekwondo, Sport::Tennis, Sport::Archery},
         "dimploma5",
         "Image6",
         108,
         kPracticeBar},
        {ScreenId::Diploma6,
         caption(kTitle, 102, "6/6"),
         {840, 565},
         kPresenters,
         kReason,
         {"Τζούντο", "Βόλεϊ", "Χόκεϊ επί χόρτου", "Υγρός Στίβος"},
         {Sport::Judo, Sport::Volleyball, Sport::FieldHockey, Sport::Aquatics},
         "dimploma5",
         "Image2",
         108,
         kPracticeBar},
        {ScreenId::MascotDiploma,
         QStringLiteral("Απονομή Διπλώματος με όλες τις μασκότ των Ολυμπιακών Αγώνων."),
         {847, 572},
         QStringLiteral("Ο Φοίβος και η Αθηνά απονέμουν το δίπλωμα αυτό "),
         QStringLiteral("επειδή συμπλήρωσε με επιτυχία το παιχνίδι με τις μασκότ των Ολυμπιακών Αγώνων."),
         {},
         {},
         "",
         "Image2",
         108,
         {"epilogi=&Επιλογή", "game=&Επιστροφή στο παιχνίδι", "info=&Πληροφορίες"}},
    };
    return list;
}

const Expected &expected(int row)
{
    return diplomas()[row];
}

void addDiplomaRows()
{
    QTest::addColumn<int>("row");
    for (qsizetype row = 0; row < diplomas().size(); ++row)
        QTest::newRow(qPrintable(screenName(diplomas()[row].id))) << int(row);
}

QWidget *clientArea()
{
    return currentScreen()->clientArea();
}

QRect placeOf(const char *name)
{
    return control<QWidget>(name)->geometry();
}

QString pictureOf(const char *name)
{
    return control<PictureBox>(name)->picturePath();
}

QStringList menuEntries(const QList<QAction *> &actions)
{
    QStringList entries;
    for (QAction *a : actions) {
        const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
        entries << name + u'=' + (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return entries;
}

// The school, the name and the date, as a print held them.
QStringList schoolNameAndDate(const QHash<QString, QString> &printed)
{
    QStringList texts;
    for (const char *name : {"txtschool", "Text2", "lbldater"})
        texts << printed.value(QLatin1String(name), QStringLiteral("(nowhere)"));
    return texts;
}

void tick()
{
    QVERIFY(QMetaObject::invokeMethod(currentScreen(), "Timer1_Timer"));
}

} // namespace

// The seven diploma screens: what they show, the date, printing, and where
// their menus lead.
class TestDiploma : public PlatformFixture {
    Q_OBJECT
private slots:
    void opensAsDesigned_data() { addDiplomaRows(); }
    void opensAsDesigned();
    void layoutIsLegible_data() { addDiplomaRows(); }
    void layoutIsLegible();
    void fieldsTakeAnyText_data();
    void fieldsTakeAnyText();
    void aLongNameIsShownSmallerToShowMore();
    void dotsGiveWayToTheFirstTyping_data();
    void dotsGiveWayToTheFirstTyping();
    void anEmptiedFieldTakesTypingAgain_data();
    void anEmptiedFieldTakesTypingAgain();
    void timerWritesTheDate_data() { addDiplomaRows(); }
    void timerWritesTheDate();
    void printing_data() { addDiplomaRows(); }
    void printing();
    void exits_data() { addDiplomaRows(); }
    void exits();
    void handOvers_data();
    void handOvers();
};

void TestDiploma::opensAsDesigned()
{
    QFETCH(int, row);
    const Expected &e = expected(row);

    open(e.id);
    QCOMPARE(onShow(), screenName(e.id));
    QCOMPARE(m_fake->log, QStringList()); // no box, no sound
    QCOMPARE(currentScreen()->windowTitle(), e.caption);
    QCOMPARE(clientArea()->size(), e.clientSize);
    QCOMPARE(label("Label2")->text(), QStringLiteral("Δημοτικό Σχολείο"));
    QCOMPARE(label("lbl")->text(), e.presenters);
    QCOMPARE(label("Label1")->text(), e.reason);
    QCOMPARE(label("lbldater")->text(), QString());
    QCOMPARE(field("txtschool")->text(), QString(47, u'.'));
    QCOMPARE(field("Text2")->text(), QString(e.nameStops, u'.'));
    QCOMPARE(bool(field("Text2")->alignment() & Qt::AlignHCenter), e.id == ScreenId::Diploma0);
    QCOMPARE(menuEntries(currentScreen()->menuBar()->actions()), e.bar);
    QCOMPARE(menuEntries(control<QMenu>("epilogi")->actions()), kChoiceList);

    // The 2004 mascots in the middle, the date under them.
    const QRect centre = placeOf(e.centre);
    QCOMPARE(pictureOf(e.centre), picturePath(Picture::DiplomaCentre));
    QVERIFY(std::abs(centre.center().x() - clientArea()->rect().center().x()) <= 1);
    QVERIFY(placeOf("lbldater").top() > centre.bottom());

    // A sport in each corner, its name under it.
    const QList<const char *> boxes{"Image1", "Image4", "Image3", "Image5"};
    const QList<const char *> labels{"lnlarsi", "Label3", e.bottomLeft, "Label5"};
    for (qsizetype corner = 0; corner < e.sports.size(); ++corner) {
        QCOMPARE(label(labels[corner])->text(), e.sports[corner]);
        QCOMPARE(pictureOf(boxes[corner]), picturePath(e.pictures[corner]));
        QVERIFY(placeOf(labels[corner]).top() > placeOf(boxes[corner]).bottom());
        QCOMPARE(placeOf(boxes[corner]).center().x() < centre.left(), corner % 2 == 0);
        QCOMPARE(placeOf(boxes[corner]).center().y() < centre.top(), corner < 2);
    }
    if (e.id != ScreenId::MascotDiploma)
        return;
    // The mascot diploma: no sports but the mascots of 1972 to 2000 around the centre, four a side.
    QVERIFY(!currentScreen()->findChild<QLabel *>(QStringLiteral("lnlarsi")));
    const QList<std::pair<const char *, Mascot>> mascots{
        {"Image4", Mascot::Munich1972},     {"Image9", Mascot::Montreal1976}, {"Image3", Mascot::Moscow1980},
        {"Image5", Mascot::LosAngeles1984}, {"Image6", Mascot::Seoul1988},    {"Image7", Mascot::Barcelona1992},
        {"Image1", Mascot::Atlanta1996},    {"Image8", Mascot::Sydney2000}};
    int leftOfCentre = 0;
    for (const auto &[box, mascot] : mascots) {
        QCOMPARE(pictureOf(box), picturePath(mascot));
        QVERIFY(!placeOf(box).intersects(centre));
        leftOfCentre += placeOf(box).right() < centre.left() ? 1 : 0;
    }
    QCOMPARE(leftOfCentre, 4);
    QCOMPARE(label("Label3")->text(), QStringLiteral("Αθήνα 2004"));
    QVERIFY(placeOf("Label3").bottom() < centre.top() && placeOf("Label3").bottom() > centre.top() - 8);
}

void TestDiploma::layoutIsLegible()
{
    QFETCH(int, row);
    open(expected(row).id);
    tick(); // with its date

    // Inside the frame, no control over another, every text whole: the full stops too.
    const auto line = [](const char *name) { return placeOf(name); };
    const QRect inside(QPoint(line("Line4").right() + 1, line("Line1").bottom() + 1),
                       QPoint(line("Line2").left() - 1, line("Line3").top() - 1));
    constexpr int kNearTheEdges = 16;
    QVERIFY(
        inside.adjusted(-kNearTheEdges, -kNearTheEdges, kNearTheEdges, kNearTheEdges).contains(clientArea()->rect()));
    QList<QWidget *> shown;
    for (QWidget *w : clientArea()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!w->objectName().startsWith(QStringLiteral("Line")))
            shown << w;
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QString name = shown[i]->objectName();
        QVERIFY2(inside.contains(shown[i]->geometry()), qPrintable(name));
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                     qPrintable(name + QStringLiteral(" overlaps ") + shown[j]->objectName()));
        const QFontMetrics metrics = shown[i]->fontMetrics();
        int room = shown[i]->contentsRect().width();
        QString text;
        if (auto *l = qobject_cast<QLabel *>(shown[i])) {
            text = l->text();
        } else if (auto *typed = qobject_cast<QLineEdit *>(shown[i])) {
            text = typed->text();
            room -= typed->textMargins().left() + typed->textMargins().right() + 2 * kLineEditInnerMargin;
        }
        QVERIFY2(metrics.horizontalAdvance(text) <= room, qPrintable(QStringLiteral("%1 needs %2 of its %3 pixels")
                                                                         .arg(name)
                                                                         .arg(metrics.horizontalAdvance(text))
                                                                         .arg(room)));
        QVERIFY2(text.isEmpty() || metrics.height() <= shown[i]->contentsRect().height(), qPrintable(name));
    }

    // The mascot diploma's frame is thicker, and dark blue.
    const int thickness = line("Line1").height();
    QCOMPARE(thickness > 4, expected(row).id == ScreenId::MascotDiploma);
    const QColor frame = control<QWidget>("Line1")->palette().color(QPalette::Window);
    QCOMPARE(frame == QColor(0, 0, 128), expected(row).id == ScreenId::MascotDiploma);

    // The words in italic calligraphy, bold (or, in a hand of one weight, that weight: no stroke
    // thickened by the system), the school's label largest; the names in blue in the same face.
    for (const char *name : {"Label2", "lbl", "Label1"}) {
        const QFontInfo face(label(name)->font());
        QVERIFY(face.italic());
        QVERIFY2(face.bold() || QFontDatabase::styles(face.family()).size() == 1, qPrintable(face.family()));
        QCOMPARE(label(name)->font().family(), field("Text2")->font().family());
    }
    QVERIFY(label("Label2")->font().pointSize() > label("lbl")->font().pointSize());
    const QColor typed = field("Text2")->palette().color(QPalette::Text);
    QCOMPARE(field("txtschool")->palette().color(QPalette::Text), typed);
    QVERIFY(typed.blue() > 2 * std::max(typed.red(), typed.green()));
    // ... a brighter blue on the first diploma than on the others.
    const bool first = expected(row).id == ScreenId::Diploma0;
    open(first ? ScreenId::Diploma1 : ScreenId::Diploma0);
    const int otherLightness = field("Text2")->palette().color(QPalette::Text).lightness();
    QCOMPARE(typed.lightness() > otherLightness, first);
}

void TestDiploma::fieldsTakeAnyText_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole"); // else the field takes what prints readably, and quietly no more
    QTest::newRow("Greek name") << kPupil << true;
    QTest::newRow("name left among full stops") << QStringLiteral("......Νίκος.......") << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("very long") << QString(2000, u'Ω') << false;
    QTest::newRow("very long, in words") << QStringLiteral("Σχολείο ").repeated(250) << false;
    QTest::newRow("digits and marks") << QStringLiteral("3ο & 5ο «Άγιος Γεώργιος» - Ε΄ τάξη!") << true;
    // clang-format on
}

void TestDiploma::fieldsTakeAnyText()
{
    QFETCH(QString, text);
    QFETCH(bool, whole);
    constexpr qsizetype kKeysTyped = 120; // typed key by key, past what a field takes; the rest pasted
    constexpr qsizetype kLeastTaken = 19; // letters of the widest capital a field takes, at the least

    for (const Expected &e : diplomas()) {
        open(e.id);
        for (const char *name : {"txtschool", "Text2"}) {
            QLineEdit *typed = field(name);
            typed->setFocus();
            typed->selectAll(); // the pupil types over the full stops
            if (text.isEmpty())
                QTest::keyClick(typed, Qt::Key_Delete);
            for (QChar key : text.left(kKeysTyped))
                QTest::sendKeyEvent(QTest::Click, typed, Qt::Key_unknown, QString(key), Qt::NoModifier);
            typed->insert(text.mid(kKeysTyped));
            if (whole)
                QCOMPARE(typed->text(), text);
            else
                QVERIFY2(text.startsWith(typed->text()) && typed->text().size() >= kLeastTaken,
                         qPrintable(typed->text()));
        }
        QCOMPARE(m_fake->log, QStringList()); // nothing refused, nothing said
    }
}

void TestDiploma::aLongNameIsShownSmallerToShowMore()
{
    open(ScreenId::Diploma1);
    auto *school = qobject_cast<FittingField *>(field("txtschool"));
    QVERIFY(school);
    const qreal face = school->face().pointSizeF();
    school->setText(QStringLiteral("Πειραματικό Σχολείο Αθηνών «Ιωάννης Καποδίστριας»"));
    // Smaller, but no smaller than it is ever printed.
    QVERIFY(school->font().pointSizeF() < face);
    QVERIFY(school->font().pointSizeF() >= leastPrintedShare(*school, school->face(), clientArea()) * face - 0.01);
    school->setText(QStringLiteral("Αγίου Δημητρίου"));
    QCOMPARE(school->font().pointSizeF(), face);
}

void TestDiploma::dotsGiveWayToTheFirstTyping_data()
{
    // clang-format off
    QTest::addColumn<QString>("way");
    for (const char *way : {"click on the dots, type", "Tab to the field, type", "click, paste", "click, input method"})
        QTest::newRow(way) << QString::fromLatin1(way);
    // clang-format on
}

void TestDiploma::dotsGiveWayToTheFirstTyping()
{
    QFETCH(QString, way);
    const auto typeKeys = [](QLineEdit *typed, const QString &text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, typed, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    };
    open(ScreenId::Diploma0);
    currentScreen()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(currentScreen(), kEventWithinMs));

    for (const auto &[name, text] : {std::pair{"txtschool", kSchool}, std::pair{"Text2", kPupil}}) {
        QLineEdit *typed = field(name);
        if (way.startsWith(u"Tab")) {
            for (int presses = 0; presses < 2 && !typed->hasFocus(); ++presses)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } else {
            QTest::mouseClick(typed, Qt::LeftButton, Qt::NoModifier, typed->rect().center());
        }
        QVERIFY(typed->hasFocus());
        if (way.endsWith(u"paste")) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(typed, Qt::Key_V, Qt::ControlModifier);
        } else if (way.endsWith(u"input method")) {
            QInputMethodEvent composed; // an accented capital, as a dead key makes it
            composed.setCommitString(QStringLiteral("Ά"));
            QApplication::sendEvent(typed, &composed);
            typeKeys(typed, text);
            QCOMPARE(typed->text(), QStringLiteral("Ά") + text);
            typed->setText(text);
        } else {
            typeKeys(typed, text);
        }
        QCOMPARE(typed->text(), text);

        // Once the pupil has written, whatever is left stays: full stops too.
        typeKeys(typed, QStringLiteral(".."));
        typed->setSelection(0, int(text.size()));
        QTest::keyClick(typed, Qt::Key_Backspace);
        typeKeys(typed, QStringLiteral("Ν"));
        QCOMPARE(typed->text(), QStringLiteral("Ν.."));
    }
    QCOMPARE(m_fake->log, QStringList());
}

void TestDiploma::anEmptiedFieldTakesTypingAgain_data()
{
    // clang-format off
    QTest::addColumn<QString>("way");
    for (const char *way : {"cleared", "all selected, Delete", "all selected, Backspace", "Backspace to nothing",
                            "Delete to nothing", "all cut", "pasted over, then emptied", "refused a key, then emptied"})
        QTest::newRow(way) << QString::fromLatin1(way);
    // clang-format on
}

void TestDiploma::anEmptiedFieldTakesTypingAgain()
{
    QFETCH(QString, way);
    for (const ScreenId id : {ScreenId::Diploma1, ScreenId::MascotDiploma}) {
        open(id);
        for (const char *name : {"txtschool", "Text2"}) {
            QLineEdit *typed = field(name);
            typed->setFocus();
            if (way.startsWith(u"pasted")) {
                typed->selectAll();
                QApplication::clipboard()->setText(kSchool);
                QTest::keyClick(typed, Qt::Key_V, Qt::ControlModifier);
                QCOMPARE(typed->text(), kSchool);
            } else if (way.startsWith(u"refused")) {
                typed->selectAll();
                for (int key = 0; key < 200; ++key) // far past what a line takes
                    QTest::keyClick(typed, Qt::Key_W, Qt::ShiftModifier);
                QVERIFY(typed->text().size() < 200);
            }
            if (way == u"cleared") {
                typed->clear();
            } else if (way.startsWith(u"all")) {
                QTest::keyClick(typed, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(typed,
                                way.endsWith(u"Delete") ? Qt::Key_Delete
                                : way.endsWith(u"cut")  ? Qt::Key_X
                                                        : Qt::Key_Backspace,
                                way.endsWith(u"cut") ? Qt::ControlModifier : Qt::NoModifier);
            } else if (way.startsWith(u"Delete")) {
                typed->home(false);
                while (!typed->text().isEmpty())
                    QTest::keyClick(typed, Qt::Key_Delete);
            } else {
                typed->end(false);
                while (!typed->text().isEmpty())
                    QTest::keyClick(typed, Qt::Key_Backspace);
            }
            QCOMPARE(typed->text(), QString());
            // Typed keys, and a letter the input method composes.
            QTest::keyClicks(typed, QStringLiteral("12"));
            QInputMethodEvent composed;
            composed.setCommitString(QStringLiteral("ά"));
            QApplication::sendEvent(typed, &composed);
            QCOMPARE(typed->text(), QStringLiteral("12ά"));
        }
    }
    QCOMPARE(m_fake->log, QStringList());
}

void TestDiploma::timerWritesTheDate()
{
    QFETCH(int, row);
    open(expected(row).id);

    const auto *timer = currentScreen()->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), kDateIntervalMs);
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(label("lbldater")->text(), m_fake->date, kEventWithinMs);
    QVERIFY(clock.elapsed() >= kDateIntervalMs / 2);

    // Midnight passes while the pupil writes.
    m_fake->date = QStringLiteral("1/1/2027");
    tick();
    QCOMPARE(label("lbldater")->text(), QStringLiteral("1/1/2027"));
    QCOMPARE(m_fake->log, QStringList());
}

void TestDiploma::printing()
{
    QFETCH(int, row);
    const QString name = screenName(expected(row).id);

    // Within the first second, untouched: the full stops and no date.
    open(expected(row).id);
    const QString stops = field("Text2")->text();
    choose("ektiposi");
    QCOMPARE(m_fake->log, QStringList{"print: " + name});
    QCOMPARE(m_fake->printed.front().data(), static_cast<QWidget *>(currentScreen()));
    QCOMPARE(schoolNameAndDate(m_fake->printedTexts.back()), (QStringList{QString(47, u'.'), stops, QString()}));

    // Filled in, with the date: printed as it stands, as often as wanted, the diploma left open.
    const QString typed = kPupil + QStringLiteral("......");
    type("txtschool", kSchool);
    type("Text2", typed);
    tick();
    choose("ektiposi");
    choose("ektiposi");
    QCOMPARE(m_fake->printedTexts.size(), std::size_t(3));
    for (std::size_t i = 1; i < 3; ++i)
        QCOMPARE(schoolNameAndDate(m_fake->printedTexts[i]), (QStringList{kSchool, typed, m_fake->date}));
    for (const QStringList &shown : m_fake->screensAtPrint)
        QCOMPARE(shown, QStringList{name});
    QCOMPARE(onShow(), name);
    QCOMPARE(field("Text2")->text(), typed);
    QCOMPARE(m_fake->messages, QStringList());
    QCOMPARE(m_fake->beeps, 0);
}

void TestDiploma::exits()
{
    QFETCH(int, row);
    const ScreenId id = expected(row).id;

    open(id);
    type("Text2", kPupil);
    choose("exit");
    QCOMPARE(m_fake->log, (QStringList{"beep", "end"}));
    // A practice diploma beeps while still shown; the mascot diploma is gone first.
    const QStringList shownAtBeep = id == ScreenId::MascotDiploma ? QStringList() : QStringList{screenName(id)};
    QCOMPARE(m_fake->screensAtBeep, std::vector<QStringList>{shownAtBeep});
}

void TestDiploma::handOvers_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<ScreenId>("target");
    for (const Expected &e : diplomas()) {
        const QString name = screenName(e.id);
        QTest::newRow(qPrintable(name + QStringLiteral(": arxi to frminfo"))) << e.id << "arxi" << ScreenId::Home;
        QTest::newRow(qPrintable(name + QStringLiteral(": game to paixnidi"))) << e.id << "game" << ScreenId::Game;
    }
    QTest::newRow("dimplomamaskot: info to frmmakers") << ScreenId::MascotDiploma << "info" << ScreenId::Credits;
    // clang-format on
}

void TestDiploma::handOvers()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, entry);
    QFETCH(ScreenId, target);

    open(id);
    const QString stops = field("Text2")->text();
    type("txtschool", kSchool);
    type("Text2", kPupil);
    tick();
    choose(qPrintable(entry));
    QVERIFY(!visibleScreens().contains(screenName(id)));
    QCOMPARE(onShow(), screenName(target));
    QCOMPARE(m_fake->beeps, 0);
    QCOMPARE(m_fake->ends, 0);

    // Whatever was typed is gone: the diploma opened again starts from its full stops.
    open(id);
    QCOMPARE(field("txtschool")->text(), QString(47, u'.'));
    QCOMPARE(field("Text2")->text(), stops);
    QCOMPARE(label("lbldater")->text(), QString());
}

QTEST_MAIN(TestDiploma)
#include "tst_diploma.moc"
