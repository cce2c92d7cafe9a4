#include "FirstScreen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "CaptionAppliers.h"
#include "CaptionTable.h"
#include "ClickableLabel.h"
#include "Controls.h"
#include "Decoration.h"

namespace brevath::ui {

namespace {

// Tops of the sheet's rows: level, the five statistics, hit points, mana points.
constexpr int kLevelTop = 3120;
constexpr int kStatTops[kStatCount] = {3480, 3840, 4200, 4560, 4920};
constexpr int kHitPointsTop = 5280;
constexpr int kManaPointsTop = 5640;
constexpr int kRowHeight = 315;
constexpr int kHeaderTop = 2520;
constexpr int kHeaderHeight = 420;

QLabel *makeLabel(QWidget *parent, int n, const QString &caption, int left, int top, int width, int height)
{
    auto *label = MakeControl<QLabel>(parent, NumberedName("Label", n), left, top, width, height);
    label->setText(caption);
    return label;
}

QLabel *makeHeader(QWidget *parent, int n, const QString &caption, int left, int width)
{
    QLabel *label = makeLabel(parent, n, caption, left, kHeaderTop, width, kHeaderHeight);
    label->setFont(DecorativeFont(14.25, true));
    return label;
}

QLabel *makeRowLabel(QWidget *parent, int n, const QString &caption, int top)
{
    QLabel *label = makeLabel(parent, n, caption, 240, top, 1740, kRowHeight);
    label->setFont(DecorativeFont(9.75, false));
    return label;
}

QLineEdit *makeBox(QWidget *parent, const char *kind, int n, const QString &text, int left, int width, int top)
{
    auto *box = MakeControl<QLineEdit>(parent, NumberedName(kind, n), left, top, width, kRowHeight);
    box->setText(text);
    return box;
}

} // namespace

FirstScreen::FirstScreen() : ProgramWindow(QStringLiteral("FirstScreen"))
{
    setWindowTitle(QStringLiteral("Simulation de la montee d'un personnage"));
    setFixedSize(ToPixels(kClientWidthTwips), ToPixels(kClientHeightTwips));
    SetBackground(Picture(QStringLiteral("start_background.jpg")));
    UseLightText(this);
    makeSheet();
    makeCategories();
    makeButtonsAndNotices();
    makeLibraryButton();
    setTabOrder();

    // The categories offered until the player changes them.
    for (QCheckBox *check : {Check1, Check2, Check3, Check8, Check9})
        check->setChecked(true);
}

void FirstScreen::makeSheet()
{
    Label1 = makeHeader(this, 1, QStringLiteral("Statistiques de depart"), 240, 3480);
    Label10 = makeHeader(this, 10, QStringLiteral("Max"), 3840, 900);
    Label11 = makeHeader(this, 11, QStringLiteral("Priorité"), 4800, 1500);

    Label9 = makeRowLabel(this, 9, QStringLiteral("Niveau"), kLevelTop);
    Label2 = makeRowLabel(this, 2, QStringLiteral("Force"), kStatTops[0]);
    Label3 = makeRowLabel(this, 3, QStringLiteral("Endurance"), kStatTops[1]);
    Label4 = makeRowLabel(this, 4, QStringLiteral("Dextérité"), kStatTops[2]);
    Label5 = makeRowLabel(this, 5, QStringLiteral("Sagesse"), kStatTops[3]);
    Label6 = makeRowLabel(this, 6, QStringLiteral("Intelligence"), kStatTops[4]);
    Label7 = makeRowLabel(this, 7, QStringLiteral("Points de Vie"), kHitPointsTop);
    Label8 = makeRowLabel(this, 8, QStringLiteral("Points de Mana"), kManaPointsTop);

    const SheetTexts defaults = DefaultSheetTexts();
    constexpr int kStartLeft = 2040, kStartWidth = 1080;
    SDText1 = makeBox(this, "SDText", 1, defaults[0], kStartLeft, kStartWidth, kLevelTop);
    SDText2 = makeBox(this, "SDText", 2, defaults[1], kStartLeft, kStartWidth, kStatTops[0]);
    SDText3 = makeBox(this, "SDText", 3, defaults[2], kStartLeft, kStartWidth, kStatTops[1]);
    SDText4 = makeBox(this, "SDText", 4, defaults[3], kStartLeft, kStartWidth, kStatTops[2]);
    SDText5 = makeBox(this, "SDText", 5, defaults[4], kStartLeft, kStartWidth, kStatTops[3]);
    SDText6 = makeBox(this, "SDText", 6, defaults[5], kStartLeft, kStartWidth, kStatTops[4]);
    SDText7 = makeBox(this, "SDText", 7, defaults[6], kStartLeft, kStartWidth, kHitPointsTop);
    SDText8 = makeBox(this, "SDText", 8, defaults[7], kStartLeft, kStartWidth, kManaPointsTop);

    constexpr int kMaxLeft = 3720, kMaxWidth = 855;
    MText1 = makeBox(this, "MText", 1, defaults[8], kMaxLeft, kMaxWidth, kStatTops[0]);
    MText2 = makeBox(this, "MText", 2, defaults[9], kMaxLeft, kMaxWidth, kStatTops[1]);
    MText3 = makeBox(this, "MText", 3, defaults[10], kMaxLeft, kMaxWidth, kStatTops[2]);
    MText4 = makeBox(this, "MText", 4, defaults[11], kMaxLeft, kMaxWidth, kStatTops[3]);
    MText5 = makeBox(this, "MText", 5, defaults[12], kMaxLeft, kMaxWidth, kStatTops[4]);

    // Each row's label names its starting box; the maxima and the options are named from
    // their row and column when the captions are applied.
    const std::pair<QLabel *, QLineEdit *> buddies[] = {{Label9, SDText1}, {Label2, SDText2}, {Label3, SDText3},
                                                        {Label4, SDText4}, {Label5, SDText5}, {Label6, SDText6},
                                                        {Label7, SDText7}, {Label8, SDText8}};
    for (const auto &[label, box] : buddies)
        label->setBuddy(box);

    // One group, none selected until the player picks one.
    auto *group = new QButtonGroup(this);
    QRadioButton **optionMembers[kStatCount] = {&Option1, &Option2, &Option3, &Option4, &Option5};
    for (int s = 0; s < kStatCount; ++s) {
        *optionMembers[s] =
            MakeControl<QRadioButton>(this, NumberedName("Option", s + 1), 5400, kStatTops[s], 315, kRowHeight);
        group->addButton(*optionMembers[s]);
    }
}

void FirstScreen::makeCategories()
{
    Label16 = makeHeader(this, 16, QStringLiteral("Affichage"), 6360, 3105);

    // Each check box with the label beside it; the two columns hold the categories in the
    // order the screen was designed with, not in flag order.
    struct CategoryPlace
    {
        QCheckBox **check;
        int checkNumber;
        QLabel **label;
        int labelNumber;
        const char16_t *caption;
        int column;
        int row;
    };
    const CategoryPlace places[kCategoryCount] = {
        {&Check1, 1, &Label12, 12, u"Arcs", 0, 0},
        {&Check3, 3, &Label14, 14, u"Armes", 0, 1},
        {&Check2, 2, &Label13, 13, u"Robes", 0, 2},
        {&Check8, 8, &Label21, 21, u"Armures", 0, 3},
        {&Check4, 4, &Label15, 15, u"Compétences", 0, 4},
        {&Check5, 5, &Label17, 17, u"Amulettes", 1, 0},
        {&Check6, 6, &Label18, 18, u"Anneaux", 1, 1},
        {&Check7, 7, &Label19, 19, u"Bracelets", 1, 2},
        {&Check9, 9, &Label20, 20, u"Sortilèges", 1, 3},
        {&Check10, 10, &Label23, 23, u"Boucliers et Armures Spéciales", 1, 4},
    };
    constexpr int kCheckLefts[2] = {6360, 7800};
    constexpr int kLabelLefts[2] = {6660, 8100};
    constexpr int kLabelWidths[2] = {1110, 1485};
    for (const CategoryPlace &p : places) {
        const int top = kStatTops[p.row];
        *p.check = MakeControl<QCheckBox>(this, NumberedName("Check", p.checkNumber), kCheckLefts[p.column], top, 315,
                                          kRowHeight);
        // The last label may run over several lines, nothing stands below it; its first line
        // stays level with the box.
        const bool lastRow = p.row == kStatCount - 1;
        constexpr int kFirstLineDrop = 45;
        *p.label = makeLabel(this, p.labelNumber, QString::fromUtf16(p.caption), kLabelLefts[p.column],
                             lastRow ? top + kFirstLineDrop : top, kLabelWidths[p.column],
                             lastRow ? 3 * kRowHeight : kRowHeight);
        (*p.label)->setWordWrap(lastRow);
        (*p.label)->setAlignment(Qt::AlignLeft | (lastRow ? Qt::AlignTop : Qt::AlignVCenter));
        (*p.label)->setBuddy(*p.check);
    }
}

void FirstScreen::makeButtonsAndNotices()
{
    Command1 = MakeControl<QPushButton>(this, QStringLiteral("Command1"), 240, 6120, 2655, 420);
    Command1->setText(QStringLiteral("Séraphe génération 1"));
    Command2 = MakeControl<QPushButton>(this, QStringLiteral("Command2"), 240, 6600, 2655, 420);
    Command2->setText(QStringLiteral("Séraphe génération 2"));
    Command3 = MakeControl<QPushButton>(this, QStringLiteral("Command3"), 7080, 6480, 2295, 495);
    Command3->setText(QStringLiteral("Prochaine Page"));
    connect(Command1, &QPushButton::clicked, this, [this] { applyPreset(1); });
    connect(Command2, &QPushButton::clicked, this, [this] { applyPreset(2); });
    connect(Command3, &QPushButton::clicked, this, &FirstScreen::nextPageRequested);

    Label22 = makeLabel(this, 22, QString(), 3360, 6240, 3600, 450);
    Label22->setFont(DecorativeFont(14.25, false));
    Label22->hide();
    ProgressBar1 = MakeControl<QProgressBar>(this, QStringLiteral("ProgressBar1"), 3360, 6720, 3480, 255);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    Label22->setBuddy(ProgressBar1); // the notice names the bar for a listener

    Label24 = new ClickableLabel(QStringLiteral("Label24"), this);
    PlaceControl(Label24, 8640, 240, 900, 375);
    Label24->setText(QStringLiteral("Aide"));
    Label25 = new ClickableLabel(QStringLiteral("Label25"), this);
    PlaceControl(Label25, 5880, 720, 3600, 375);
    Label25->setText(QStringLiteral("Changer de Langue"));
    for (ClickableLabel *link : {Label24, Label25}) {
        QFont font = link->font();
        font.setUnderline(true);
        link->setFont(font);
    }
    connect(Label24, &ClickableLabel::clicked, this, &FirstScreen::helpRequested);
    connect(Label25, &ClickableLabel::clicked, this, &FirstScreen::languageRequested);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &FirstScreen::helpRequested);
}

void FirstScreen::makeLibraryButton()
{
    m_libraryButton = MakeControl<QPushButton>(this, QStringLiteral("libraryButton"), 240, 240, 2655, 420);
    nameLibraryButton();
    connect(m_libraryButton, &QPushButton::clicked, this, &FirstScreen::libraryRequested);
    connect(new QShortcut(kLibraryKeys, this), &QShortcut::activated, this, &FirstScreen::libraryRequested);
}

void FirstScreen::nameLibraryButton()
{
    m_libraryButton->setText(tr("My plans…"));
    m_libraryButton->setToolTip(
        tr("The plans kept by this program (%1)").arg(kLibraryKeys.toString(QKeySequence::NativeText)));
}

void FirstScreen::ApplyCaptions(const CaptionTable &captions)
{
    ApplyTitle(*this, captions.entry(1));
    ApplyLabels(captions, {{2, Label1},   {3, Label9},   {4, Label2},   {5, Label3},   {6, Label4},
                           {7, Label5},   {8, Label6},   {9, Label7},   {10, Label8},  {11, Label10},
                           {12, Label16}, {13, Label12}, {14, Label14}, {15, Label13}, {16, Label21},
                           {17, Label15}, {18, Label17}, {19, Label18}, {20, Label19}, {21, Label20},
                           {22, Label23}, {25, Label22}, {27, Label24}, {73, Label25}, {74, Label11}});
    ApplyButtons(captions, {{23, Command1}, {24, Command2}, {26, Command3}});
    const std::array<QLineEdit *, kStatCount> maxima = {MText1, MText2, MText3, MText4, MText5};
    for (int stat = 1; stat <= kStatCount; ++stat) {
        const int row = 3 + stat; // the statistics' row labels, entries 4 to 8
        maxima[size_t(stat - 1)]->setAccessibleName(ColumnRowName(captions, 11, row));
        options()[size_t(stat - 1)]->setAccessibleName(ColumnRowName(captions, 74, row));
    }
}

void FirstScreen::setTabOrder()
{
    std::vector<QWidget *> order;
    for (QLineEdit *box : sheetBoxes())
        order.push_back(box);
    order.insert(order.end(),
                 {Command1, Command2, Check1, Check2, Check3, Check4, Command3, Check5, Check6, Check7, Check8, Check9,
                  Check10});
    for (QRadioButton *option : options())
        order.push_back(option);
    order.insert(order.end(), {m_libraryButton, Label24, Label25});
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

std::array<QLineEdit *, kSheetTextCount> FirstScreen::sheetBoxes() const
{
    return {SDText1, SDText2, SDText3, SDText4, SDText5, SDText6, SDText7,
            SDText8, MText1,  MText2,  MText3,  MText4,  MText5};
}

std::array<QRadioButton *, kStatCount> FirstScreen::options() const
{
    return {Option1, Option2, Option3, Option4, Option5};
}

std::array<QCheckBox *, kCategoryCount> FirstScreen::checks() const
{
    return {Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check9, Check10};
}

SheetTexts FirstScreen::SheetBoxTexts() const
{
    SheetTexts texts;
    const auto boxes = sheetBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        texts[i] = boxes[i]->text();
    return texts;
}

int FirstScreen::SelectedPriority() const
{
    const auto buttons = options();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked())
            return int(i) + 1;
    }
    return 0;
}

CategoryStates FirstScreen::CategoryBoxes() const
{
    CategoryStates ticked{};
    const auto boxes = checks();
    for (size_t i = 0; i < boxes.size(); ++i)
        ticked[i] = boxes[i]->isChecked();
    return ticked;
}

void FirstScreen::ShowSheet(const SheetTexts &texts, int priority, const CategoryStates &ticked)
{
    const auto boxes = sheetBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(texts[i]);
    // None selected is a state of its own: the group must let go of the one it holds.
    QButtonGroup *group = Option1->group();
    group->setExclusive(false);
    const auto buttons = options();
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setChecked(int(i) + 1 == priority);
    group->setExclusive(true);
    const auto boxesOfCategories = checks();
    for (size_t i = 0; i < boxesOfCategories.size(); ++i)
        boxesOfCategories[i]->setChecked(ticked[i]);
}

void FirstScreen::applyPreset(int preset)
{
    for (QLineEdit *box : {SDText2, SDText3, SDText4, SDText5, SDText6})
        box->setText(PresetStatText(preset));
}

QProgressBar *FirstScreen::ShowWaitNotice()
{
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    Label22->show();
    // The build that follows runs in this same thread: the notice must be drawn before it.
    Label22->repaint();
    ProgressBar1->show();
    return ProgressBar1;
}

void FirstScreen::HideWaitNotice()
{
    ProgressBar1->hide();
    Label22->setBuddy(ProgressBar1); // the notice names the bar for a listener
    Label22->hide();
}

void FirstScreen::activated()
{
    HideWaitNotice();
    if (m_firstActivation) {
        m_firstActivation = false;
        // Queued, so that the screen is up before the language load may replace it by the dialog.
        QMetaObject::invokeMethod(this, &FirstScreen::firstActivated, Qt::QueuedConnection);
    }
}

void FirstScreen::showEvent(QShowEvent *event)
{
    ProgramWindow::showEvent(event);
    activated();
}

void FirstScreen::changeEvent(QEvent *event)
{
    ProgramWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
    if (event->type() == QEvent::LanguageChange)
        nameLibraryButton();
}

} // namespace brevath::ui
