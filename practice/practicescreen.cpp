// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/practicescreen.h"

#include "practice/feedback.h"
#include "practice/rules/feedbacktables.h"
#include "practice/rules/judge.h"
#include "shell/appearance/faces.h"
#include "shell/appearance/palette.h"
#include "shell/logic/numeric.h"
#include "shell/logic/randomdraw.h"
#include "shell/logic/spokenwords.h"
#include "shell/platform.h"
#include "shell/widgets/announcement.h"
#include "shell/widgets/controls.h"
#include "shell/widgets/keypad.h"
#include "shell/widgets/linedcaption.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/overflow.h"
#include "shell/widgets/picturebox.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <vector>

namespace kalyxteron {

// What sets the three practice screens apart.
struct GradeDesign {
    Grade grade;
    ScreenId id;
    QSize clientSize;
    QString caption;
    QString instruction;
    QColor background;               // invalid: the system's default
    bool divides;                    // a quotient exercise
    bool hasRemainder;               // ... with a remainder field
    bool guardsZeroOperands;         // the sum, difference and product refuse a zero operand
    bool closingExit;                // "Έξοδος" closes the screen before the beep
    const char *instructionsEntry;   // the "Οδηγίες" entry's name
    bool rightProductReleasesClear;  // the product is the last exercise
    bool rightProductMovesFocus;     // to the quotient
    bool wrongProductMovesFocus;     // to the quotient
    bool sumTellsAthensWithFullStop; // the Athens story's second wording
    bool wrongDivisionFocusesRemainder;
    bool speaksItsWords; // each check's praise or warning word is said aloud as well
    std::vector<const char *> focusOrder;
};

namespace {

const QString kGreeting =
    QStringLiteral("Φίλοι μου γεια σας. Όταν μαζέψετε 30 βαθμούς o Φοίβος και η Αθηνά θα σας δώσουν ένα δίπλωμα.");
const QString kZeroOperandMessage = QStringLiteral("Να γράψετε 2 αριθμούς μεγαλύτερους από το 0");
const QString kAwardMessage = QStringLiteral(" Μπράβο!!! Πολύ καλή προσπάθεια.");
const QString kAfterAwardMessage =
    QStringLiteral(" Όταν εκτυπώσεις το δίπλωμα σου, μπορείς να παίξεις ένα παιχνίδι που φτιάξαμε για σένα.");

const std::array<GradeDesign, 3> kGrades{{
    {.grade = Grade::A,
     .id = ScreenId::GradeA,
     .clientSize = {807, 586},
     .caption = QStringLiteral("Τάξη Α΄- Πράξεις ακεραίων(Άθροισμα - Διαφορά - Γινόμενο)- Τελμάριος και Κορβίδαλος  "),
     .instruction = QStringLiteral("Να βρείτε το άθροισμα, τη διαφορά και το γινόμενο για τους τυχαίους αριθμούς που "
                                   "εμφανίζονται κάθε φορά στα κίτρινα κουτιά. "),
     .background = QColor(),
     .divides = false,
     .hasRemainder = false,
     .guardsZeroOperands = false,
     .closingExit = false,
     .instructionsEntry = "odig",
     .rightProductReleasesClear = true,
     .rightProductMovesFocus = false,
     .wrongProductMovesFocus = false,
     .sumTellsAthensWithFullStop = false,
     .wrongDivisionFocusesRemainder = false,
     .speaksItsWords = true,
     .focusOrder = {"txtvathmos", "cmdchmult", "cmdchdiaf", "cmdchadd", "txtmult", "txtdiaf", "txtadd", "cdmdiagrafi",
                    "cmdrand", "txtnum2", "txtnum1", "cmdteacher"}},
    {.grade = Grade::B,
     .id = ScreenId::GradeB,
     .clientSize = {807, 586},
     .caption = QStringLiteral("Τάξη Β΄- Πράξεις ακεραίων (Άθροισμα-Διαφορά-Γινόμενο-Πηλίκο)- Τελμάριος & Κορβίδαλος "),
     .instruction = QStringLiteral("Να βρείτε το άθροισμα, τη διαφορά, το γινόμενο και το πηλίκο για τους τυχαίους "
                                   "αριθμούς που εμφανίζονται κάθε φορά στα κίτρινα κουτιά. "),
     .background = QColor(),
     .divides = true,
     .hasRemainder = false,
     .guardsZeroOperands = true,
     .closingExit = true,
     .instructionsEntry = "odig",
     .rightProductReleasesClear = false,
     .rightProductMovesFocus = true,
     .wrongProductMovesFocus = false,
     .sumTellsAthensWithFullStop = false,
     .wrongDivisionFocusesRemainder = false,
     .speaksItsWords = false,
     .focusOrder = {"cmdypoloipo", "txtvathmos", "cmdchmult", "cmdchdiaf", "cmdchadd", "txtpiliko", "txtmult",
                    "txtdiaf", "txtadd", "cdmdiagrafi", "cmdrand", "txtnum2", "txtnum1", "cmdteacher"}},
    {.grade = Grade::CtoF,
     .id = ScreenId::GradesCtoF,
     .clientSize = {809, 588},
     .caption =
         QStringLiteral("Τάξεις Γ'-ΣΤ - Πράξεις ακεραίων (Άθροισμα-Διαφορά-Γινόμενο-Πηλίκο)- Τελμάριος & Κορβίδαλος "),
     .instruction = QStringLiteral("Να βρείτε το άθροισμα, τη διαφορά, το γινόμενο και το πηλίκο (με το υπόλοιπο)  "
                                   "για τους τυχαίους αριθμούς που εμφανίζονται κάθε φορά στα κίτρινα κουτιά. "),
     .background = kGradesCtoFSurface,
     .divides = true,
     .hasRemainder = true,
     .guardsZeroOperands = true,
     .closingExit = false,
     .instructionsEntry = "enimerosi",
     .rightProductReleasesClear = false,
     .rightProductMovesFocus = true,
     .wrongProductMovesFocus = true,
     .sumTellsAthensWithFullStop = true,
     .wrongDivisionFocusesRemainder = true,
     .speaksItsWords = false,
     .focusOrder = {"txtnum1", "txtnum2", "cmdrand", "cdmdiagrafi", "txtadd", "txtdiaf", "txtmult", "txtpiliko",
                    "txtypoloipo", "cmdchadd", "cmdchdiaf", "cmdchmult", "txtvathmos", "cmdypoloipo", "cmdteacher"}},
}};

const GradeDesign &designOf(Grade grade)
{
    return kGrades[std::size_t(grade)];
}

// Layout of the client area, in pixels.
constexpr int kRowTop = 72;
constexpr int kRowHeight = 54;
constexpr int kFieldHeight = 44;
constexpr int kOperationX = 262;
constexpr int kOperationWidth = 150;
constexpr int kAnswerX = 416;
constexpr int kAnswerWidth = 104;
constexpr int kCheckX = 526;
constexpr int kCheckWidth = 92;
constexpr int kWordX = 624;
constexpr int kWordWidth = 176;
constexpr int kRemainderLabelWidth = 166;
constexpr int kRemainderX = 700;
constexpr int kRemainderWidth = 100;
constexpr int kCheckHeight = 40; // the quotient's check, a row of its own under the remainder
constexpr QRect kMascotArea{262, 340, 232, 238};
constexpr QRect kStoryArea{500, 340, 300, 238};
constexpr int kStageMargin = 4;

struct ExerciseNames {
    const char *operationLabel;
    const char *caption;
    const char *answer;
    const char *check;
    const char *word;
};

constexpr std::array<ExerciseNames, 3> kExerciseNames{{
    {.operationLabel = "Label3",
     .caption = "Άθροισμα (+)",
     .answer = "txtadd",
     .check = "cmdchadd",
     .word = "lblchadd"},
    {.operationLabel = "Label1",
     .caption = "Διαφορά (-)",
     .answer = "txtdiaf",
     .check = "cmdchdiaf",
     .word = "lblchdiaf"},
    {.operationLabel = "Label2",
     .caption = "Γινόμενο (Χ)",
     .answer = "txtmult",
     .check = "cmdchmult",
     .word = "lblchmult"},
}};

QLineEdit *answerField(QWidget *parent, const char *name, QRect geometry)
{
    QLineEdit *field = addField(parent, name, geometry);
    field->setAlignment(Qt::AlignCenter);
    field->setFont(plainFont(18, true));
    setColours(field, kPupilsInk);
    return field;
}

QLabel *operationLabel(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    QLabel *label = addLabel(parent, name, caption, geometry);
    label->setFont(plainFont(12, true));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setWordWrap(true);
    return label;
}

QLabel *wordLabel(QWidget *parent, const char *name, QRect geometry)
{
    QLabel *label = addLabel(parent, name, QString(), geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(plainFont(15, true));
    setColours(label, kAlertInk);
    return label;
}

QPushButton *checkButton(QWidget *parent, const char *name, QRect geometry)
{
    QPushButton *button = addButton(parent, name, QStringLiteral("Έλεγχος"), geometry);
    button->setFont(plainFont(11, true));
    button->setEnabled(false);
    return button;
}

QRect rowRect(int row, int x, int width, int height = kFieldHeight)
{
    return QRect(x, kRowTop + row * kRowHeight, width, height);
}

} // namespace

PracticeScreen::PracticeScreen(Grade grade)
    : Screen(designOf(grade).id, designOf(grade).caption, designOf(grade).clientSize), m_design(designOf(grade))
{
    build();
}

void PracticeScreen::build()
{
    buildProblem();
    buildExercises();
    buildScore();
    buildMascots();
    wire();
    offerKeyPads();
    buildMenu();
    setFocusOrder();
}

// The instruction across the top, and at the left the two ways to set a problem and its numbers.
void PracticeScreen::buildProblem()
{
    QWidget *area = clientArea();
    if (m_design.background.isValid())
        setColours(area, Qt::black, m_design.background);

    QLabel *instruction = addLabel(area, "lblodigia", m_design.instruction, QRect(12, 6, 785, 56));
    setSpokenInstructions(m_design.instruction);
    instruction->setWordWrap(true);
    instruction->setFont(plainFont(12, true));
    setColours(instruction, kInk);

    m_random = new LinedButton(area, "cmdrand", QStringLiteral("Τυχαίοι αριθμοί"), QRect(12, 80, 112, 112));
    m_random->setFont(plainFont(12, true));
    m_random->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 2px solid %2; border-radius: 8px; }"
                                           "QPushButton:disabled { background: %3; color: %4; }"
                                           "QPushButton:focus { border: 3px solid %5; }")
                                .arg(css(kGreenButton), css(kGreenButtonBorder), css(kGreenButtonDisabled),
                                     css(kDisabledInk), css(kFocusMark)));
    const QFont operandFont = plainFont(22, true);
    m_first = addField(area, "txtnum1", QRect(134, 76, 116, 54));
    m_second = addField(area, "txtnum2", QRect(134, 142, 116, 54));
    for (QLineEdit *operand : {m_first, m_second}) {
        operand->setReadOnly(true);
        operand->setAlignment(Qt::AlignCenter);
        operand->setFont(operandFont);
        setColours(operand, kAlertInk, kOperandSurface);
    }
    m_teacher = addButton(area, "cmdteacher", QStringLiteral("Δάσκαλος - Μαθητής"), QRect(12, 210, 238, 40));
    m_teacher->setFont(plainFont(11, true));
    // The numbers' fields have no label beside them: their names say what they hold.
    m_first->setAccessibleName(QStringLiteral("Πρώτος αριθμός"));
    m_second->setAccessibleName(QStringLiteral("Δεύτερος αριθμός"));
}

// A row for each exercise of the grade: its name, the answer, «Έλεγχος» and the word beside it.
void PracticeScreen::buildExercises()
{
    QWidget *area = clientArea();
    for (Operation operation : {Operation::Sum, Operation::Difference, Operation::Product})
        buildExercise(operation, int(operation));

    if (m_design.divides) {
        constexpr int kDivisionRow = 3;
        m_division.name = operationLabel(area, "Label4", QStringLiteral("Πηλίκο(:)"),
                                         rowRect(kDivisionRow, kOperationX, kOperationWidth));
        m_division.answer = answerField(area, "txtpiliko", rowRect(kDivisionRow, kAnswerX, kAnswerWidth));
        m_division.answer->setAccessibleName(QStringLiteral("Πηλίκο"));
        int checkRow = kDivisionRow;
        if (m_design.hasRemainder) {
            m_remainderName = operationLabel(area, "Label5", QStringLiteral("Υπόλοιπο της διαίρεσης(:)"),
                                             rowRect(kDivisionRow, kCheckX, kRemainderLabelWidth));
            m_remainder = answerField(area, "txtypoloipo", rowRect(kDivisionRow, kRemainderX, kRemainderWidth));
            m_remainder->setAccessibleName(QStringLiteral("Υπόλοιπο της διαίρεσης"));
            checkRow = kDivisionRow + 1; // the check and its word stand under the remainder, in their columns
        }
        m_division.check = checkButton(area, "cmdypoloipo", rowRect(checkRow, kCheckX, kCheckWidth, kCheckHeight));
        m_division.check->setAccessibleName(QStringLiteral("Έλεγχος: Πηλίκο"));
        m_division.word = wordLabel(area, "lblchpiliko", rowRect(checkRow, kWordX, kWordWidth, kCheckHeight));
    }
}

// The clear button, and the score under it.
void PracticeScreen::buildScore()
{
    QWidget *area = clientArea();
    m_clear = addButton(area, "cdmdiagrafi", QStringLiteral("Διαγραφή"), QRect(12, 420, 238, 42));
    m_clear->setFont(plainFont(12, true));
    QLabel *scoreLabel = addLabel(area, "lblvath", QStringLiteral("Βαθμολογία"), QRect(12, 472, 238, 26));
    scoreLabel->setAlignment(Qt::AlignCenter);
    scoreLabel->setFont(plainFont(12, true));
    m_score = addField(area, "txtvathmos", QRect(62, 502, 138, 50));
    m_score->setReadOnly(true);
    m_score->setAlignment(Qt::AlignCenter);
    m_score->setFont(plainFont(22, true));
    setColours(m_score, kInk);
    m_score->setAccessibleName(QStringLiteral("Βαθμολογία"));
    for (QLineEdit *locked : {m_first, m_second, m_score})
        locked->installEventFilter(this);
}

// Where a mascot and its story appear after a right result.
void PracticeScreen::buildMascots()
{
    QWidget *area = clientArea();
    // A white stage where the mascots appear, so the empty area reads as a place for them.
    auto *stage = new QFrame(area);
    stage->setObjectName(QStringLiteral("mascotStage"));
    stage->setGeometry(kMascotArea.adjusted(-kStageMargin, -kStageMargin, kStageMargin, kStageMargin));
    stage->setStyleSheet(
        QStringLiteral("QFrame#mascotStage { background: %1; border: 3px solid %2; border-radius: 14px; }")
            .arg(css(kStageSurface), css(kMascotStageBorder)));
    for (std::size_t i = 0; i < kMascotTable.size(); ++i) {
        const MascotRow &row = kMascotTable[i];
        m_mascots[i] =
            new PictureBox(area, row.box.toString(), picturePath(row.mascot), describe(row.mascot), kMascotArea);
        m_mascots[i]->hide();
    }
    m_story = addLabel(area, "lblmessage", QString(), kStoryArea);
    m_story->setWordWrap(true);
    m_story->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_story->setMargin(6);
    m_story->setFont(serifFont(10, true, true));
    setColours(m_story, kPupilsInk, kStorySurface);
}

void PracticeScreen::wire()
{
    connect(m_random, &QPushButton::clicked, this, &PracticeScreen::cmdrand_Click);
    connect(m_teacher, &QPushButton::clicked, this, &PracticeScreen::cmdteacher_Click);
    connect(m_clear, &QPushButton::clicked, this, &PracticeScreen::cdmdiagrafi_Click);
    connect(m_exercises[0].check, &QPushButton::clicked, this, &PracticeScreen::cmdchadd_Click);
    connect(m_exercises[1].check, &QPushButton::clicked, this, &PracticeScreen::cmdchdiaf_Click);
    connect(m_exercises[2].check, &QPushButton::clicked, this, &PracticeScreen::cmdchmult_Click);
    if (m_division.check)
        connect(m_division.check, &QPushButton::clicked, this, &PracticeScreen::cmdypoloipo_Click);
}

// By touch, the number fields take their digits from a pad that leaves the two numbers and the
// field's check in sight (the quotient's and the remainder's, each other too).
void PracticeScreen::offerKeyPads()
{
    for (const Exercise &exercise : m_exercises)
        offerKeyPad(exercise.answer, PadKind::Numbers, {exercise.check, m_first, m_second});
    if (m_division.answer)
        offerKeyPad(m_division.answer, PadKind::Numbers, {m_division.check, m_remainder, m_first, m_second});
    if (m_remainder)
        offerKeyPad(m_remainder, PadKind::Numbers, {m_division.check, m_division.answer, m_first, m_second});
    for (QLineEdit *operand : {m_first, m_second})
        offerKeyPad(operand, PadKind::Numbers, {m_first, m_second});
}

void PracticeScreen::buildMenu()
{
    QMenu *choice = addList("epilogi", QStringLiteral("&Επιλογή"));
    addCommand(choice, "arxi", QStringLiteral("&Αρχική Οθόνη"), &PracticeScreen::arxi_Click);
    addSeparator(choice, "mnusep1");
    addCommand(choice, "exit", QStringLiteral("&Έξοδος"), &PracticeScreen::exit_Click);
    if (m_design.instructionsEntry == std::string_view("odig"))
        addCommand(nullptr, "odig", QStringLiteral("&Οδηγίες"), &PracticeScreen::odig_Click);
    else
        addCommand(nullptr, "enimerosi", QStringLiteral("&Οδηγίες"), &PracticeScreen::enimerosi_Click);
    addCommand(nullptr, "info", QStringLiteral("&Πληροφορίες"), &PracticeScreen::info_Click);
}

void PracticeScreen::setFocusOrder()
{
    QWidget *area = clientArea();
    // The focus order; controls outside it take no focus by the Tab key.
    QWidget *previous = nullptr;
    for (const char *name : m_design.focusOrder) {
        auto *widget = area->findChild<QWidget *>(QLatin1String(name));
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
    for (const char *name : m_design.focusOrder) {
        auto *widget = area->findChild<QWidget *>(QLatin1String(name));
        if (widget->isEnabled()) {
            widget->setFocus();
            break;
        }
    }
}

void PracticeScreen::buildExercise(Operation operation, int row)
{
    const ExerciseNames &names = kExerciseNames[std::size_t(operation)];
    QWidget *area = clientArea();
    QLabel *label = operationLabel(area, names.operationLabel, QString::fromUtf8(names.caption),
                                   rowRect(row, kOperationX, kOperationWidth));
    Exercise &exercise = m_exercises[std::size_t(operation)];
    exercise.name = label;
    exercise.answer = answerField(area, names.answer, rowRect(row, kAnswerX, kAnswerWidth));
    exercise.answer->setAccessibleName(label->text());
    exercise.check = checkButton(area, names.check, rowRect(row, kCheckX, kCheckWidth));
    exercise.check->setAccessibleName(QStringLiteral("Έλεγχος: ") + label->text());
    exercise.word = wordLabel(area, names.word, rowRect(row, kWordX, kWordWidth));
}

QString PracticeScreen::spokenText(const QWidget *control) const
{
    const std::optional<qint16> first = readInt16(m_first->text());
    const std::optional<qint16> second = readInt16(m_second->text());
    const bool problemSet =
        first && second && !m_first->text().trimmed().isEmpty() && !m_second->text().trimmed().isEmpty();
    // The two numbers, read as the problem they are.
    if (control == m_first || control == m_second)
        return problemSet ? operandsWords(*first, *second) : Screen::spokenText(control);
    // An exercise's name, and the problem it asks, read with the operation's name.
    const auto named = [&](const QLabel *name, Operator op) {
        // The name without its sign in brackets, which the operation's name says.
        const QString said = name->text().section(u'(', 0, 0).trimmed();
        return problemSet ? said + QStringLiteral(". ") + problemWords(*first, op, *second) : said;
    };
    constexpr std::array kOperators{Operator::Plus, Operator::Minus, Operator::Times};
    for (std::size_t i = 0; i < m_exercises.size(); ++i) {
        if (control == m_exercises[i].name)
            return named(m_exercises[i].name, kOperators[i]);
    }
    if (m_division.name && (control == m_division.name || control == m_remainderName))
        return named(static_cast<const QLabel *>(control), Operator::DividedBy);
    // A mascot: who it is, then its story.
    for (const PictureBox *mascot : m_mascots) {
        if (control == mascot)
            return mascot->accessibleName() + QStringLiteral(". ") + m_story->text();
    }
    return Screen::spokenText(control);
}

void PracticeScreen::Form_Load()
{
    tell(kGreeting);
}

void PracticeScreen::cdmdiagrafi_Click()
{
    for (QLineEdit *field : {m_first, m_second, m_exercises[0].answer, m_exercises[1].answer, m_exercises[2].answer,
                             m_division.answer, m_remainder}) {
        if (field)
            field->clear();
    }
    m_teacher->setEnabled(true);
    for (QLabel *word : {m_exercises[2].word, m_exercises[0].word, m_exercises[1].word, m_division.word}) {
        if (word)
            word->clear();
    }
    for (PictureBox *mascot : m_mascots)
        mascot->hide();
    m_random->setEnabled(true);
    m_story->setText(QStringLiteral(" "));
}

void PracticeScreen::enableChecks()
{
    for (const Exercise &exercise : m_exercises)
        exercise.check->setEnabled(true);
    if (m_division.check)
        m_division.check->setEnabled(true);
}

void PracticeScreen::cmdrand_Click()
{
    enableChecks();
    m_teacher->setEnabled(false);
    Platform &p = platform();
    p.randomize(p.dayFraction());
    const OperandPair pair = drawProblem(m_design.grade, [&p] { return p.rnd(); });
    m_first->setText(int16ToText(qint16(pair.first)));
    m_second->setText(int16ToText(qint16(pair.second)));
    m_random->setEnabled(false);
    m_clear->setEnabled(false);
    m_exercises[0].answer->setFocus();
    announce(this, QStringLiteral("%1 %2, %3 %4")
                       .arg(m_first->accessibleName(), m_first->text(), m_second->accessibleName(), m_second->text()));
}

void PracticeScreen::cmdteacher_Click()
{
    m_first->setFocus();
    m_first->setReadOnly(false);
    m_second->setReadOnly(false);
    m_random->setEnabled(false);
    enableChecks();
    m_teacher->setEnabled(false);
    m_clear->setEnabled(false);
}

void PracticeScreen::clearMascot()
{
    for (PictureBox *mascot : m_mascots)
        mascot->hide();
    m_story->setText(QStringLiteral(" "));
}

void PracticeScreen::showMascot(std::optional<QStringView> athensStory)
{
    const int drawn = drawFromClock(platform(), kMascotCount, Reseed::SecondsSinceMidnight);
    const MascotRow &row = kMascotTable[std::size_t(drawn)];
    m_mascots[std::size_t(drawn)]->show();
    m_story->setText((drawn == kAthensRow && athensStory ? *athensStory : row.story).toString());
}

void PracticeScreen::announceReward(const QLabel *word)
{
    QStringList heard{word->text()};
    for (const PictureBox *mascot : m_mascots) {
        if (mascot->isVisibleTo(this))
            heard << mascot->accessibleName();
    }
    heard << m_story->text() << m_score->accessibleName() + u' ' + m_score->text();
    announce(this, asSentences(heard));
}

void PracticeScreen::writeBackOperands(const Judgement &judgement)
{
    if (judgement.first && judgement.second) {
        m_first->setText(int16ToText(*judgement.first));
        m_second->setText(int16ToText(*judgement.second));
    }
}

bool PracticeScreen::eventFilter(QObject *watched, QEvent *event)
{
    // A field the pupil cannot type in takes the focus without its number selected, as if it
    // were ready to be typed over; the selection is made as the focus arrives, so it is undone
    // just after.
    if (auto *field = qobject_cast<QLineEdit *>(watched);
        field && field->isReadOnly() && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(field, &QLineEdit::deselect, Qt::QueuedConnection);
    return Screen::eventFilter(watched, event);
}

void PracticeScreen::refuseOverflow(Field overflowed, QLineEdit *answer)
{
    // The pupil is taken to the text that did not fit; a result that did not fit, to the first
    // operand, which the teacher types smaller.
    QLineEdit *culprit = overflowed == Field::Answer      ? answer
                         : overflowed == Field::Remainder ? m_remainder
                         : overflowed == Field::Second    ? m_second
                                                          : m_first;
    kalyxteron::refuseOverflow(culprit, overflowed == Field::None ? Overflow::Result : Overflow::TypedNumber);
}

bool PracticeScreen::isRight(const Judgement &judgement, const Exercise &exercise, QWidget *nextWhenWrong)
{
    switch (judgement.verdict) {
    case Verdict::Overflow:
        refuseOverflow(judgement.overflowed, exercise.answer);
        return false;
    case Verdict::ZeroOperand:
        tell(kZeroOperandMessage);
        m_first->setFocus();
        return false;
    case Verdict::Wrong:
        showWarningWord(exercise.word);
        if (m_design.speaksItsWords)
            speak(exercise.word->text());
        if (nextWhenWrong)
            nextWhenWrong->setFocus();
        announce(this, exercise.word->text());
        return false;
    case Verdict::Right:
        return true;
    }
    return false;
}

bool PracticeScreen::beginReward(const Exercise &exercise, bool releasesClear, std::optional<QStringView> athensStory)
{
    // The score is read before anything happens, so an unreadable one changes nothing.
    if (!numericValue(m_score->text())) {
        kalyxteron::refuseOverflow();
        return false;
    }
    platform().beep();
    if (releasesClear)
        m_clear->setEnabled(true);
    showPraiseWord(exercise.word);
    if (m_design.speaksItsWords)
        speak(exercise.word->text()); // right after the beep
    showMascot(athensStory);
    exercise.check->setEnabled(false);
    return true;
}

bool PracticeScreen::raiseScoreAndAward(const QLabel *word)
{
    const double score = numericValue(m_score->text()).value_or(0.0) + 1;
    m_score->setText(numberToText(score));
    announceReward(word);
    if (score < kDiplomaScore)
        return false;

    tell(kAwardMessage);
    closeForHandOver();
    tell(kAfterAwardMessage);
    const int drawn = drawFromClock(platform(), int(kDiplomaTable.size()), Reseed::SecondsSinceMidnight);
    handOver(this, kDiplomaTable[std::size_t(drawn)]);
    return true;
}

void PracticeScreen::checkOperation(Operation operation)
{
    const Exercise &exercise = m_exercises[std::size_t(operation)];
    clearMascot();
    const Judgement judgement = judgeOperation(operation, exercise.answer->text(), m_first->text(), m_second->text(),
                                               m_design.guardsZeroOperands);
    writeBackOperands(judgement);

    QLineEdit *next = nullptr;
    switch (operation) {
    case Operation::Sum:
        next = m_exercises[1].answer;
        break;
    case Operation::Difference:
        next = m_exercises[2].answer;
        break;
    case Operation::Product:
        next = m_division.answer;
        break;
    }

    const bool wrongMovesFocus = operation != Operation::Product || m_design.wrongProductMovesFocus;
    if (!isRight(judgement, exercise, wrongMovesFocus ? next : nullptr))
        return;

    const bool lastExercise = operation == Operation::Product && m_design.rightProductReleasesClear;
    const bool athensWithFullStop = operation == Operation::Sum && m_design.sumTellsAthensWithFullStop;
    if (!beginReward(exercise, lastExercise,
                     athensWithFullStop ? std::optional<QStringView>(kAthensStoryWithFullStop) : std::nullopt))
        return;
    if (operation != Operation::Product || m_design.rightProductMovesFocus)
        next->setFocus();
    raiseScoreAndAward(exercise.word);
}

void PracticeScreen::cmdchadd_Click()
{
    checkOperation(Operation::Sum);
}

void PracticeScreen::cmdchdiaf_Click()
{
    checkOperation(Operation::Difference);
}

void PracticeScreen::cmdchmult_Click()
{
    checkOperation(Operation::Product);
}

void PracticeScreen::cmdypoloipo_Click()
{
    clearMascot();
    const std::optional<QString> remainder = m_remainder ? std::optional<QString>(m_remainder->text()) : std::nullopt;
    const Judgement judgement = judgeDivision(m_division.answer->text(), m_first->text(), m_second->text(),
                                              remainder ? std::optional<QStringView>(*remainder) : std::nullopt);
    writeBackOperands(judgement);

    if (!isRight(judgement, m_division, m_design.wrongDivisionFocusesRemainder ? m_remainder : nullptr)) {
        // A zero divisor refused releases the clear, so that another pair can be set.
        if (judgement.verdict == Verdict::ZeroOperand)
            m_clear->setEnabled(true);
        return;
    }

    if (!beginReward(m_division, false, std::nullopt))
        return;
    if (!raiseScoreAndAward(m_division.word))
        m_clear->setEnabled(true);
}

void PracticeScreen::arxi_Click()
{
    handOver(this, ScreenId::Home);
}

void PracticeScreen::exit_Click()
{
    if (m_design.closingExit)
        closingExit(this);
    else
        plainExit();
}

void PracticeScreen::odig_Click()
{
    handOver(this, ScreenId::Instructions);
}

void PracticeScreen::enimerosi_Click()
{
    handOver(this, ScreenId::Instructions);
}

void PracticeScreen::info_Click()
{
    handOver(this, ScreenId::Credits);
}

} // namespace kalyxteron
