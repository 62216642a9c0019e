// SPDX-FileCopyrightText: 2026 The Kalyxteron authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diploma/diplomascreen.h"

#include "assets/pictures.h"
#include "diploma/namefield.h"
#include "shell/appearance/faces.h"
#include "shell/appearance/palette.h"
#include "shell/logic/spokenwords.h"
#include "shell/platform.h"
#include "shell/widgets/announcement.h"
#include "shell/widgets/controls.h"
#include "shell/widgets/keypad.h"
#include "shell/widgets/navigation.h"
#include "shell/widgets/picturebox.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <array>

namespace kalyxteron {

namespace {

enum class Artwork {
    Sports,  // a sport in each corner
    Mascots, // the mascots of 1972 to 2000 around the centre
};

struct Corner {
    Sport sport;
    QStringView name;
};

} // namespace

// What sets the seven diplomas apart.
struct DiplomaDesign {
    ScreenId id;
    QStringView title;
    int blanks;       // push the mark to the right end of the title bar
    QStringView mark; // "1/6" ... "6/6"; none on the mascot diploma
    QSize clientSize;
    Artwork artwork;
    std::array<Corner, 4> corners; // top left, top right, bottom left, bottom right
    const char *centreBox;
    const char *bottomLeftName;
    int nameStops; // full stops the pupil's name field starts with
    bool nameCentred;
    QColor typedColour;
    QStringView presenters; // lbl
    QStringView reason;     // Label1
    QColor frameColour;
    int frameWidth;
    QStringView gameCaption;
    bool closingExit;  // "Έξοδος" closes the screen before the beep
    bool creditsEntry; // "Πληροφορίες" on the menu bar
};

namespace {

constexpr QStringView kTitle = u"Απονομή διπλώματος από το Φοίβο και την Αθηνά.";
constexpr QStringView kTitleWithoutStop = u"Απονομή διπλώματος από το Φοίβο και την Αθηνά";
constexpr QStringView kMascotTitle = u"Απονομή Διπλώματος με όλες τις μασκότ των Ολυμπιακών Αγώνων.";
constexpr QStringView kPracticePresenters = u"Ο Φοίβος και η Αθηνά απονέμουν το  δίπλωμα αυτό ";
constexpr QStringView kMascotPresenters = u"Ο Φοίβος και η Αθηνά απονέμουν το δίπλωμα αυτό ";
constexpr QStringView kPracticeReason = u"επειδή συμπλήρωσε με επιτυχία τις πράξεις των ακεραίων.";
constexpr QStringView kMascotReason = u"επειδή συμπλήρωσε με επιτυχία το παιχνίδι με τις μασκότ των Ολυμπιακών Αγώνων.";
constexpr QStringView kSchool = u"Δημοτικό Σχολείο";
constexpr QStringView kAthens = u"Αθήνα 2004";
constexpr QStringView kGame = u"&Παιχνίδι";
constexpr QStringView kBackToGame = u"&Επιστροφή στο παιχνίδι";

constexpr int kSchoolStops = 47;
constexpr int kNameStops = 108;
constexpr int kLongerNameStops = 111;

constexpr QSize kPracticeSize{840, 565};
constexpr QSize kNarrowSize{818, 559};
constexpr QSize kMascotSize{847, 572};

constexpr int kThinFrame = 3;
constexpr int kThickFrame = 6;

const std::array<DiplomaDesign, 7> kDiplomas{{
    {.id = ScreenId::Diploma0,
     .title = kTitle,
     .blanks = 103,
     .mark = u"1/6",
     .clientSize = kPracticeSize,
     .artwork = Artwork::Sports,
     .corners = {{{.sport = Sport::Sailing, .name = u"Ιστιοπλοϊα"},
                  {.sport = Sport::Fencing, .name = u"Ξιφασκία"},
                  {.sport = Sport::Badminton, .name = u"Μπάτμιντον"},
                  {.sport = Sport::Wrestling, .name = u"Πάλη"}}},
     .centreBox = "Image2",
     .bottomLeftName = "Label4",
     .nameStops = kLongerNameStops,
     .nameCentred = true,
     .typedColour = kBrightNameInk,
     .presenters = kPracticePresenters,
     .reason = kPracticeReason,
     .frameColour = kDiplomaFrame,
     .frameWidth = kThinFrame,
     .gameCaption = kGame,
     .closingExit = false,
     .creditsEntry = false},
    {.id = ScreenId::Diploma1,
     .title = kTitle,
     .blanks = 101,
     .mark = u"2/6",
     .clientSize = kPracticeSize,
     .artwork = Artwork::Sports,
     .corners = {{{.sport = Sport::Weightlifting, .name = u"Άρση Βαρών"},
                  {.sport = Sport::Basketball, .name = u"Μπάσκετ"},
                  {.sport = Sport::Baseball, .name = u"Μπείζμπολ"},
                  {.sport = Sport::Boxing, .name = u"Πυγμαχία"}}},
     .centreBox = "Image2",
     .bottomLeftName = "Label4",
     .nameStops = kNameStops,
     .nameCentred = false,
     .typedColour = kNameInk,
     .presenters = kPracticePresenters,
     .reason = kPracticeReason,
     .frameColour = kDiplomaFrame,
     .frameWidth = kThinFrame,
     .gameCaption = kGame,
     .closingExit = false,
     .creditsEntry = false},
    {.id = ScreenId::Diploma2,
     .title = kTitle,
     .blanks = 103,
     .mark = u"3/6",
     .clientSize = kPracticeSize,
     .artwork = Artwork::Sports,
     .corners = {{{.sport = Sport::Football, .name = u"Ποδόσφαιρο"},
                  {.sport = Sport::Gymnastics, .name = u"Γυμναστική"},
                  {.sport = Sport::Handball, .name = u"Χάντμπολ"},
                  {.sport = Sport::Equestrian, .name = u"Ιππασία"}}},
     .centreBox = "Image2",
     .bottomLeftName = "Label4",
     .nameStops = kNameStops,
     .nameCentred = false,
     .typedColour = kNameInk,
     .presenters = kPracticePresenters,
     .reason = kPracticeReason,
     .frameColour = kDiplomaFrame,
     .frameWidth = kThinFrame,
     .gameCaption = kGame,
     .closingExit = false,
     .creditsEntry = false},
    {.id = ScreenId::Diploma4,
     .title = kTitleWithoutStop,
     .blanks = 104,
     .mark = u"4/6",
     .clientSize = kPracticeSize,
     .artwork = Artwork::Sports,
     .corners = {{{.sport = Sport::TableTennis, .name = u"Πινγκ πονγκ"},
                  {.sport = Sport::Softball, .name = u"Σόφτμπολ"},
                  {.sport = Sport::Cycling, .name = u"Ποδηλασία"},
                  {.sport = Sport::Shooting, .name = u"Σκοποβολή"}}},
     .centreBox = "Image2",
     .bottomLeftName = "Label4",
     .nameStops = kNameStops,
     .nameCentred = false,
     .typedColour = kNameInk,
     .presenters = kPracticePresenters,
     .reason = kPracticeReason,
     .frameColour = kDiplomaFrame,
     .frameWidth = kThinFrame,
     .gameCaption = kGame,
     .closingExit = false,
     .creditsEntry = false},
    {.id = ScreenId::Diploma5,
     .title = kTitle,
     .blanks = 97,
     .mark = u"5/6",
     .clientSize = kNarrowSize,
     .artwork = Artwork::Sports,
     .corners = {{{.sport = Sport::Athletics, .name = u"Στίβος"},
                  {.sport = Sport::Taekwondo, .name = u"Ταεκβοντό"},
                  {.sport = Sport::Tennis, .name = u"Τέννις"},
                  {.sport = Sport::Archery, .name = u"Τοξοβολία"}}},
     .centreBox = "Image6",
     .bottomLeftName = "dimploma5",
     .nameStops = kNameStops,
     .nameCentred = false,
     .typedColour = kNameInk,
     .presenters = kPracticePresenters,
     .reason = kPracticeReason,
     .frameColour = kDiplomaFrame,
     .frameWidth = kThinFrame,
     .gameCaption = kGame,
     .closingExit = false,
     .creditsEntry = false},
    {.id = ScreenId::Diploma6,
     .title = kTitle,
     .blanks = 102,
     .mark = u"6/6",
     .clientSize = kPracticeSize,
     .artwork = Artwork::Sports,
     .corners = {{{.sport = Sport::Judo, .name = u"Τζούντο"},
                  {.sport = Sport::Volleyball, .name = u"Βόλεϊ"},
                  {.sport = Sport::FieldHockey, .name = u"Χόκεϊ επί χόρτου"},
                  {.sport = Sport::Aquatics, .name = u"Υγρός Στίβος"}}},
     .centreBox = "Image2",
     .bottomLeftName = "dimploma5",
     .nameStops = kNameStops,
     .nameCentred = false,
     .typedColour = kNameInk,
     .presenters = kPracticePresenters,
     .reason = kPracticeReason,
     .frameColour = kDiplomaFrame,
     .frameWidth = kThinFrame,
     .gameCaption = kGame,
     .closingExit = false,
     .creditsEntry = false},
    {.id = ScreenId::MascotDiploma,
     .title = kMascotTitle,
     .blanks = 0,
     .mark = u"",
     .clientSize = kMascotSize,
     .artwork = Artwork::Mascots,
     .corners = {}, // no sports: the mascots of 1972 to 2000 instead
     .centreBox = "Image2",
     .bottomLeftName = "",
     .nameStops = kNameStops,
     .nameCentred = false,
     .typedColour = kNameInk,
     .presenters = kMascotPresenters,
     .reason = kMascotReason,
     .frameColour = kInk,
     .frameWidth = kThickFrame,
     .gameCaption = kBackToGame,
     .closingExit = true,
     .creditsEntry = true},
}};

const DiplomaDesign &designOf(ScreenId id)
{
    const auto found =
        std::find_if(kDiplomas.begin(), kDiplomas.end(), [id](const DiplomaDesign &design) { return design.id == id; });
    Q_ASSERT(found != kDiplomas.end());
    return *found;
}

QString captionOf(const DiplomaDesign &design)
{
    return design.title.toString() + QString(design.blanks, u' ') + design.mark.toString();
}

// The pictures in the corners, named as each corner's controls are.
struct CornerNames {
    const char *picture;
    const char *label;
};
constexpr std::array<CornerNames, 4> kCornerNames{{
    {.picture = "Image1", .label = "lnlarsi"},
    {.picture = "Image4", .label = "Label3"},
    {.picture = "Image3", .label = "Label4"}, // "dimploma5" on two of the diplomas: see DiplomaDesign::bottomLeftName
    {.picture = "Image5", .label = "Label5"},
}};

// The mascots of the mascot diploma, oldest first: four on the left of the centre, four on the right.
struct MascotPlace {
    const char *box;
    Mascot mascot;
};
constexpr std::array<MascotPlace, 8> kMascotPlaces{{
    {.box = "Image4", .mascot = Mascot::Munich1972},
    {.box = "Image9", .mascot = Mascot::Montreal1976},
    {.box = "Image3", .mascot = Mascot::Moscow1980},
    {.box = "Image5", .mascot = Mascot::LosAngeles1984},
    {.box = "Image6", .mascot = Mascot::Seoul1988},
    {.box = "Image7", .mascot = Mascot::Barcelona1992},
    {.box = "Image1", .mascot = Mascot::Atlanta1996},
    {.box = "Image8", .mascot = Mascot::Sydney2000},
}};

// Layout of the client area, in pixels.
constexpr int kFrameInset = 6; // the frame lines stand this far inside the edges
constexpr int kMargin = 18;    // from the edges to the artwork
constexpr QSize kSportPicture{144, 116};
constexpr int kSportNameHeight = 26;
constexpr int kSportNameGap = 2;
constexpr int kColumnGap = 12;    // between the corner sports and the texts between them
constexpr int kTextPadding = 12;  // white on either side of a text
constexpr int kFieldPadding = 10; // room for a field's own margins and its cursor
constexpr int kSchoolRowTop = 26;
constexpr int kSchoolRowHeight = 44;
constexpr int kLineHeight = 36;
constexpr int kNameHeight = 48;
constexpr int kRowGap = 12;
constexpr int kPresentersTopPractice = 104;
constexpr int kPresentersTopMascot = 80;
constexpr int kDateHeight = 30;
constexpr int kDateWidth = 200;
constexpr int kDateBelowCentre = 6;
constexpr int kBottomRoom = 72; // below the centre picture: the date and a little air
constexpr int kAthensHeight = 40;
constexpr QSizeF kCentrePicture{159, 197}; // the centre artwork's proportions
constexpr QSize kMascotPicture{132, 148};
constexpr int kMascotGap = 12;

constexpr int kSchoolPoints = 22;
constexpr int kTextPoints = 16;
constexpr int kNamePoints = 22;
constexpr int kAthensPoints = 20;
constexpr int kSportPoints = 11;
constexpr int kDatePoints = 13;
constexpr int kDateIntervalMs = 1000;

int textWidth(const QWidget *widget, const QString &text)
{
    return widget->fontMetrics().horizontalAdvance(text);
}

// A text on white, centred in the place it is given later (placeCentred).
QLabel *whiteLabel(QWidget *parent, const char *name, const QString &text, const QFont &font, QColor colour)
{
    QLabel *label = addLabel(parent, name, text, QRect());
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    setColours(label, colour, kTextSurface);
    return label;
}

void placeCentred(QWidget *widget, int centreX, int top, int width, int height)
{
    widget->setGeometry(centreX - width / 2, top, width, height);
}

QLineEdit *typedField(QWidget *parent, const char *name, int stops, const QFont &font, QColor colour,
                      const QString &whatToType)
{
    auto *field = new NameField(parent, name, stops, whatToType);
    field->setFrame(false);
    field->setFont(font);
    field->setTextMargins(kTextPadding, 0, kTextPadding, 0);
    setColours(field, colour, kTextSurface);
    return field;
}

} // namespace

DiplomaScreen::DiplomaScreen(ScreenId id)
    : Screen(id, captionOf(designOf(id)), designOf(id).clientSize), m_design(designOf(id))
{
    setColours(clientArea(), Qt::black, kDiplomaSurface);
    buildFrame();
    buildTexts();
    if (m_design.artwork == Artwork::Sports)
        buildSports();
    else
        buildMascots();
    buildMenu();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kDateIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &DiplomaScreen::Timer1_Timer);
    m_timer->start();

    // By touch, the names are typed on a Greek keyboard of the program's own, which leaves the
    // other name in sight and within reach of a finger.
    offerKeyPad(m_school, PadKind::Greek, {m_name});
    offerKeyPad(m_name, PadKind::Greek, {m_school});

    m_school->setFocus();
}

void DiplomaScreen::buildFrame()
{
    const int width = m_design.clientSize.width();
    const int height = m_design.clientSize.height();
    const int thickness = m_design.frameWidth;
    const int span = width - 2 * kFrameInset;
    const int rise = height - 2 * kFrameInset;
    const std::array<QRect, 4> sides{{
        {kFrameInset, kFrameInset, span, thickness},                      // top
        {width - kFrameInset - thickness, kFrameInset, thickness, rise},  // right
        {kFrameInset, height - kFrameInset - thickness, span, thickness}, // bottom
        {kFrameInset, kFrameInset, thickness, rise},                      // left
    }};
    for (std::size_t i = 0; i < sides.size(); ++i) {
        auto *line = new QWidget(clientArea());
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line->setGeometry(sides[i]);
        setColours(line, m_design.frameColour, m_design.frameColour);
    }
}

void DiplomaScreen::buildTexts()
{
    QWidget *area = clientArea();
    const QSize size = m_design.clientSize;
    const int centreX = size.width() / 2;
    const bool sports = m_design.artwork == Artwork::Sports;
    // Between the corner sports, or across the whole diploma when there are none.
    const int columnLeft = sports ? kMargin + kSportPicture.width() + kColumnGap : kMargin + kFrameInset;
    const int columnWidth = size.width() - 2 * columnLeft;
    const int innerWidth = size.width() - 2 * (kMargin + kFrameInset);

    // "Δημοτικό Σχολείο" and the school's field, as one white band.
    QLabel *school = whiteLabel(area, "Label2", kSchool.toString(), calligraphicFont(kSchoolPoints, true), Qt::black);
    m_school = typedField(area, "txtschool", kSchoolStops, calligraphicFont(kTextPoints, true), m_design.typedColour,
                          QStringLiteral("Όνομα σχολείου: γράψε εδώ το όνομα του σχολείου σου"));
    int labelWidth = textWidth(school, school->text()) + 2 * kTextPadding;
    const int fieldNeeds = textWidth(m_school, m_school->text()) + kFieldPadding + 2 * kTextPadding;
    // Where the column is narrow for the full stops (the narrow diploma, in a face that measures
    // them a little wider), the label gives the field the white on its right.
    labelWidth -= std::clamp(fieldNeeds - (columnWidth - labelWidth), 0, kTextPadding);
    const int fieldWidth = std::min(fieldNeeds, columnWidth - labelWidth);
    const int rowLeft = centreX - (labelWidth + fieldWidth) / 2;
    school->setGeometry(rowLeft, kSchoolRowTop, labelWidth, kSchoolRowHeight);
    m_school->setGeometry(rowLeft + labelWidth, kSchoolRowTop, fieldWidth, kSchoolRowHeight);

    const QFont textFont = calligraphicFont(kTextPoints, true);
    QLabel *presenters = whiteLabel(area, "lbl", m_design.presenters.toString(), textFont, Qt::black);
    const int presentersTop = sports ? kPresentersTopPractice : kPresentersTopMascot;
    placeCentred(presenters, centreX, presentersTop,
                 std::min(textWidth(presenters, presenters->text()) + 2 * kTextPadding, columnWidth), kLineHeight);

    // The pupil's name, below the corner sports where it has the whole width.
    m_name = typedField(area, "Text2", m_design.nameStops, calligraphicFont(kNamePoints, true), m_design.typedColour,
                        QStringLiteral("Όνομα μαθητή: γράψε εδώ το όνομά σου"));
    if (m_design.nameCentred)
        m_name->setAlignment(Qt::AlignCenter);
    const int cornersBottom = kMargin + kSportPicture.height() + kSportNameGap + kSportNameHeight;
    const int nameTop = sports ? cornersBottom + kRowGap : presentersTop + kLineHeight + kRowGap;
    placeCentred(m_name, centreX, nameTop,
                 std::min(textWidth(m_name, m_name->text()) + kFieldPadding + 2 * kTextPadding, innerWidth),
                 kNameHeight);

    QLabel *reason = whiteLabel(area, "Label1", m_design.reason.toString(), textFont, Qt::black);
    const int reasonTop = nameTop + kNameHeight + kRowGap;
    placeCentred(reason, centreX, reasonTop, std::min(textWidth(reason, reason->text()) + 2 * kTextPadding, innerWidth),
                 kLineHeight);

    // The two mascots of 2004 in the middle, the date under them.
    int centreTop = reasonTop + kLineHeight + kRowGap;
    if (!sports) {
        QLabel *athens =
            whiteLabel(area, "Label3", kAthens.toString(), calligraphicFont(kAthensPoints, true), kAlertInk);
        placeCentred(athens, centreX, centreTop, textWidth(athens, athens->text()) + 2 * kTextPadding, kAthensHeight);
        centreTop += kAthensHeight;
    }
    const int centreHeight = size.height() - kBottomRoom - centreTop;
    const int centreWidth = int(centreHeight * kCentrePicture.width() / kCentrePicture.height());
    const QRect centre(centreX - centreWidth / 2, centreTop, centreWidth, centreHeight);
    new PictureBox(area, QLatin1String(m_design.centreBox), picturePath(Picture::DiplomaCentre),
                   describe(Picture::DiplomaCentre), centre);

    m_date = whiteLabel(area, "lbldater", QString(), serifFont(kDatePoints, true, true), kInk);
    placeCentred(m_date, centreX, centre.bottom() + 1 + kDateBelowCentre, kDateWidth, kDateHeight);
}

void DiplomaScreen::buildSports()
{
    QWidget *area = clientArea();
    const QSize size = m_design.clientSize;
    const int right = size.width() - kMargin - kSportPicture.width();
    const int bottom = size.height() - kMargin - kSportNameHeight - kSportNameGap - kSportPicture.height();
    const std::array<QPoint, 4> places{{{kMargin, kMargin}, {right, kMargin}, {kMargin, bottom}, {right, bottom}}};
    constexpr std::size_t kBottomLeft = 2;

    for (std::size_t i = 0; i < places.size(); ++i) {
        const Corner &corner = m_design.corners[i];
        const QRect picture(places[i], kSportPicture);
        new PictureBox(area, QLatin1String(kCornerNames[i].picture), picturePath(corner.sport), describe(corner.sport),
                       picture);
        const char *labelName = i == kBottomLeft ? m_design.bottomLeftName : kCornerNames[i].label;
        QLabel *name =
            addLabel(area, labelName, corner.name.toString(),
                     QRect(picture.left(), picture.bottom() + 1 + kSportNameGap, picture.width(), kSportNameHeight));
        name->setAlignment(Qt::AlignCenter);
        name->setFont(plainFont(kSportPoints, true));
        setColours(name, kAlertInk, kSportNameSurface);
    }
}

void DiplomaScreen::buildMascots()
{
    QWidget *area = clientArea();
    const QSize size = m_design.clientSize;
    const auto *centre = area->findChild<QWidget *>(QLatin1String(m_design.centreBox));
    const int gridWidth = 2 * kMascotPicture.width() + kMascotGap;
    const int gridHeight = 2 * kMascotPicture.height() + kMascotGap;
    const int gridTop = size.height() - kMargin - kFrameInset - gridHeight;
    // Each group of four stands midway between the frame and the centre picture.
    const int leftRoom = centre->geometry().left() - (kFrameInset + kMargin);
    const int leftGrid = kFrameInset + kMargin + (leftRoom - gridWidth) / 2;
    const int rightGrid = size.width() - leftGrid - gridWidth;
    constexpr int kPerGroup = 4;
    constexpr int kPerRow = 2;

    for (std::size_t i = 0; i < kMascotPlaces.size(); ++i) {
        const int inGroup = int(i) % kPerGroup;
        const int x =
            (int(i) < kPerGroup ? leftGrid : rightGrid) + (inGroup % kPerRow) * (kMascotPicture.width() + kMascotGap);
        const int y = gridTop + (inGroup / kPerRow) * (kMascotPicture.height() + kMascotGap);
        const MascotPlace &place = kMascotPlaces[i];
        new PictureBox(area, QLatin1String(place.box), picturePath(place.mascot), describe(place.mascot),
                       QRect(QPoint(x, y), kMascotPicture));
    }
}

void DiplomaScreen::buildMenu()
{
    QMenu *choice = addList("epilogi", QStringLiteral("&Επιλογή"));
    addCommand(choice, "arxi", QStringLiteral("&Αρχική Οθόνη"), &DiplomaScreen::arxi_Click);
    addSeparator(choice, "mnusep1");
    addCommand(choice, "ektiposi", QStringLiteral("&Εκτύπωση Διπλώματος"), &DiplomaScreen::ektiposi_Click);
    addSeparator(choice, "mnusep2");
    addCommand(choice, "exit", QStringLiteral("&Έξοδος"), &DiplomaScreen::exit_Click);
    addCommand(nullptr, "game", m_design.gameCaption.toString(), &DiplomaScreen::game_Click);
    if (m_design.creditsEntry)
        addCommand(nullptr, "info", QStringLiteral("&Πληροφορίες"), &DiplomaScreen::info_Click);
}

void DiplomaScreen::arxi_Click()
{
    handOver(this, ScreenId::Home);
}

void DiplomaScreen::ektiposi_Click()
{
    // As it stands: whatever the pupil typed, the rows of full stops left, the date.
    if (const QString told = platform().printForm(clientArea()); !told.isEmpty())
        tell(told);
}

void DiplomaScreen::exit_Click()
{
    if (m_design.closingExit)
        closingExit(this);
    else
        plainExit();
}

void DiplomaScreen::game_Click()
{
    handOver(this, ScreenId::Game);
}

void DiplomaScreen::info_Click()
{
    handOver(this, ScreenId::Credits);
}

QString DiplomaScreen::spokenInstructions() const
{
    // The diploma's lines, as they read, with what the pupil has written on them.
    QStringList lines;
    for (const char *name : {"Label2", "txtschool", "lbl", "Text2", "Label1"})
        lines << spokenText(clientArea()->findChild<QWidget *>(QLatin1String(name)));
    lines.removeAll(QString());
    return asSentences(lines);
}

QString DiplomaScreen::spokenText(const QWidget *control) const
{
    // The date is read as words, whatever the way it is written.
    if (control == m_date)
        return m_date->text().isEmpty() ? QString() : dateWords(platform().today());
    return Screen::spokenText(control);
}

void DiplomaScreen::Timer1_Timer()
{
    m_date->setText(platform().shortDate());
}

} // namespace kalyxteron
