// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platformfixture.h"
#include "shell/logic/messages.h"
#include "testing.h"

#include <QAbstractButton>
#include <QTimer>

#include <memory>

using namespace kalyxteron;
using namespace kalyxteron::test;

Q_DECLARE_METATYPE(kalyxteron::ScreenId)

namespace {

struct Hostile {
    const char *name;
    QString text;
    bool overflows; // beyond -32768 to 32767 when read as a 16-bit number
};

const std::vector<Hostile> &hostileTexts()
{
    static const std::vector<Hostile> texts{
        {"empty", QString(), false},
        {"blanks only", QStringLiteral("     "), false},
        {"plus", QStringLiteral("+"), false},
        {"minus", QStringLiteral("-"), false},
        {"point", QStringLiteral("."), false},
        {"lone exponent", QStringLiteral("1e"), false},
        {"1e400", QStringLiteral("1e400"), true},
        {"-1e400", QStringLiteral("-1e400"), true},
        {"32767.5", QStringLiteral("32767.5"), true},
        {"-32768.5", QStringLiteral("-32768.5"), false},
        {"hex", QStringLiteral("0x10"), false},
        {"arabic-indic digits", QStringLiteral("١٢"), false},
        {"full-width digits", QStringLiteral("１２"), false},
        {"30000-digit number", QString(30000, u'9'), true},
        {"30000 zeros then 7", QString(30000, u'0') + u'7', false},
        {"control characters", QStringLiteral("\x01\x02\x1b\x7f"), false},
        {"right-to-left marks", QStringLiteral("\u200f12\u200e"), false},
        {"emoji", QStringLiteral("😀🎉12"), false},
        {"greek word", QStringLiteral("δώδεκα"), false},
    };
    return texts;
}

const QStringList &knownMessages()
{
    static const QStringList messages{
        QString::fromUtf8(kOverflowMessage),
        QString::fromUtf8(kResultOverflowMessage),
        QStringLiteral("Να γράψετε 2 αριθμούς μεγαλύτερους από το 0"),
    };
    return messages;
}

} // namespace

// Whatever a pupil types into any field, and whatever is pressed after it,
// the program keeps running and reads every text the same way.
class TestRobustness : public PlatformFixture {
    Q_OBJECT
public:
    TestRobustness() : PlatformFixture(8122026) {}

private slots:
    void practiceChecksReadHostileText_data();
    void practiceChecksReadHostileText();
    void everyFieldEveryButton_data();
    void everyFieldEveryButton();
};

void TestRobustness::practiceChecksReadHostileText_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("grade");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("overflows");
    const struct {
        ScreenId grade;
        const char *field;
        const char *check;
    } targets[] = {
        {ScreenId::GradeA, "txtnum1", "cmdchadd"},       {ScreenId::GradeA, "txtnum2", "cmdchmult"},
        {ScreenId::GradeA, "txtadd", "cmdchadd"},        {ScreenId::GradeA, "txtdiaf", "cmdchdiaf"},
        {ScreenId::GradeB, "txtmult", "cmdchmult"},      {ScreenId::GradeB, "txtpiliko", "cmdypoloipo"},
        {ScreenId::GradeB, "txtnum2", "cmdypoloipo"},    {ScreenId::GradesCtoF, "txtnum1", "cmdchdiaf"},
        {ScreenId::GradesCtoF, "txtpiliko", "cmdypoloipo"}, {ScreenId::GradesCtoF, "txtypoloipo", "cmdypoloipo"},
    };
    for (const auto &t : targets) {
        const bool operand = QByteArray(t.field).startsWith("txtnum");
        const bool resultCanOverflow = QByteArray(t.check) == "cmdchdiaf" || QByteArray(t.check) == "cmdchmult";
        for (const Hostile &h : hostileTexts()) {
            // -32768 itself fits, but with 12 or 5 its difference or product does not.
            const bool smallest = h.text == QStringLiteral("-32768.5") && operand && resultCanOverflow;
            QTest::addRow("%s %s: %s", qPrintable(screenName(t.grade)), t.field, h.name)
                << t.grade << t.field << t.check << h.text << (h.overflows || smallest);
        }
    }
    // clang-format on
}

void TestRobustness::practiceChecksReadHostileText()
{
    QFETCH(ScreenId, grade);
    QFETCH(QString, fieldName);
    QFETCH(QString, check);
    QFETCH(QString, text);
    QFETCH(bool, overflows);
    open(grade);
    m_fake->forget();
    click("cmdteacher");
    type("txtnum1", QStringLiteral("12"));
    type("txtnum2", QStringLiteral("5"));
    field("txtvathmos")->setText(QStringLiteral("7"));
    type(fieldName.toLatin1().constData(), text);
    click(check.toLatin1().constData());

    QCOMPARE(onShow(), screenName(grade));
    QCOMPARE(m_fake->ends, 0);
    for (const QString &message : m_fake->messages)
        QVERIFY2(knownMessages().contains(message), qPrintable(message));
    const bool refusedAsOverflow = m_fake->messages.contains(QString::fromUtf8(kOverflowMessage)) ||
                                   m_fake->messages.contains(QString::fromUtf8(kResultOverflowMessage));
    QCOMPARE(refusedAsOverflow, overflows);
    // The score moves by one for a right result (with its beep), otherwise not at all.
    const QString score = field("txtvathmos")->text();
    QCOMPARE(score, m_fake->beeps == 1 ? QStringLiteral("8") : QStringLiteral("7"));
    if (overflows)
        QCOMPARE(m_fake->beeps, 0);
}

void TestRobustness::everyFieldEveryButton_data()
{
    // clang-format off
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<int>("hostile");
    for (int s = 0; s < kScreenCount; ++s)
        for (int h = 0; h < int(hostileTexts().size()); ++h)
            QTest::addRow("%s, %s", qPrintable(screenName(ScreenId(s))), hostileTexts()[std::size_t(h)].name)
                << ScreenId(s) << h;
    // clang-format on
}

void TestRobustness::everyFieldEveryButton()
{
    QFETCH(ScreenId, screen);
    QFETCH(int, hostile);
    const Hostile &h = hostileTexts()[std::size_t(hostile)];
    open(screen);
    if (!currentScreen())
        QSKIP("this screen does not exist yet");
    m_fake->forget();

    // Press every enabled button once, filling every text field with the hostile text first.
    QStringList pressed;
    for (int round = 0; round < 2; ++round) {
        const auto buttons = currentScreen()->findChildren<QAbstractButton *>();
        for (QAbstractButton *b : buttons) {
            if (!currentScreen() || onShow() != screenName(screen))
                break;
            if (!b->isEnabled() || !b->isVisibleTo(currentScreen()) || pressed.contains(b->objectName()))
                continue;
            for (QLineEdit *f : currentScreen()->findChildren<QLineEdit *>())
                f->setText(h.text);
            pressed << b->objectName();
            b->click();
        }
    }
    // Fire any timer the screen runs, with the hostile text in its fields.
    if (currentScreen())
        for (QTimer *timer : currentScreen()->findChildren<QTimer *>())
            QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    QCOMPARE(m_fake->ends, 0);
    QVERIFY(currentScreen() != nullptr);
    QVERIFY(!onShow().isEmpty());
    for (const QString &message : m_fake->messages)
        QVERIFY(!message.trimmed().isEmpty());
}

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
