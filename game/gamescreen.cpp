// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/gamescreen.h"

#include "game/rules/gametables.h"
#include "practice/feedback.h"
#include "shell/appearance/faces.h"
#include "shell/appearance/palette.h"
#include "shell/logic/numeric.h"
#include "shell/logic/randomdraw.h"
#include "shell/platform.h"
#include "shell/widgets/announcement.h"
#include "shell/widgets/controls.h"
#include "shell/widgets/keypad.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/overflow.h"
#include "shell/widgets/picturebox.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>
#include <optional>

namespace kalyxteron {

namespace {

constexpr QSize kClientSize{695, 575};

const QString kCaption = QStringLiteral("Παιχνίδι με τις ΜΑΣΚΟΤ των Ολυμπιακών Αγώνων.");
const QString kInstruction = QStringLiteral(
    "Φίλοι μου γεια σας. Στο πιο κάτω κουτί θα εμφανίζεται τυχαία μια Μασκότ και εσείς θα πρέπει να γράψετε  "
    "τη χρονολογία που χρησιμοποιήθηκε η Μασκότ αυτή.");
const QString kReminder = QStringLiteral(
    " Μην το ξεχάσω!!! Όταν μαζέψεις 20 βαθμούς ο Φοίβος και η Αθηνά θα σου απονέμουν ένα δίπλωμα με όλες "
    "τις μασκότ μαζί.");

// Layout of the client area, in pixels: the mascot on the left, the year and
// the reward on the right.
constexpr QRect kInstructionArea{10, 6, 675, 66};
constexpr QRect kMascotPanel{10, 80, 335, 336};
constexpr int kPanelInset = 10; // between a panel's border and its pictures
constexpr QRect kDrawButton{10, 426, 335, 56};
constexpr QRect kScoreLabel{10, 500, 150, 60};
constexpr QRect kScoreField{168, 498, 170, 64};
constexpr QRect kYearLabel{360, 80, 325, 28};
constexpr QRect kYearField{432, 110, 180, 54};
constexpr QRect kCheckButton{360, 176, 132, 50};
constexpr QRect kWordLabel{498, 176, 187, 50};
constexpr QRect kSportCaption{360, 234, 325, 38};
constexpr QRect kSportPanel{360, 278, 325, 284};

// Bright, friendly colours in the Olympic rings' hues.

QString gameStyle()
{
    return QStringLiteral(
               "QLabel#lbltext { background: %1; border: 2px solid %2; border-radius: 10px; padding: 2px 8px; }"
               "QFrame#mascotPanel { background: %3; border: 4px solid %4; border-radius: 18px; }"
               "QFrame#sportPanel { background: %3; border: 4px solid %5; border-radius: 18px; }"
               "QPushButton { border-radius: 12px; padding: 4px; }"
               "QPushButton#cmdrandom { background: %2; border: 3px solid %6; }"
               "QPushButton#cmdchk { background: %7; border: 3px solid %8; }")
               .arg(css(kGameInstructionSurface), css(kDrawButtonSurface), css(kStageSurface), css(kOlympicBlue),
                    css(kOlympicGreen), css(kDrawButtonBorder), css(kGreenButton), css(kGreenButtonBorder)) +
           QStringLiteral(
               "QPushButton#cmdrandom:disabled, QPushButton#cmdchk:disabled { background: %1; border-color: %2; "
               "color: %3; }"
               "QPushButton#cmdrandom:focus, QPushButton#cmdchk:focus { border-color: %4; }"
               "QLineEdit { border: 3px solid %5; border-radius: 10px; background: %6; color: %7; }"
               "QLineEdit#txtxronia { background: %8; color: %9; }")
               .arg(css(kDisabledSurface), css(kDisabledBorder), css(kDisabledInk), css(kFocusMark), css(kOlympicBlue),
                    css(kStageSurface), css(kGameFieldInk), css(kYearSurface), css(kYearInk)) +
           QStringLiteral("QLineEdit#txtxronia:disabled { background: %1; border-color: %2; color: %3; }"
                          "QLineEdit:focus { border-color: %4; }")
               .arg(css(kDisabledFieldSurface), css(kDisabledBorder), css(kDisabledFieldInk), css(kFieldFocusMark));
}

QLabel *captionLabel(QWidget *parent, const char *name, const QString &text, QRect geometry, Qt::Alignment align)
{
    QLabel *label = addLabel(parent, name, text, geometry);
    label->setFont(plainFont(14, true));
    label->setAlignment(align);
    setColours(label, kInk);
    return label;
}

QLineEdit *bigField(QWidget *parent, const char *name, QRect geometry, QLabel *label)
{
    QLineEdit *field = addField(parent, name, geometry);
    field->setFont(plainFont(24, true));
    field->setAlignment(Qt::AlignCenter);
    label->setBuddy(field);
    field->setAccessibleName(label->text());
    return field;
}

QPushButton *bigButton(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    QPushButton *button = addButton(parent, name, caption, geometry);
    button->setFont(plainFont(15, true));
    return button;
}

QFrame *panel(QWidget *parent, const char *name, QRect geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    return frame;
}

QRect inside(QRect panelArea)
{
    return panelArea.adjusted(kPanelInset, kPanelInset, -kPanelInset, -kPanelInset);
}

// The quiz asks for the year, so what a screen reader says of a mascot must not give it away.
QString describeWithoutYear(const GameMascotRow &row)
{
    QString description = describe(row.mascot);
    description.remove(row.year.toString());
    return description.trimmed();
}

} // namespace

GameScreen::GameScreen() : Screen(ScreenId::Game, kCaption, kClientSize)
{
    build();
}

void GameScreen::build()
{
    QWidget *area = clientArea();
    setColours(area, Qt::black, kGameSurface);
    area->setStyleSheet(gameStyle());

    QLabel *instruction = addLabel(area, "lbltext", kInstruction, kInstructionArea);
    setSpokenInstructions(kInstruction);
    instruction->setWordWrap(true);
    instruction->setFont(plainFont(12, true));
    setColours(instruction, kInk);

    QFrame *mascotPanel = panel(area, "mascotPanel", kMascotPanel);
    panel(area, "sportPanel", kSportPanel);
    buildPictures();

    QLabel *yearLabel = captionLabel(area, "Label1", QStringLiteral("ΧΡΟΝΟΛΟΓΙΑ"), kYearLabel, Qt::AlignCenter);
    m_year = bigField(area, "txtxronia", kYearField, yearLabel);
    m_check = bigButton(area, "cmdchk", QStringLiteral("Έλεγχος"), kCheckButton);
    m_check->setEnabled(false);
    m_word = addLabel(area, "lblmaskot", QString(), kWordLabel);
    m_word->setFont(plainFont(15, true));
    m_word->setAlignment(Qt::AlignCenter);

    m_sportName = addLabel(area, "lblmessage", QString(), kSportCaption);
    m_sportName->setFont(plainFont(17, true));
    m_sportName->setAlignment(Qt::AlignCenter);
    setColours(m_sportName, kSportInk);

    m_draw = bigButton(area, "cmdrandom", QStringLiteral("Εμφάνιση Μασκότ"), kDrawButton);

    QLabel *scoreLabel =
        captionLabel(area, "Label2", QStringLiteral("Βαθμολογία"), kScoreLabel, Qt::AlignRight | Qt::AlignVCenter);
    m_score = bigField(area, "txtvathmos", kScoreField, scoreLabel);

    // The year of the mascot on show: kept in a field that is never shown, echoes
    // nothing and takes no focus, so neither the eye nor a screen reader finds it.
    m_answer = addField(area, "txta", QRect());
    m_answer->setEchoMode(QLineEdit::NoEcho);
    m_answer->setFocusPolicy(Qt::NoFocus);
    m_answer->hide();

    connect(m_draw, &QPushButton::clicked, this, &GameScreen::cmdrandom_Click);
    connect(m_check, &QPushButton::clicked, this, &GameScreen::cmdchk_Click);
    addCommand(nullptr, "arxiki", QStringLiteral("&Αρχική Οθόνη"), &GameScreen::arxiki_Click);
    addCommand(nullptr, "info", QStringLiteral("&Πληροφορίες"), &GameScreen::info_Click);

    // By touch, the year comes from a number pad that leaves the mascot and the check in sight.
    offerKeyPad(m_year, PadKind::Numbers, {m_check, mascotPanel});

    setTabOrder(m_year, m_check);
    setTabOrder(m_check, m_score);
    setTabOrder(m_score, m_draw);
    m_year->setFocus();
}

void GameScreen::buildPictures()
{
    QWidget *area = clientArea();
    for (std::size_t i = 0; i < kGameMascotTable.size(); ++i) {
        const GameMascotRow &row = kGameMascotTable[i];
        m_mascots[i] = new PictureBox(area, row.box.toString(), picturePath(row.mascot), describeWithoutYear(row),
                                      inside(kMascotPanel));
        m_mascots[i]->hide();
    }
    // Athletics stands on two rows of the sport table but has one box.
    for (const SportRow &row : kSportTable) {
        PictureBox *&box = m_sports[std::size_t(row.sport)];
        if (box)
            continue;
        box =
            new PictureBox(area, row.box.toString(), picturePath(row.sport), describe(row.sport), inside(kSportPanel));
        box->hide();
    }
}

void GameScreen::hideMascots()
{
    for (PictureBox *box : m_mascots)
        box->hide();
}

void GameScreen::hideSports()
{
    for (PictureBox *box : m_sports)
        box->hide();
}

void GameScreen::refuseOverflow(QLineEdit *fieldToFix)
{
    kalyxteron::refuseOverflow(fieldToFix);
    fieldToFix->selectAll();
}

void GameScreen::Form_Load()
{
    tell(kReminder);
}

void GameScreen::cmdrandom_Click()
{
    m_check->setEnabled(true);
    m_draw->setEnabled(false);
    hideMascots();
    m_sportName->clear();
    m_word->clear();
    hideSports();
    const auto drawn = std::size_t(drawFromClock(platform(), kMascotCount, Reseed::SecondsSinceMidnight));
    m_mascots[drawn]->show();
    m_answer->setText(kGameMascotTable[drawn].year.toString());
    m_year->clear();
    m_year->setEnabled(true);
    m_year->setFocus();
    announce(this, m_mascots[drawn]->accessibleName()); // named without its year
}

void GameScreen::cmdchk_Click()
{
    // Everything the check reads is read before anything changes. A year too
    // large to read, or a score that cannot be read or raised within -32768 to
    // 32767, is refused with the screen as it stood: the pupil is still asked
    // the same mascot and can put the field right and check again.
    const std::optional<double> shownYear = numericValue(m_answer->text());
    const std::optional<double> typedYear = numericValue(m_year->text());
    if (!shownYear || !typedYear) {
        refuseOverflow(m_year);
        return;
    }
    const bool right = *typedYear == *shownYear;
    std::optional<qint16> score;
    if (right) {
        score = readInt16(m_score->text());
        if (!score || *score == std::numeric_limits<qint16>::max()) {
            refuseOverflow(m_score);
            return;
        }
    }

    hideSports();
    m_sportName->clear();
    if (!right) {
        showWarningWord(m_word);
        setColours(m_word, kAlertInk);
        announce(this, m_word->text());
        return;
    }

    platform().beep();
    showPraiseWord(m_word);
    setColours(m_word, kPraiseInk);
    const SportRow &sport =
        kSportTable[std::size_t(drawFromClock(platform(), kSportDrawCount, Reseed::SecondsSinceMidnight))];
    m_sports[std::size_t(sport.sport)]->show();
    m_sportName->setText(sport.caption.toString());
    m_check->setEnabled(false);
    m_year->setEnabled(false);
    const auto raised = qint16(*score + 1);
    m_score->setText(int16ToText(raised));
    m_draw->setEnabled(true);
    announce(this,
             asSentences({m_word->text(), m_sportName->text(), m_score->accessibleName() + u' ' + m_score->text()}));
    if (raised >= kMascotDiplomaScore)
        handOver(this, ScreenId::MascotDiploma);
}

void GameScreen::arxiki_Click()
{
    handOver(this, ScreenId::Home);
}

void GameScreen::info_Click()
{
    handOver(this, ScreenId::Credits);
}

} // namespace kalyxteron
