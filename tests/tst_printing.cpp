#include "shell/desktopplatform.h"
#include "shell/messages.h"
#include "testing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
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

QString pageText(const QString &pdf)
{
    return poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
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

    void fitOnPage_data();
    void fitOnPage();
    void fallbackFileNames();
    void savedPdfShowsTheDiploma_data();
    void savedPdfShowsTheDiploma();
    void unwritablePdfFails();
    void noPrinterSavesInTheDocumentsFolder();
    void failedSaveSaysSoAndKeepsTheDiploma();

private:
    void openFilledIn(ScreenId id, const QString &name);
    QTemporaryDir m_home;
};

void TestPrinting::initTestCase()
{
    for (const char *tool : {"pdftotext", "pdfinfo", "pdfimages"})
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

void TestPrinting::fitOnPage_data()
{
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
}

void TestPrinting::fitOnPage()
{
    QFETCH(QSizeF, form);
    QFETCH(QSizeF, page);
    QFETCH(bool, fillsTheWidth);

    const QRectF target = kalyxteron::fitOnPage(form, page);
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

    QVERIFY(kalyxteron::fitOnPage(QSizeF(), page).isEmpty());
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
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    const QString practice = QStringLiteral("επειδή συμπλήρωσε με επιτυχία τις πράξεις των ακεραίων.");
    QTest::newRow("dimploma0, name in the middle of its full stops")
        << ScreenId::Diploma0 << QStringLiteral("......") + kPupil + QStringLiteral("......") << practice;
    QTest::newRow("dimploma5, narrower") << ScreenId::Diploma5 << kPupil << practice;
    QTest::newRow("dimplomamaskot") << ScreenId::MascotDiploma << kPupil
                                    << QStringLiteral("το παιχνίδι με τις μασκότ των Ολυμπιακών Αγώνων.");
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
    QVERIFY(saveFormAsPdf(currentScreen()->centralWidget(), path));

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
    QVERIFY(!saveFormAsPdf(currentScreen()->centralWidget(), path));
    QVERIFY(!QFileInfo::exists(path));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(!paintFormOnPrinter(currentScreen()->centralWidget(), printer));
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
    const QString intro = QString::fromUtf8(kSavedAsPdfMessage).section(u'%', 0, 0);
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

void TestPrinting::failedSaveSaysSoAndKeepsTheDiploma()
{
    // A home that is a file: neither the documents folder nor the home can take the PDF.
    QTemporaryDir place;
    const QString notAFolder = place.filePath(QStringLiteral("home"));
    QFile file(notAFolder);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(notAFolder));
    setPlatform(nullptr);
    BoxCloser boxes;
    openFilledIn(ScreenId::MascotDiploma, kPupil);

    choose("ektiposi");
    qputenv("HOME", realHome);

    QCOMPARE(boxes.texts.size(), 1);
    const QString intro = QString::fromUtf8(kSaveFailedMessage).section(u'%', 0, 0);
    QVERIFY2(boxes.texts.front().startsWith(intro), qPrintable(boxes.texts.front()));
    QCOMPARE(onShow(), QStringLiteral("dimplomamaskot"));
    QCOMPARE(field("Text2")->text(), kPupil);
    QCOMPARE(field("txtschool")->text(), kSchool);
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
