#include "assets/pictures.h"
#include "shell/picturebox.h"
#include "testing.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <cstdlib>
#include <memory>

using namespace kalyxteron;
using namespace kalyxteron::test;

Q_DECLARE_METATYPE(kalyxteron::ScreenId)

namespace {

const QString kTitle = QStringLiteral("Απονομή διπλώματος από το Φοίβο και την Αθηνά.");
const QString kPracticeReason = QStringLiteral("επειδή συμπλήρωσε με επιτυχία τις πράξεις των ακεραίων.");
const QStringList kChoiceList{"arxi=&Αρχική Οθόνη", "mnusep1=-", "ektiposi=&Εκτύπωση Διπλώματος", "mnusep2=-",
                              "exit=&Έξοδος"};
const QString kPupil = QStringLiteral("Ελένη Παπαδοπούλου");
const QString kSchool = QStringLiteral("3ο Καλαμάτας");

constexpr int kDateIntervalMs = 1000;
constexpr int kFirstTickWaitMs = 3000;
constexpr int kLineEditInnerMargin = 2; // Qt's own room on either side of a line edit's text

const QList<ScreenId> kPracticeDiplomas{ScreenId::Diploma0, ScreenId::Diploma1, ScreenId::Diploma2,
                                        ScreenId::Diploma4, ScreenId::Diploma5, ScreenId::Diploma6};

QList<ScreenId> allDiplomas()
{
    return kPracticeDiplomas + QList<ScreenId>{ScreenId::MascotDiploma};
}

// The fake platform, noting also what the pupil saw at each beep and at each print.
class DiplomaPlatform : public FakePlatform {
public:
    void beep() override
    {
        screensAtBeep.push_back(visibleScreens());
        FakePlatform::beep();
    }
    void printForm(QWidget *form) override
    {
        FakePlatform::printForm(form);
        const auto text = [form](const char *name) -> QString {
            if (auto *field = form->findChild<QLineEdit *>(QLatin1String(name)))
                return field->text();
            auto *label = form->findChild<QLabel *>(QLatin1String(name));
            return label ? label->text() : QStringLiteral("<none>");
        };
        printedTexts.push_back({text("txtschool"), text("Text2"), text("lbldater")});
        screensAtPrint.push_back(visibleScreens());
    }

    std::vector<QStringList> screensAtBeep;
    std::vector<QStringList> printedTexts; // school, name, date, as they were at each print
    std::vector<QStringList> screensAtPrint;
};

bool screenExists(ScreenId id)
{
    return std::unique_ptr<Screen>(createScreen(id)) != nullptr;
}

QWidget *clientArea()
{
    return currentScreen()->centralWidget();
}

PictureBox *picture(const char *name)
{
    return control<PictureBox>(name);
}

QStringList barEntries()
{
    QStringList entries;
    for (QAction *action : currentScreen()->menuBar()->actions()) {
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        entries << name + u'=' + action->text();
    }
    return entries;
}

QStringList listEntries(const char *list)
{
    QStringList entries;
    for (QAction *action : control<QMenu>(list)->actions())
        entries << action->objectName() + u'=' + (action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

// The controls a pupil sees on the client area, the frame lines apart.
QList<QWidget *> shownControls()
{
    QList<QWidget *> shown;
    for (QWidget *w : clientArea()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(clientArea()) && !w->objectName().startsWith(QStringLiteral("Line")))
            shown << w;
    }
    return shown;
}

// Inside the four frame lines.
QRect insideFrame()
{
    QRect inside = clientArea()->rect();
    inside.setTop(clientArea()->findChild<QWidget *>(QStringLiteral("Line1"))->geometry().bottom() + 1);
    inside.setRight(clientArea()->findChild<QWidget *>(QStringLiteral("Line2"))->geometry().left() - 1);
    inside.setBottom(clientArea()->findChild<QWidget *>(QStringLiteral("Line3"))->geometry().top() - 1);
    inside.setLeft(clientArea()->findChild<QWidget *>(QStringLiteral("Line4"))->geometry().right() + 1);
    return inside;
}

} // namespace

// The seven diploma screens: what they show, the date, printing, and where
// their menus lead.
class TestDiploma : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fake = std::make_unique<DiplomaPlatform>(); }
    void cleanup() { m_fake.reset(); }

    void opensQuietlyWithItsCaption_data();
    void opensQuietlyWithItsCaption();
    void texts_data();
    void texts();
    void cornerSports_data();
    void cornerSports();
    void mascotsAroundTheCentre();
    void centrePictureAndDate_data();
    void centrePictureAndDate();
    void fieldsStartWithFullStops_data();
    void fieldsStartWithFullStops();
    void fieldsTakeAnyText_data();
    void fieldsTakeAnyText();
    void typedNamesInBlue();
    void frameAroundEverything_data();
    void frameAroundEverything();
    void everythingLegible_data();
    void everythingLegible();
    void menus_data();
    void menus();
    void timerWritesTheDate_data();
    void timerWritesTheDate();
    void dateFollowsTheCalendar();
    void printing_data();
    void printing();
    void exits_data();
    void exits();
    void handOvers_data();
    void handOvers();
    void aDiplomaOpenedAgainStartsAfresh_data();
    void aDiplomaOpenedAgainStartsAfresh();

private:
    static void addScreenRows(const QList<ScreenId> &screens);
    std::unique_ptr<DiplomaPlatform> m_fake;
};

void TestDiploma::addScreenRows(const QList<ScreenId> &screens)
{
    QTest::addColumn<ScreenId>("id");
    for (ScreenId id : screens)
        QTest::newRow(qPrintable(screenName(id))) << id;
}

void TestDiploma::opensQuietlyWithItsCaption_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("blanks");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QSize>("clientSize");

    const QString withoutStop = QStringLiteral("Απονομή διπλώματος από το Φοίβο και την Αθηνά");
    QTest::newRow("dimploma0, 1/6") << ScreenId::Diploma0 << kTitle << 103 << "1/6" << QSize(840, 565);
    QTest::newRow("dimploma1, 2/6") << ScreenId::Diploma1 << kTitle << 101 << "2/6" << QSize(840, 565);
    QTest::newRow("dimploma2, 3/6") << ScreenId::Diploma2 << kTitle << 103 << "3/6" << QSize(840, 565);
    QTest::newRow("dimploma4, 4/6 without full stop") << ScreenId::Diploma4 << withoutStop << 104 << "4/6"
                                                      << QSize(840, 565);
    QTest::newRow("dimploma5, 5/6 narrower") << ScreenId::Diploma5 << kTitle << 97 << "5/6" << QSize(818, 559);
    QTest::newRow("dimploma6, 6/6") << ScreenId::Diploma6 << kTitle << 102 << "6/6" << QSize(840, 565);
    QTest::newRow("dimplomamaskot, no mark")
        << ScreenId::MascotDiploma
        << QStringLiteral("Απονομή Διπλώματος με όλες τις μασκότ των Ολυμπιακών Αγώνων.") << 0 << ""
        << QSize(847, 572);
}

void TestDiploma::opensQuietlyWithItsCaption()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, title);
    QFETCH(int, blanks);
    QFETCH(QString, mark);
    QFETCH(QSize, clientSize);

    open(id);
    QCOMPARE(onShow(), screenName(id));
    QVERIFY2(m_fake->log.isEmpty(), qPrintable(m_fake->log.join(u'|'))); // no box, no sound
    const QString caption = currentScreen()->windowTitle();
    QVERIFY(caption.startsWith(title));
    QVERIFY(caption.endsWith(mark));
    QCOMPARE(caption.size(), title.size() + blanks + mark.size());
    QCOMPARE(caption.mid(title.size(), caption.size() - title.size() - mark.size()), QString(blanks, u' '));
    QCOMPARE(caption, title + QString(blanks, u' ') + mark);
    QCOMPARE(clientArea()->size(), clientSize);
}

void TestDiploma::texts_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("presenters");
    QTest::addColumn<QString>("reason");

    const QString practice = QStringLiteral("Ο Φοίβος και η Αθηνά απονέμουν το  δίπλωμα αυτό ");
    for (ScreenId id : kPracticeDiplomas)
        QTest::newRow(qPrintable(screenName(id))) << id << practice << kPracticeReason;
    QTest::newRow("dimplomamaskot, one blank before δίπλωμα")
        << ScreenId::MascotDiploma << QStringLiteral("Ο Φοίβος και η Αθηνά απονέμουν το δίπλωμα αυτό ")
        << QStringLiteral("επειδή συμπλήρωσε με επιτυχία το παιχνίδι με τις μασκότ των Ολυμπιακών Αγώνων.");
}

void TestDiploma::texts()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, presenters);
    QFETCH(QString, reason);

    open(id);
    QCOMPARE(label("Label2")->text(), QStringLiteral("Δημοτικό Σχολείο"));
    QCOMPARE(label("lbl")->text(), presenters);
    QCOMPARE(label("Label1")->text(), reason);
}

void TestDiploma::cornerSports_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("labels");  // top left, top right, bottom left, bottom right
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("pictures");

    const QStringList usual{"lnlarsi", "Label3", "Label4", "Label5"};
    const QStringList renamed{"lnlarsi", "Label3", "dimploma5", "Label5"};
    const auto paths = [](std::initializer_list<Sport> sports) {
        QStringList list;
        for (Sport sport : sports)
            list << picturePath(sport);
        return list;
    };
    QTest::newRow("dimploma0") << ScreenId::Diploma0 << usual
                               << QStringList{"Ιστιοπλοϊα", "Ξιφασκία", "Μπάτμιντον", "Πάλη"}
                               << paths({Sport::Sailing, Sport::Fencing, Sport::Badminton, Sport::Wrestling});
    QTest::newRow("dimploma1") << ScreenId::Diploma1 << usual
                               << QStringList{"Άρση Βαρών", "Μπάσκετ", "Μπείζμπολ", "Πυγμαχία"}
                               << paths({Sport::Weightlifting, Sport::Basketball, Sport::Baseball, Sport::Boxing});
    QTest::newRow("dimploma2") << ScreenId::Diploma2 << usual
                               << QStringList{"Ποδόσφαιρο", "Γυμναστική", "Χάντμπολ", "Ιππασία"}
                               << paths({Sport::Football, Sport::Gymnastics, Sport::Handball, Sport::Equestrian});
    QTest::newRow("dimploma4") << ScreenId::Diploma4 << usual
                               << QStringList{"Πινγκ πονγκ", "Σόφτμπολ", "Ποδηλασία", "Σκοποβολή"}
                               << paths({Sport::TableTennis, Sport::Softball, Sport::Cycling, Sport::Shooting});
    QTest::newRow("dimploma5, bottom left label named dimploma5")
        << ScreenId::Diploma5 << renamed << QStringList{"Στίβος", "Ταεκβοντό", "Τέννις", "Τοξοβολία"}
        << paths({Sport::Athletics, Sport::Taekwondo, Sport::Tennis, Sport::Archery});
    QTest::newRow("dimploma6, bottom left label named dimploma5")
        << ScreenId::Diploma6 << renamed << QStringList{"Τζούντο", "Βόλεϊ", "Χόκεϊ επί χόρτου", "Υγρός Στίβος"}
        << paths({Sport::Judo, Sport::Volleyball, Sport::FieldHockey, Sport::Aquatics});
}

void TestDiploma::cornerSports()
{
    QFETCH(ScreenId, id);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, names);
    QFETCH(QStringList, pictures);

    open(id);
    const QList<const char *> boxes{"Image1", "Image4", "Image3", "Image5"};
    const QRect area = clientArea()->rect();
    for (qsizetype corner = 0; corner < boxes.size(); ++corner) {
        const PictureBox *box = picture(boxes[corner]);
        const QLabel *name = label(qPrintable(labels[corner]));
        QCOMPARE(name->text(), names[corner]);
        QCOMPARE(box->picturePath(), pictures[corner]);
        QVERIFY(box->isVisibleTo(currentScreen()));
        // The name stands under its picture.
        QVERIFY(name->geometry().top() >= box->geometry().bottom());
        QVERIFY(name->geometry().intersects(box->geometry().translated(0, name->y() - box->y())));
        // ... in its own corner.
        const bool left = corner % 2 == 0;
        const bool top = corner < 2;
        QCOMPARE(box->geometry().center().x() < area.center().x(), left);
        QCOMPARE(box->geometry().center().y() < area.center().y(), top);
    }
}

void TestDiploma::mascotsAroundTheCentre()
{
    open(ScreenId::MascotDiploma);
    const QList<std::pair<const char *, Mascot>> boxes{
        {"Image4", Mascot::Munich1972},    {"Image9", Mascot::Montreal1976}, {"Image3", Mascot::Moscow1980},
        {"Image5", Mascot::LosAngeles1984}, {"Image6", Mascot::Seoul1988},    {"Image7", Mascot::Barcelona1992},
        {"Image1", Mascot::Atlanta1996},   {"Image8", Mascot::Sydney2000},
    };
    const QRect centre = picture("Image2")->geometry();
    int leftOfCentre = 0;
    for (const auto &[box, mascot] : boxes) {
        QCOMPARE(picture(box)->picturePath(), picturePath(mascot));
        QVERIFY(picture(box)->isVisibleTo(currentScreen()));
        QVERIFY(!picture(box)->geometry().intersects(centre));
        leftOfCentre += picture(box)->geometry().right() < centre.left() ? 1 : 0;
    }
    QCOMPARE(leftOfCentre, 4); // four on either side

    // No sports on it.
    for (const char *sportLabel : {"lnlarsi", "Label4", "Label5", "dimploma5"})
        QVERIFY(!currentScreen()->findChild<QLabel *>(QLatin1String(sportLabel)));

    // "Αθήνα 2004" over the top of the centre picture.
    const QLabel *athens = label("Label3");
    QCOMPARE(athens->text(), QStringLiteral("Αθήνα 2004"));
    QVERIFY(athens->geometry().bottom() < centre.top() + centre.height() / 4);
    QVERIFY(std::abs(athens->geometry().center().x() - centre.center().x()) <= 1);
}

void TestDiploma::centrePictureAndDate_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("box");
    for (ScreenId id : allDiplomas()) {
        const bool renamed = id == ScreenId::Diploma5;
        QTest::newRow(qPrintable(screenName(id) + (renamed ? QStringLiteral(", Image6") : QString())))
            << id << (renamed ? QStringLiteral("Image6") : QStringLiteral("Image2"));
    }
}

void TestDiploma::centrePictureAndDate()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, box);

    open(id);
    const PictureBox *centre = picture(qPrintable(box));
    QCOMPARE(centre->picturePath(), picturePath(Picture::DiplomaCentre));
    const QRect area = clientArea()->rect();
    QVERIFY(std::abs(centre->geometry().center().x() - area.center().x()) <= 1);
    const QLabel *date = label("lbldater");
    QVERIFY(date->geometry().top() >= centre->geometry().bottom());
    QVERIFY(std::abs(date->geometry().center().x() - centre->geometry().center().x()) <= 1);
}

void TestDiploma::fieldsStartWithFullStops_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<int>("nameStops");
    QTest::addColumn<bool>("centred");
    for (ScreenId id : allDiplomas()) {
        const bool first = id == ScreenId::Diploma0;
        QTest::newRow(qPrintable(screenName(id) + (first ? QStringLiteral(", 111 centred") : QString())))
            << id << (first ? 111 : 108) << first;
    }
}

void TestDiploma::fieldsStartWithFullStops()
{
    QFETCH(ScreenId, id);
    QFETCH(int, nameStops);
    QFETCH(bool, centred);

    open(id);
    QCOMPARE(field("txtschool")->text(), QString(47, u'.'));
    QCOMPARE(field("Text2")->text(), QString(nameStops, u'.'));
    QCOMPARE(bool(field("Text2")->alignment() & Qt::AlignHCenter), centred);
}

void TestDiploma::fieldsTakeAnyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("Greek name") << kPupil;
    QTest::newRow("name left among full stops") << QStringLiteral("......Νίκος.......");
    QTest::newRow("empty") << QString();
    QTest::newRow("very long") << QString(2000, u'Ω');
    QTest::newRow("digits and marks") << QStringLiteral("3ο & 5ο «Άγιος Γεώργιος» - Ε΄ τάξη!");
}

void TestDiploma::fieldsTakeAnyText()
{
    QFETCH(QString, text);
    constexpr qsizetype kKeysTyped = 64; // typed key by key; the rest pasted

    for (ScreenId id : allDiplomas()) {
        open(id);
        for (const char *name : {"txtschool", "Text2"}) {
            QLineEdit *typed = field(name);
            QVERIFY(typed->isEnabled());
            QVERIFY(!typed->isReadOnly());
            typed->setFocus();
            typed->selectAll(); // the pupil types over the full stops
            if (text.isEmpty())
                QTest::keyClick(typed, Qt::Key_Delete);
            for (QChar key : text.left(kKeysTyped))
                QTest::sendKeyEvent(QTest::Click, typed, Qt::Key_unknown, QString(key), Qt::NoModifier);
            typed->insert(text.mid(kKeysTyped));
            QCOMPARE(typed->text(), text);
        }
        QVERIFY(m_fake->log.isEmpty()); // nothing refused, nothing said
    }
}

void TestDiploma::typedNamesInBlue()
{
    QHash<ScreenId, QColor> colours;
    for (ScreenId id : allDiplomas()) {
        open(id);
        const QColor school = field("txtschool")->palette().color(QPalette::Text);
        const QColor name = field("Text2")->palette().color(QPalette::Text);
        QCOMPARE(school, name);
        QVERIFY2(name.blue() > 2 * std::max(name.red(), name.green()), qPrintable(name.name()));
        colours[id] = name;
    }
    // The first diploma writes in a brighter blue than the others.
    for (ScreenId id : allDiplomas()) {
        if (id != ScreenId::Diploma0)
            QVERIFY(colours[ScreenId::Diploma0].lightness() > colours[id].lightness());
    }
}

void TestDiploma::frameAroundEverything_data()
{
    addScreenRows(allDiplomas());
}

void TestDiploma::frameAroundEverything()
{
    QFETCH(ScreenId, id);

    open(id);
    const QRect area = clientArea()->rect();
    const QRect inside = insideFrame();
    constexpr int kNearTheEdge = 12;
    QVERIFY(inside.top() <= kNearTheEdge * 2 && inside.left() <= kNearTheEdge * 2);
    QVERIFY(area.bottom() - inside.bottom() <= kNearTheEdge * 2 && area.right() - inside.right() <= kNearTheEdge * 2);
    int thickness = 0;
    for (const char *line : {"Line1", "Line2", "Line3", "Line4"}) {
        const QRect side = clientArea()->findChild<QWidget *>(QLatin1String(line))->geometry();
        QVERIFY(area.contains(side));
        const int thin = std::min(side.width(), side.height());
        QVERIFY(thickness == 0 || thickness == thin);
        thickness = thin;
    }
    // The mascot diploma's frame is thicker and dark blue.
    QCOMPARE(thickness > 4, id == ScreenId::MascotDiploma);
    const QColor colour = clientArea()->findChild<QWidget *>(QStringLiteral("Line1"))->palette().color(QPalette::Window);
    if (id == ScreenId::MascotDiploma)
        QVERIFY(colour.blue() > 0 && colour.red() == 0 && colour.green() == 0 && colour.lightness() < 100);

    for (QWidget *w : shownControls())
        QVERIFY2(inside.contains(w->geometry()), qPrintable(w->objectName()));
}

void TestDiploma::everythingLegible_data()
{
    addScreenRows(allDiplomas());
}

void TestDiploma::everythingLegible()
{
    QFETCH(ScreenId, id);

    open(id);
    QVERIFY(m_fake->date.size() > 0);
    QMetaObject::invokeMethod(currentScreen(), "Timer1_Timer"); // the date shows too
    const QList<QWidget *> shown = shownControls();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                     qPrintable(shown[i]->objectName() + QStringLiteral(" overlaps ") + shown[j]->objectName()));
        }
    }
    // Every text shows whole, the full stops of the fields included.
    for (QWidget *w : shown) {
        const QFontMetrics metrics = w->fontMetrics();
        if (auto *text = qobject_cast<QLabel *>(w)) {
            const QRect room = text->contentsRect();
            QVERIFY2(metrics.horizontalAdvance(text->text()) <= room.width(), qPrintable(w->objectName()));
            QVERIFY2(metrics.height() <= room.height(), qPrintable(w->objectName()));
        } else if (auto *typed = qobject_cast<QLineEdit *>(w)) {
            const QMargins margins = typed->textMargins();
            const int room = typed->contentsRect().width() - margins.left() - margins.right() -
                             2 * kLineEditInnerMargin;
            QVERIFY2(metrics.horizontalAdvance(typed->text()) <= room, qPrintable(w->objectName()));
            QVERIFY2(metrics.height() <= typed->contentsRect().height(), qPrintable(w->objectName()));
        }
    }
    // The calligraphic face, bold and italic, for the diploma's words; the school's label largest.
    for (const char *name : {"Label2", "lbl", "Label1"}) {
        QVERIFY(label(name)->font().italic());
        QVERIFY(label(name)->font().bold());
        QCOMPARE(label(name)->font().family(), field("Text2")->font().family());
    }
    QVERIFY(label("Label2")->font().pointSize() > label("lbl")->font().pointSize());
    QCOMPARE(label("lbl")->font().pointSize(), label("Label1")->font().pointSize());
}

void TestDiploma::menus_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("bar");

    const QStringList practice{"epilogi=&Επιλογή", "game=&Παιχνίδι"};
    for (ScreenId id : kPracticeDiplomas)
        QTest::newRow(qPrintable(screenName(id))) << id << practice;
    QTest::newRow("dimplomamaskot, back to the game and credits")
        << ScreenId::MascotDiploma
        << QStringList{"epilogi=&Επιλογή", "game=&Επιστροφή στο παιχνίδι", "info=&Πληροφορίες"};
}

void TestDiploma::menus()
{
    QFETCH(ScreenId, id);
    QFETCH(QStringList, bar);

    open(id);
    QCOMPARE(barEntries(), bar);
    QCOMPARE(listEntries("epilogi"), kChoiceList);
}

void TestDiploma::timerWritesTheDate_data()
{
    addScreenRows(allDiplomas());
}

void TestDiploma::timerWritesTheDate()
{
    QFETCH(ScreenId, id);

    open(id);
    QCOMPARE(label("lbldater")->text(), QString());
    const auto *timer = currentScreen()->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), kDateIntervalMs);
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(label("lbldater")->text(), m_fake->date, kFirstTickWaitMs);
    QVERIFY(clock.elapsed() >= kDateIntervalMs / 2);
    QVERIFY(m_fake->log.isEmpty());
}

void TestDiploma::dateFollowsTheCalendar()
{
    open(ScreenId::Diploma2);
    const auto tick = [] { QVERIFY(QMetaObject::invokeMethod(currentScreen(), "Timer1_Timer")); };
    m_fake->date = QStringLiteral("31/12/2026");
    tick();
    QCOMPARE(label("lbldater")->text(), QStringLiteral("31/12/2026"));
    tick();
    QCOMPARE(label("lbldater")->text(), QStringLiteral("31/12/2026"));
    m_fake->date = QStringLiteral("1/1/2027"); // midnight passes while the pupil writes
    tick();
    QCOMPARE(label("lbldater")->text(), QStringLiteral("1/1/2027"));
}

void TestDiploma::printing_data()
{
    addScreenRows(allDiplomas());
}

void TestDiploma::printing()
{
    QFETCH(ScreenId, id);
    const QString name = screenName(id);

    // Within the first second, untouched: the full stops and no date.
    open(id);
    const QString stops = field("Text2")->text();
    choose("ektiposi");
    QCOMPARE(m_fake->log, QStringList{"print: " + name});
    QCOMPARE(m_fake->printed.size(), std::size_t(1));
    QCOMPARE(m_fake->printed.front().data(), static_cast<QWidget *>(currentScreen()));
    QCOMPARE(m_fake->printedTexts.back(), (QStringList{QString(47, u'.'), stops, QString()}));

    // Filled in, with the date: printed as it stands, and again as often as wanted.
    type("txtschool", kSchool);
    type("Text2", kPupil + QStringLiteral("......"));
    QMetaObject::invokeMethod(currentScreen(), "Timer1_Timer");
    choose("ektiposi");
    choose("ektiposi");
    QCOMPARE(m_fake->printed.size(), std::size_t(3));
    const QStringList filledIn{kSchool, kPupil + QStringLiteral("......"), m_fake->date};
    QCOMPARE(m_fake->printedTexts[1], filledIn);
    QCOMPARE(m_fake->printedTexts[2], filledIn);
    for (const QStringList &shown : m_fake->screensAtPrint)
        QCOMPARE(shown, QStringList{name});

    // The diploma stays open as it was; no box, no sound.
    QCOMPARE(onShow(), name);
    QCOMPARE(field("Text2")->text(), kPupil + QStringLiteral("......"));
    QCOMPARE(field("txtschool")->text(), kSchool);
    QCOMPARE(m_fake->messages, QStringList());
    QCOMPARE(m_fake->beeps, 0);
}

void TestDiploma::exits_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("shownAtBeep");
    for (ScreenId id : kPracticeDiplomas)
        QTest::newRow(qPrintable(screenName(id) + QStringLiteral(", beep while shown"))) << id
                                                                                          << QStringList{screenName(id)};
    QTest::newRow("dimplomamaskot, gone before the beep") << ScreenId::MascotDiploma << QStringList();
}

void TestDiploma::exits()
{
    QFETCH(ScreenId, id);
    QFETCH(QStringList, shownAtBeep);

    open(id);
    type("Text2", kPupil);
    choose("exit");
    QCOMPARE(m_fake->log, (QStringList{"beep", "end"}));
    QCOMPARE(m_fake->screensAtBeep.size(), std::size_t(1));
    QCOMPARE(m_fake->screensAtBeep.front(), shownAtBeep);
    QCOMPARE(m_fake->printed.size(), std::size_t(0));
}

void TestDiploma::handOvers_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<ScreenId>("target");
    for (ScreenId id : allDiplomas()) {
        const QString name = screenName(id);
        QTest::newRow(qPrintable(name + QStringLiteral(" arxi to frminfo"))) << id << "arxi" << ScreenId::Home;
        QTest::newRow(qPrintable(name + QStringLiteral(" game to paixnidi"))) << id << "game" << ScreenId::Game;
    }
    QTest::newRow("dimplomamaskot info to frmmakers") << ScreenId::MascotDiploma << "info" << ScreenId::Credits;
}

void TestDiploma::handOvers()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, entry);
    QFETCH(ScreenId, target);

    open(id);
    type("Text2", kPupil);
    const bool targetExists = screenExists(target); // the game may not be there yet
    choose(qPrintable(entry));
    QVERIFY(!visibleScreens().contains(screenName(id)));
    QCOMPARE(onShow(), targetExists ? screenName(target) : QString());
    QCOMPARE(m_fake->beeps, 0);
    QCOMPARE(m_fake->ends, 0);
    QCOMPARE(m_fake->printed.size(), std::size_t(0));
}

void TestDiploma::aDiplomaOpenedAgainStartsAfresh_data()
{
    addScreenRows(allDiplomas());
}

void TestDiploma::aDiplomaOpenedAgainStartsAfresh()
{
    QFETCH(ScreenId, id);

    open(id);
    const QString stops = field("Text2")->text();
    type("txtschool", kSchool);
    type("Text2", kPupil);
    QMetaObject::invokeMethod(currentScreen(), "Timer1_Timer");
    choose("arxi");
    QCOMPARE(onShow(), QStringLiteral("frminfo"));
    open(id);
    QCOMPARE(field("txtschool")->text(), QString(47, u'.'));
    QCOMPARE(field("Text2")->text(), stops);
    QCOMPARE(label("lbldater")->text(), QString());
}

QTEST_MAIN(TestDiploma)
#include "tst_diploma.moc"
