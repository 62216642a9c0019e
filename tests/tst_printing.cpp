// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/logic/geometry.h"
#include "shell/logic/messages.h"
#include "shell/printing/keptpdf.h"
#include "shell/printing/page.h"
#include "shell/printing/typesetting.h"
#include "shell/widgets/fittingfield.h"
#include "testing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

using namespace kalyxteron;
using namespace kalyxteron::test;

Q_DECLARE_METATYPE(kalyxteron::ScreenId)

namespace {

const QString kPupil = QStringLiteral("Ελένη Παπαδοπούλου");
const QString kSchool = QStringLiteral("3ο Καλαμάτας");
constexpr int kToolWaitMs = 30000;
constexpr int kBoxCheckMs = 50;
constexpr double kTolerance = 1e-9;

// What one of poppler's tools says about a PDF; empty if the tool failed.
QString poppler(const QString &tool, const QStringList &args)
{
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(kToolWaitMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What the pupil is told before the path of a PDF kept for want of a printer.
QString keptIntro()
{
    return QString::fromUtf8(kNoPrinterReason) + QString::fromUtf8(kKeptAsPdf).section(u'%', 0, 0);
}

QString pageText(const QString &pdf)
{
    return poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// The page of a PDF as poppler draws it, as the bytes of a PPM image; empty if that failed.
QByteArray pageImage(const QString &pdf)
{
    constexpr int kDotsPerInch = 100; // the caret is a line about a third of a point wide on paper
    QTemporaryDir folder;
    const QString root = folder.filePath(QStringLiteral("page"));
    poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(kDotsPerInch), QStringLiteral("-singlefile"), pdf, root});
    QFile image(root + QStringLiteral(".ppm"));
    return image.open(QIODevice::ReadOnly) ? image.readAll() : QByteArray();
}

// The page's text with its blanks and line breaks left out, as poppler reads it.
QString squashedText(const QString &pdf)
{
    return pageText(pdf).remove(QRegularExpression(QStringLiteral("\\s")));
}

// Where each word of a page stands, in points from the page's top left, as poppler reads it.
QList<std::pair<QString, QRectF>> wordsOnPage(const QString &pdf)
{
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<std::pair<QString, QRectF>> words;
    const QString page = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    for (const QRegularExpressionMatch &m : word.globalMatch(page)) {
        const auto at = [&m](int i) { return m.captured(i).toDouble(); };
        words.push_back({m.captured(5), QRectF(QPointF(at(1), at(2)), QPointF(at(3), at(4)))});
    }
    return words;
}

// Where a control of the screen on show stands on the page of a kept PDF, in points.
QRectF fieldOnKeptPage(const char *name)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
    QWidget *area = currentScreen()->clientArea();
    const QRectF form = centredFit(area->size(), printable);
    const qreal scale = form.width() / area->width();
    const QWidget *shown = control<QWidget>(name);
    const QRect place(shown->mapTo(area, QPoint()), shown->size());
    return QRectF(form.topLeft() + QPointF(place.topLeft()) * scale, QSizeF(place.size()) * scale);
}

// The pupil clicks on a field's dotted line and types, key by key.
void clickAndType(const char *name, const QString &text)
{
    QLineEdit *typed = field(name);
    QTest::mouseClick(typed, Qt::LeftButton, Qt::NoModifier, typed->rect().center());
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, typed, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

// Closes the message boxes of the real platform as they appear, noting their texts.
class BoxCloser {
public:
    BoxCloser()
    {
        QObject::connect(&m_watch, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        m_watch.start(kBoxCheckMs);
    }
    QStringList texts;

private:
    QTimer m_watch;
};

} // namespace

// Printing through the real desktop platform: how a form fills the page, the
// PDF written when there is no printer, and what the pupil is told.
class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void formFillsThePage_data();
    void formFillsThePage();
    void fallbackFileNames();
    void savedPdfShowsTheDiploma_data();
    void savedPdfShowsTheDiploma();
    void unwritablePdfFails();
    void noPrinterSavesInTheDocumentsFolder();
    void unwritableHomeKeepsThePdfInTheTemporaryFolder_data();
    void unwritableHomeKeepsThePdfInTheTemporaryFolder();
    void keptPageHasNoCaretNorDots();
    void keptPageShowsLongNamesWhole_data();
    void keptPageShowsLongNamesWhole();

private:
    void openFilledIn(ScreenId id, const QString &name);
    QString printKept(BoxCloser &boxes);
    QTemporaryDir m_home;
};

void TestPrinting::initTestCase()
{
    for (const char *tool : {"pdftotext", "pdfinfo", "pdfimages", "pdftoppm"})
        QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                 "poppler-utils is needed to read the PDFs back (scripts/install-deps installs it)");
    QVERIFY(m_home.isValid());
    // A home of the test's own, so that the documents folder is one it can look into.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
}

void TestPrinting::cleanup()
{
    closeAllScreens();
    setPlatform(nullptr);
}

void TestPrinting::formFillsThePage_data()
{
    // clang-format off
    QTest::addColumn<QSizeF>("form");
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<bool>("fillsTheWidth");

    const QSizeF a4Landscape(3507, 2480); // printable area at 300 dpi
    QTest::newRow("diploma on landscape A4") << QSizeF(840, 565) << a4Landscape << true;
    QTest::newRow("narrower diploma on landscape A4") << QSizeF(818, 559) << a4Landscape << true;
    QTest::newRow("mascot diploma on landscape letter") << QSizeF(847, 572) << QSizeF(3300, 2550) << true;
    QTest::newRow("diploma on a square page") << QSizeF(840, 565) << QSizeF(1000, 1000) << true;
    QTest::newRow("tall form on landscape A4") << QSizeF(400, 600) << a4Landscape << false;
    QTest::newRow("exactly the page's shape") << QSizeF(350.7, 248) << a4Landscape << true;
    // clang-format on
}

void TestPrinting::formFillsThePage()
{
    QFETCH(QSizeF, form);
    QFETCH(QSizeF, page);
    QFETCH(bool, fillsTheWidth);

    const QRectF target = centredFit(form, QRectF(QPointF(), page));
    QVERIFY(QRectF(QPointF(), page).adjusted(-kTolerance, -kTolerance, kTolerance, kTolerance).contains(target));
    QVERIFY(std::abs(target.width() / target.height() - form.width() / form.height()) < kTolerance);
    if (fillsTheWidth)
        QVERIFY(std::abs(target.width() - page.width()) < kTolerance);
    else
        QVERIFY(std::abs(target.height() - page.height()) < kTolerance);
    // Centred: the same room on either side.
    QVERIFY(std::abs(target.left() - (page.width() - target.right())) < kTolerance);
    QVERIFY(std::abs(target.top() - (page.height() - target.bottom())) < kTolerance);
    // Larger than on screen: the page is filled at the printer's resolution.
    QVERIFY(target.width() > form.width());

    QVERIFY(centredFit(QSizeF(), QRectF(QPointF(), page)).isEmpty());
}

void TestPrinting::fallbackFileNames()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDateTime when(QDate(2026, 12, 8), QTime(19, 18, 22));

    QStringList names;
    for (int i = 0; i < 3; ++i) {
        const QString path = fallbackPdfPath(folder.path(), when);
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(folder.path()).absolutePath());
        names << QFileInfo(path).fileName();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly)); // a print made in that second
    }
    // A Greek name with the date and the time; prints within one second do not overwrite each other.
    QCOMPARE(names, (QStringList{"Δίπλωμα 2026-12-08 στις 19.18.22.pdf", "Δίπλωμα 2026-12-08 στις 19.18.22 (2).pdf",
                                 "Δίπλωμα 2026-12-08 στις 19.18.22 (3).pdf"}));
}

void TestPrinting::openFilledIn(ScreenId id, const QString &name)
{
    open(id);
    type("txtschool", kSchool);
    type("Text2", name);
    QVERIFY(QMetaObject::invokeMethod(currentScreen(), "Timer1_Timer"));
}

void TestPrinting::savedPdfShowsTheDiploma_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    const QString practice = QStringLiteral("επειδή συμπλήρωσε με επιτυχία τις πράξεις των ακεραίων.");
    QTest::newRow("dimploma0, name in the middle of its full stops")
        << ScreenId::Diploma0 << QStringLiteral("......") + kPupil + QStringLiteral("......") << practice;
    QTest::newRow("dimploma5, narrower") << ScreenId::Diploma5 << kPupil << practice;
    QTest::newRow("dimplomamaskot") << ScreenId::MascotDiploma << kPupil
                                    << QStringLiteral("το παιχνίδι με τις μασκότ των Ολυμπιακών Αγώνων.");
    // clang-format on
}

void TestPrinting::savedPdfShowsTheDiploma()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, name);
    QFETCH(QString, reason);

    FakePlatform fake;
    fake.date = QStringLiteral("8/12/2026");
    openFilledIn(id, name);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Δίπλωμα.pdf"));
    QVERIFY(saveFormAsPdf(currentScreen()->clientArea(), path));

    const QString text = pageText(path);
    for (const QString &shown : {name, kSchool, fake.date, QStringLiteral("Δημοτικό Σχολείο"), reason})
        QVERIFY2(text.contains(shown), qPrintable(shown + QStringLiteral(" is not in:\n") + text));
    QVERIFY2(!text.contains(QStringLiteral("Επιλογή")), "the menu bar is not part of the page");

    // One landscape page, the text as text and no bitmap of the screen.
    const QString info = poppler(QStringLiteral("pdfinfo"), {path});
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
    QVERIFY(size.hasMatch());
    QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
    const QStringList images =
        poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(images.size(), 2); // the two heading lines of the list, no image

    // Saving changed nothing on the diploma.
    QCOMPARE(field("Text2")->text(), name);
    QCOMPARE(fake.log, QStringList());
}

void TestPrinting::unwritablePdfFails()
{
    FakePlatform fake;
    openFilledIn(ScreenId::Diploma1, kPupil);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("no such folder/Δίπλωμα.pdf"));
    QVERIFY(!saveFormAsPdf(currentScreen()->clientArea(), path));
    QVERIFY(!QFileInfo::exists(path));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(!paintFormOnPrinter(currentScreen()->clientArea(), printer));
    QCOMPARE(field("Text2")->text(), kPupil);
}

void TestPrinting::noPrinterSavesInTheDocumentsFolder()
{
    QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "the test runs with CUPS_SERVER set to no server");
    setPlatform(nullptr); // the real desktop platform
    BoxCloser boxes;
    openFilledIn(ScreenId::Diploma4, kPupil);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(documents.startsWith(m_home.path()));

    choose("ektiposi");

    QCOMPARE(boxes.texts.size(), 1);
    const QString intro = keptIntro();
    QVERIFY2(boxes.texts.front().startsWith(intro), qPrintable(boxes.texts.front()));
    const QString path = boxes.texts.front().mid(intro.size());
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    QCOMPARE(QFileInfo(path).absolutePath(), QDir(documents).absolutePath());
    QVERIFY(QFileInfo(path).fileName().startsWith(QStringLiteral("Δίπλωμα ")));
    const QString text = pageText(path);
    QVERIFY2(text.contains(kPupil), qPrintable(text));
    QVERIFY(text.contains(kSchool));

    // The diploma stays open as it was, and prints again into a file of its own.
    QCOMPARE(onShow(), QStringLiteral("dimploma4"));
    QCOMPARE(field("Text2")->text(), kPupil);
    choose("ektiposi");
    QCOMPARE(boxes.texts.size(), 2);
    QCOMPARE(QDir(documents).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 2);
}

void TestPrinting::unwritableHomeKeepsThePdfInTheTemporaryFolder_data()
{
    // clang-format off
    QTest::addColumn<bool>("temporaryWritable");
    QTest::newRow("kept in the temporary folder") << true;
    QTest::newRow("kept nowhere") << false;
    // clang-format on
}

void TestPrinting::unwritableHomeKeepsThePdfInTheTemporaryFolder()
{
    QFETCH(bool, temporaryWritable);
    // A home that is a file: neither the documents folder nor the home can take the PDF.
    QTemporaryDir place;
    const QString notAFolder = place.filePath(QStringLiteral("home"));
    QFile file(notAFolder);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString temporary = temporaryWritable ? place.filePath(QStringLiteral("tmp")) : notAFolder;
    QVERIFY(QDir().mkpath(place.filePath(QStringLiteral("tmp"))));
    const QByteArray realHome = qgetenv("HOME");
    const QByteArray realTemporary = qgetenv("TMPDIR");
    qputenv("HOME", QFile::encodeName(notAFolder));
    qputenv("TMPDIR", QFile::encodeName(temporary));
    setPlatform(nullptr);
    BoxCloser boxes;
    openFilledIn(ScreenId::MascotDiploma, kPupil);

    choose("ektiposi");
    qputenv("HOME", realHome);
    qputenv("TMPDIR", realTemporary);

    QCOMPARE(boxes.texts.size(), 1);
    const QString told = boxes.texts.front();
    if (temporaryWritable) {
        // Where it was kept, and that the folder is one to copy it from.
        const QString intro = keptIntro();
        QVERIFY2(told.startsWith(intro) && told.endsWith(QString::fromUtf8(kTemporaryFolderNote)), qPrintable(told));
        const QString path = told.mid(intro.size()).section(u'\n', 0, 0);
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(temporary).absolutePath());
        QVERIFY(pageText(path).contains(kPupil));
        // Other users of the machine see the temporary folder: the child's name is not theirs to read.
        QCOMPARE(QFileInfo(path).permissions() &
                     ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
                 QFile::Permissions());
    } else {
        const QString intro = QString::fromUtf8(kSaveFailedMessage).section(u'%', 0, 0);
        QVERIFY2(told.startsWith(intro), qPrintable(told));
    }
    QCOMPARE(onShow(), QStringLiteral("dimplomamaskot"));
    QCOMPARE(field("Text2")->text(), kPupil);
    QCOMPARE(field("txtschool")->text(), kSchool);
}

// Prints the diploma on show through the real platform, with no printer: the path of the PDF kept.
QString TestPrinting::printKept(BoxCloser &boxes)
{
    const qsizetype before = boxes.texts.size();
    choose("ektiposi");
    if (boxes.texts.size() != before + 1)
        return QString();
    const QString intro = keptIntro();
    return boxes.texts.back().startsWith(intro) ? boxes.texts.back().mid(intro.size()) : QString();
}

void TestPrinting::keptPageHasNoCaretNorDots()
{
    setPlatform(nullptr);
    BoxCloser boxes;
    open(ScreenId::Diploma1);
    QVERIFY(activate());
    // The date, which a timer writes after a second, on both pages (on a busy machine it could
    // come between them).
    QTRY_VERIFY_WITH_TIMEOUT(!label("lbldater")->text().isEmpty(), kEventWithinMs);
    clickAndType("txtschool", kSchool);
    clickAndType("Text2", kPupil);
    QVERIFY(field("Text2")->hasFocus());
    const QString focused = printKept(boxes);
    QVERIFY(!focused.isEmpty());

    if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus();
    const QString unfocused = printKept(boxes);
    QVERIFY(!unfocused.isEmpty());

    // The same page with or without a caret, and the names without the full stops they were typed on.
    const QByteArray page = pageImage(focused);
    QVERIFY(!page.isEmpty());
    QVERIFY2(page == pageImage(unfocused), "the caret or a focus mark is on the page");
    const QString text = squashedText(focused);
    QVERIFY2(text.contains(QString(kPupil).remove(u' ')) && text.contains(QString(kSchool).remove(u' ')),
             qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("..")), qPrintable(text));
}

void TestPrinting::keptPageShowsLongNamesWhole_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("school");
    const QString school = QStringLiteral("Πειραματικό Σχολείο Αθηνών «Ιωάννης Καποδίστριας»");
    QTest::newRow("dimploma1") << ScreenId::Diploma1 << school;
    QTest::newRow("dimploma0, name centred") << ScreenId::Diploma0 << school;
    QTest::newRow("dimplomamaskot") << ScreenId::MascotDiploma << school;
    // Typed on past what the field takes.
    QTest::newRow("dimploma1, as long as taken") << ScreenId::Diploma1 << QStringLiteral("Σχολείο ").repeated(12);
    // clang-format on
}

void TestPrinting::keptPageShowsLongNamesWhole()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, school);
    const QString pupil =
        QStringLiteral("Αικατερίνη-Μαργαρίτα Παπαδοπούλου-Χατζηγεωργίου του Κωνσταντίνου και της Ευαγγελίας");
    setPlatform(nullptr);
    BoxCloser boxes;
    open(id);
    clickAndType("txtschool", school);
    school = field("txtschool")->text().trimmed();
    type("Text2", pupil);
    // Both are longer than their fields in the face they are written in.
    for (const char *name : {"txtschool", "Text2"}) {
        const auto *typed = qobject_cast<FittingField *>(field(name));
        QVERIFY(typed && QFontMetrics(typed->face()).horizontalAdvance(typed->text()) > typed->width());
    }

    const QString path = printKept(boxes);
    QVERIFY(!path.isEmpty());
    // Every word of both, within its field on paper: none cut off, none hidden beyond the field's edge.
    constexpr qreal kTolerance = 0.5; // points
    const auto words = wordsOnPage(path);
    const auto placed = [&words](const QString &word, const QRectF &place) {
        return std::find_if(words.begin(), words.end(), [&](const auto &onPage) {
            return onPage.first == word && onPage.second.left() >= place.left() - kTolerance &&
                   onPage.second.right() <= place.right() + kTolerance && place.contains(onPage.second.center());
        });
    };
    for (const auto &[name, typed] : {std::pair{"txtschool", school}, std::pair{"Text2", pupil}}) {
        const QRectF place = fieldOnKeptPage(name);
        for (const QString &word : typed.split(u' '))
            QVERIFY2(placed(word, place) != words.end(),
                     qPrintable(word + QStringLiteral(" is not shown whole in its field")));
    }

    // The school's name on two lines, at no less than the least printed size. Its face is the
    // presenters' line's, printed as it is: the heights of their words give its size on paper.
    const auto presenter = placed(QStringLiteral("Φοίβος"), fieldOnKeptPage("lbl"));
    QVERIFY(presenter != words.end());
    const qreal pointsPerPixel = fieldOnKeptPage("txtschool").width() / field("txtschool")->width();
    const qreal facePoints = qobject_cast<FittingField *>(field("txtschool"))->face().pointSizeF() *
                             field("txtschool")->logicalDpiY() / 72.0 * pointsPerPixel;
    QSet<int> lineTops;
    for (const QString &word : school.split(u' ')) {
        const QRectF box = placed(word, fieldOnKeptPage("txtschool"))->second;
        lineTops << qRound(box.top());
        const qreal printed = facePoints * box.height() / presenter->second.height();
        QVERIFY2(printed >= kLeastPrintedPoints - kTolerance,
                 qPrintable(QStringLiteral("%1 is printed at %2 pt").arg(word).arg(printed)));
    }
    QCOMPARE(lineTops.size(), 2);
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
