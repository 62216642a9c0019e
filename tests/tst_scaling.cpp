// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every screen on the displays a school has: fitted into a netbook's 1024x600, and filling a
// maximised window on a classroom panel, with nothing out of place and every text whole.
#include "platformfixture.h"
#include "testing.h"

#include "shell/logic/screenid.h"

#include <QAbstractButton>
#include <QHash>
#include <QMenuBar>

#include <memory>

using namespace kalyxteron;
using namespace kalyxteron::test;

Q_DECLARE_METATYPE(kalyxteron::ScreenId)

namespace {

constexpr int kLineEditInnerMargin = 2; // a line edit's own room on either side of its text

// A netbook's display less its panel, and the room a maximised window has on two panels.
const QRect kNetbook{0, 0, 1024, 576};
constexpr QSize kPanel{1920, 1080 - 30};
constexpr QSize kPanel4K{3840, 2160 - 60};

// The controls the screen placed, each with its parent: named, not parts of another control.
QList<QWidget *> placedControls(QWidget *area)
{
    QList<QWidget *> placed;
    for (QWidget *w : area->findChildren<QWidget *>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) && w->isVisibleTo(area))
            placed << w;
    }
    return placed;
}

// Whether a control's text fits it; controls without text fit.
bool textIsWhole(const QWidget *w)
{
    const QFontMetrics metrics = w->fontMetrics();
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        if (l->text().isEmpty() || l->textFormat() == Qt::RichText)
            return true;
        const QRect room =
            l->contentsRect().marginsRemoved(QMargins(l->margin(), l->margin(), l->margin(), l->margin()));
        const int flags = int(l->alignment()) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = metrics.boundingRect(room, flags, l->text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return metrics.boundingRect(b->rect(), Qt::AlignCenter | Qt::TextWordWrap, b->text()).height() <= b->height();
    if (const auto *f = qobject_cast<const QLineEdit *>(w)) {
        const int room =
            f->contentsRect().width() - f->textMargins().left() - f->textMargins().right() - 2 * kLineEditInnerMargin;
        return metrics.horizontalAdvance(f->text()) <= room;
    }
    return true;
}

struct Layout {
    QHash<QString, QRect> places; // in the client area's coordinates
    QHash<QString, bool> whole;   // whether each control's text is whole
};

Layout layoutOf(Screen *screen)
{
    Layout layout;
    QWidget *area = screen->clientArea();
    for (QWidget *w : placedControls(area)) {
        layout.places.insert(w->objectName(), QRect(w->mapTo(area, QPoint()), w->size()));
        layout.whole.insert(w->objectName(), textIsWhole(w));
    }
    return layout;
}

} // namespace

class TestScaling : public PlatformFixture {
    Q_OBJECT
private slots:
    void opensAtItsDesignWhereThereIsRoom_data() { addScreens(); }
    void opensAtItsDesignWhereThereIsRoom();
    void fitsANetbook_data() { addScreens(); }
    void fitsANetbook();
    void fillsAMaximisedWindow_data();
    void fillsAMaximisedWindow();
    void aHandOverKeepsTheWindowMaximised();

private:
    static void addScreens();
    static void compareWithTheDesign(const Layout &design, Screen *screen);
};

void TestScaling::addScreens()
{
    QTest::addColumn<ScreenId>("screen");
    for (int id = 0; id < kScreenCount; ++id)
        QTest::newRow(qPrintable(screenName(ScreenId(id)))) << ScreenId(id);
}

// At a smaller or larger scale each control stands where the design puts it, scaled: inside
// the client area, over no control it was clear of, with its text as whole as it was.
void TestScaling::compareWithTheDesign(const Layout &design, Screen *screen)
{
    const Layout scaled = layoutOf(screen);
    const QRect area = screen->clientArea()->rect();
    QCOMPARE(scaled.places.size(), design.places.size());
    for (auto place = scaled.places.cbegin(); place != scaled.places.cend(); ++place) {
        const QString &name = place.key();
        QVERIFY2(area.contains(place.value()) || !area.contains(design.places[name]), qPrintable(name + " is outside"));
        QVERIFY2(scaled.whole[name] || !design.whole[name], qPrintable(name + "'s text is clipped"));
        for (auto other = std::next(place); other != scaled.places.cend(); ++other) {
            const bool overlapped = design.places[name].intersects(design.places[other.key()]);
            QVERIFY2(overlapped || !place.value().intersects(other.value()),
                     qPrintable(name + " overlaps " + other.key()));
        }
    }
}

void TestScaling::opensAtItsDesignWhereThereIsRoom()
{
    QFETCH(ScreenId, screen);
    open(screen);
    QCOMPARE(currentScreen()->scale(), 1.0);
    QCOMPARE(currentScreen()->clientArea()->geometry(), currentScreen()->centralWidget()->rect());
}

void TestScaling::fitsANetbook()
{
    QFETCH(ScreenId, screen);
    open(screen);
    const Layout design = layoutOf(currentScreen());
    closeAllScreens();
    m_fake->area = kNetbook;
    open(screen);
    Screen *shown = currentScreen();
    QTest::qWait(0);
    // The window with its frame lies on the display, its client area fitted inside it.
    const QRect window = shown->frameGeometry();
    QVERIFY2(
        kNetbook.contains(window),
        qPrintable(
            QStringLiteral("%1x%2 at %3,%4").arg(window.width()).arg(window.height()).arg(window.x()).arg(window.y())));
    QVERIFY(shown->scale() <= 1.0);
    QVERIFY(shown->centralWidget()->rect().contains(shown->clientArea()->geometry()));
    compareWithTheDesign(design, shown);
}

void TestScaling::fillsAMaximisedWindow_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QSize>("window");
    for (int id = 0; id < kScreenCount; ++id) {
        const QString name = screenName(ScreenId(id));
        QTest::addRow("%s, 1920x1080", qPrintable(name)) << ScreenId(id) << kPanel;
        QTest::addRow("%s, 3840x2160", qPrintable(name)) << ScreenId(id) << kPanel4K;
    }
    // clang-format on
}

void TestScaling::fillsAMaximisedWindow()
{
    QFETCH(ScreenId, screen);
    QFETCH(QSize, window);
    open(screen);
    Screen *shown = currentScreen();
    const Layout design = layoutOf(shown);
    shown->resize(window);
    // As large as the window allows, its proportions kept, in the middle.
    const QRect stage = shown->centralWidget()->rect();
    const QRect client = shown->clientArea()->geometry();
    QVERIFY(stage.contains(client));
    QVERIFY(shown->scale() > 1.0);
    QVERIFY(client.width() >= stage.width() - 1 || client.height() >= stage.height() - 1);
    QVERIFY(std::abs(client.left() - (stage.right() - client.right())) <= 1);
    QVERIFY(std::abs(client.top() - (stage.bottom() - client.bottom())) <= 1);
    compareWithTheDesign(design, shown);
    // The menus grow with the screen.
    QVERIFY(shown->menuBar()->font().pointSizeF() > QApplication::font(shown->menuBar()).pointSizeF());
}

void TestScaling::aHandOverKeepsTheWindowMaximised()
{
    startUp();
    currentScreen()->setWindowState(Qt::WindowMaximized);
    open(ScreenId::Instructions);
    QVERIFY(currentScreen()->windowState() & Qt::WindowMaximized);
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
