// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platformfixture.h"
#include "practice/rules/feedbacktables.h"
#include "shell/widgets/application.h"
#include "testing.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

#include <algorithm>
#include <memory>

using namespace kalyxteron;
using namespace kalyxteron::test;

Q_DECLARE_METATYPE(kalyxteron::ScreenId)

namespace {

QString focused()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

// Presses Tab until the named control has the focus: it must be reachable by keys alone.
bool tabTo(const QString &name)
{
    constexpr int kMostPresses = 40;
    for (int i = 0; i < kMostPresses && focused() != name; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return focused() == name;
}

void pressSpace()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
}

// Types text key by key, Greek letters too.
void typeKeys(const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

// How far the caption's strongest ink stands from the button's face, in grey levels: the face
// is the median of the inside (the caption covers less than half of it), the frame is left out.
int captionContrast(const QImage &image)
{
    constexpr int kFrame = 5;
    std::vector<int> levels;
    for (int y = kFrame; y < image.height() - kFrame; ++y)
        for (int x = kFrame; x < image.width() - kFrame; ++x)
            levels.push_back(qGray(image.pixel(x, y)));
    if (levels.empty())
        return 0;
    auto middle = levels.begin() + std::ptrdiff_t(levels.size() / 2);
    std::nth_element(levels.begin(), middle, levels.end());
    const int face = *middle;
    int strongest = 0;
    for (int level : levels)
        strongest = std::max(strongest, std::abs(level - face));
    return strongest;
}

// One row per push button of every screen, named after the screen and the button.
void addButtonRows()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("name");
    for (int s = 0; s < kScreenCount; ++s) {
        const std::unique_ptr<Screen> built(createScreen(ScreenId(s)));
        for (const QPushButton *b : built->findChildren<QPushButton *>())
            QTest::addRow("%s, %s", qPrintable(built->objectName()), qPrintable(b->objectName()))
                << ScreenId(s) << b->objectName();
    }
}

// Alt and the letter after "&": opens a list of the menu bar, or runs a command on it.
void altKey(QChar letter)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : currentScreen();
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key(letter.toUpper().unicode()), QString(letter.toLower()),
                        Qt::AltModifier);
}

// In an open list, the letter after "&" runs the entry.
void menuKey(QChar letter)
{
    QWidget *popup = QApplication::activePopupWidget();
    QVERIFY2(popup, "no list is open");
    QKeyEvent press(QEvent::KeyPress, letter.toUpper().unicode(), Qt::NoModifier, QString(letter));
    QApplication::sendEvent(popup, &press);
}

struct Found {
    QStringList unnamed;
    int interactive = 0;
};

void walk(QAccessibleInterface *node, Found &found, int depth = 0)
{
    if (!node || depth > 30)
        return;
    const QAccessible::State state = node->state();
    const QAccessible::Role role = node->role();
    const bool interactive = role == QAccessible::EditableText || role == QAccessible::PushButton ||
                             role == QAccessible::Graphic || role == QAccessible::MenuItem;
    if (interactive && !state.invisible) {
        ++found.interactive;
        if (node->text(QAccessible::Name).trimmed().isEmpty()) {
            QObject *object = node->object();
            found.unnamed << (object ? object->objectName() : QStringLiteral("?")) + u'/' + QString::number(role);
        }
    }
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), found, depth + 1);
}

} // namespace

// Every screen can be worked with the keyboard alone, and a screen reader can
// name every control and hears the praise and warning words.
class TestAccess : public PlatformFixture {
    Q_OBJECT
public:
    TestAccess() : PlatformFixture(7) {}

private slots:
    void initTestCase() { setUpApplication(); }

    void everyControlHasAName_data();
    void everyControlHasAName();
    void praiseAndWarningAreAnnounced();
    void menusOpenWithAltKeys();
    void wholeProblemWithKeysAlone_data();
    void wholeProblemWithKeysAlone();
    void gameTurnWithKeysAlone();
    void diplomaWithKeysAlone();
    void buttonsLookDisabled_data();
    void buttonsLookDisabled();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void fieldMenuIsGreek();
};

void TestAccess::everyControlHasAName_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    for (int s = 0; s < kScreenCount; ++s)
        QTest::newRow(qPrintable(screenName(ScreenId(s)))) << ScreenId(s);
    // clang-format on
}

void TestAccess::everyControlHasAName()
{
    QFETCH(ScreenId, screen);
    open(screen);
    QVERIFY(currentScreen());
    // Show every picture, so that each one is asked for its name too.
    for (QWidget *w : currentScreen()->clientArea()->findChildren<QWidget *>())
        if (w->inherits("kalyxteron::PictureBox"))
            w->show();
    Found found;
    walk(QAccessible::queryAccessibleInterface(currentScreen()), found);
    QVERIFY(found.interactive > 0);
    QCOMPARE(found.unnamed, QStringList());
}

void TestAccess::praiseAndWarningAreAnnounced()
{
    // A headless run has no screen reader to receive the change events, so what is checked is
    // what a screen reader reads: the word is the label's accessible name as soon as it appears.
    open(ScreenId::GradesCtoF);
    click("cmdteacher");
    type("txtnum1", QStringLiteral("12"));
    type("txtnum2", QStringLiteral("5"));
    type("txtadd", QStringLiteral("17"));
    type("txtdiaf", QStringLiteral("1"));
    m_fake->scriptDraws(4, {3});
    m_fake->scriptDraws(9, {0});
    m_fake->scriptDraws(4, {1});
    click("cmdchadd");
    click("cmdchdiaf");
    const auto nameOf = [](const char *name) {
        return QAccessible::queryAccessibleInterface(label(name))->text(QAccessible::Name);
    };
    QCOMPARE(nameOf("lblchadd"), QStringLiteral("Τα κατάφερες"));
    QCOMPARE(nameOf("lblchdiaf"), QStringLiteral("Πρόσεξε"));
}

void TestAccess::menusOpenWithAltKeys()
{
    open(ScreenId::GradeA);
    QVERIFY(activate());
    altKey(u'Ε'); // "&Επιλογή"
    QWidget *popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    QCOMPARE(popup->objectName(), QStringLiteral("epilogi"));
    menuKey(u'Α'); // "&Αρχική Οθόνη"
    QTRY_COMPARE_WITH_TIMEOUT(onShow(), QStringLiteral("frminfo"), kEventWithinMs);
    QVERIFY(activate());
    altKey(u'Ε');
    QVERIFY(QApplication::activePopupWidget());
    // Three entries share the letter Τ: each press moves to the next of them, Return runs it.
    auto *list = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(list);
    for (int i = 0; i < 3 && !(list->activeAction() && list->activeAction()->objectName() == "classA"); ++i)
        menuKey(u'Τ');
    QCOMPARE(list->activeAction()->objectName(), QStringLiteral("classA"));
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(onShow(), QStringLiteral("frmclasA"), kEventWithinMs);
    QVERIFY(activate());
    altKey(u'Ο'); // "&Οδηγίες", a command on the bar
    QTRY_COMPARE_WITH_TIMEOUT(onShow(), QStringLiteral("odigies"), kEventWithinMs);
}

void TestAccess::wholeProblemWithKeysAlone_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::newRow("grade A") << ScreenId::GradeA;
    QTest::newRow("grade B") << ScreenId::GradeB;
    QTest::newRow("grades C-F") << ScreenId::GradesCtoF;
    // clang-format on
}

void TestAccess::wholeProblemWithKeysAlone()
{
    QFETCH(ScreenId, grade);
    open(grade);
    QVERIFY(activate());
    QVERIFY(tabTo(QStringLiteral("cmdrand")));
    pressSpace();
    QCOMPARE(focused(), QStringLiteral("txtadd"));
    const int a = field("txtnum1")->text().toInt();
    const int b = field("txtnum2")->text().toInt();
    struct Step {
        const char *answer;
        int value;
        const char *check;
    };
    std::vector<Step> steps{
        {"txtadd", a + b, "cmdchadd"}, {"txtdiaf", a - b, "cmdchdiaf"}, {"txtmult", a * b, "cmdchmult"}};
    if (grade != ScreenId::GradeA)
        steps.push_back({"txtpiliko", a / b, "cmdypoloipo"});
    for (const Step &step : steps) {
        QVERIFY2(tabTo(QString::fromLatin1(step.answer)), step.answer);
        typeKeys(QString::number(step.value));
        if (grade == ScreenId::GradesCtoF && QByteArray(step.answer) == "txtpiliko") {
            QVERIFY(tabTo(QStringLiteral("txtypoloipo")));
            typeKeys(QString::number(a % b));
        }
        QVERIFY2(tabTo(QString::fromLatin1(step.check)), step.check);
        pressSpace();
        QVERIFY2(!button(step.check)->isEnabled(), step.check);
    }
    QCOMPARE(field("txtvathmos")->text(), QString::number(steps.size()));
    QVERIFY(tabTo(QStringLiteral("cdmdiagrafi")));
    pressSpace();
    QCOMPARE(field("txtnum1")->text(), QString());
}

void TestAccess::gameTurnWithKeysAlone()
{
    open(ScreenId::Game);
    QVERIFY(activate());
    QVERIFY(tabTo(QStringLiteral("cmdrandom")));
    pressSpace();
    QCOMPARE(focused(), QStringLiteral("txtxronia"));
    typeKeys(currentScreen()->findChild<QLineEdit *>(QStringLiteral("txta"))->text());
    QVERIFY(tabTo(QStringLiteral("cmdchk")));
    pressSpace();
    QCOMPARE(field("txtvathmos")->text(), QStringLiteral("1"));
    QVERIFY(button("cmdrandom")->isEnabled());
}

void TestAccess::diplomaWithKeysAlone()
{
    open(ScreenId::Diploma1);
    QVERIFY(currentScreen());
    QVERIFY(activate());
    QVERIFY(tabTo(QStringLiteral("txtschool")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    typeKeys(QStringLiteral("Δημοτικό Σχολείο Καλαμάτας"));
    QVERIFY(tabTo(QStringLiteral("Text2")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    typeKeys(QStringLiteral("Μαρία Παπαδοπούλου"));
    QCOMPARE(field("Text2")->text(), QStringLiteral("Μαρία Παπαδοπούλου"));
    altKey(u'Ε');
    QVERIFY(QApplication::activePopupWidget());
    menuKey(u'Ε'); // "&Εκτύπωση Διπλώματος"
    QTRY_COMPARE_WITH_TIMEOUT(int(m_fake->printed.size()), 1, kEventWithinMs);
    QCOMPARE(onShow(), QStringLiteral("dimploma1"));
    QVERIFY(activate());
    altKey(u'Π'); // "&Παιχνίδι"
    QTRY_COMPARE_WITH_TIMEOUT(onShow(), QStringLiteral("paixnidi"), kEventWithinMs);
}

void TestAccess::buttonsLookDisabled_data()
{
    // clang-format off
    addButtonRows();
    // clang-format on
}

// A disabled button must not look like one that can be pressed: its caption fades.
void TestAccess::buttonsLookDisabled()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, name);
    open(screen);
    QPushButton *b = button(qPrintable(name));
    b->clearFocus();
    b->setEnabled(true);
    const QImage enabled = b->grab().toImage();
    b->setEnabled(false);
    const QImage disabled = b->grab().toImage();
    // Its caption stands out from the button's face by much less than when enabled.
    constexpr double kFaded = 0.6;
    const int on = captionContrast(enabled);
    const int off = captionContrast(disabled);
    QVERIFY2(off <= kFaded * on,
             qPrintable(QStringLiteral("caption contrast %1 enabled, %2 disabled").arg(on).arg(off)));
}

void TestAccess::enterPressesTheFocusedButton_data()
{
    // clang-format off
    addButtonRows();
    // clang-format on
}

// Enter and Return press the button that has the focus, as Space does.
void TestAccess::enterPressesTheFocusedButton()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, name);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        open(screen);
        QVERIFY(activate());
        QPushButton *b = button(qPrintable(name));
        b->setEnabled(true);
        b->setFocus();
        QCOMPARE(focused(), name);
        QSignalSpy clicks(b, &QAbstractButton::clicked);
        QTest::keyClick(b, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(clicks.count(), 1);
    }
}

// The right-click menu of a text field speaks Greek like the rest of the program.
void TestAccess::fieldMenuIsGreek()
{
    open(ScreenId::Diploma1);
    QVERIFY(activate());
    QLineEdit *name = field("Text2");
    name->selectAll();
    // Through the window, as the desktop delivers a right click.
    QTest::mouseClick(currentScreen()->windowHandle(), Qt::RightButton, Qt::NoModifier,
                      name->mapTo(currentScreen(), QPoint(8, name->height() / 2)));
    QWidget *menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    QStringList entries;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            entries << action->text().section(u'\t', 0, 0);
    menu->close();
    const QStringList greek{QStringLiteral("&Αναίρεση"),   QStringLiteral("&Επανάληψη"),  QStringLiteral("Απο&κοπή"),
                            QStringLiteral("Αντι&γραφή"),  QStringLiteral("Επικό&λληση"), QStringLiteral("Διαγραφή"),
                            QStringLiteral("Επιλογή όλων")};
    QCOMPARE(entries, greek);
}

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
