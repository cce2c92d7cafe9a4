#include "SecondScreen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "Workspace.h"
#include "CaptionAppliers.h"
#include "Controls.h"
#include "Decoration.h"
#include "EntryBox.h"
#include "EntryCompleter.h"
#include "NamedComboBox.h"

namespace brevath::ui {

namespace {

constexpr int kTypeLeft = 360, kTypeWidth = 3255;
constexpr int kEntryLeft = 4320, kEntryWidth = 4695;
constexpr int kDownLeft = 3960, kDownSize = 315;
constexpr int kDesignRowTops[2] = {480, 840};
constexpr int kDesignRowHeight = 315;

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, int left, int width)
{
    auto *button = MakeControl<QPushButton>(parent, QLatin1String(name), left, 6480, width, 495);
    button->setText(caption);
    return button;
}

QLabel *makeHeading(QWidget *parent, const char *name, const QString &caption, int left, int width)
{
    auto *label = MakeControl<QLabel>(parent, QLatin1String(name), left, 120, width, 375);
    label->setText(caption);
    label->setFont(DecorativeFont(14.25, true));
    return label;
}

} // namespace

SecondScreen::SecondScreen(Workspace &workspace, Prompts &prompts)
    : ProgramWindow(QStringLiteral("SecondScreen")), CommonDialog1(prompts, this), m_workspace(workspace),
      m_prompts(prompts), m_entryLists(this),
      m_history(new ChoiceHistory(this, workspace.goals, [this] { showRows(); })), m_completer(new EntryCompleter(this))
{
    m_completer->setObjectName(QStringLiteral("EntryCompleter"));
    m_completer->popup()->installEventFilter(this);
    m_completer->SetHint([this](QComboBox *box, const QString &name) { return candidateLevel(box, name); });
    connect(m_completer, &EntryCompleter::taken, this, [this](QComboBox *box) {
        const auto row = std::find(Choix1.begin(), Choix1.end(), box) - Choix1.begin();
        m_history->Type(int(row), box->currentText());
    });
    setWindowTitle(QStringLiteral("Entrez vos Choix"));
    setFixedSize(ToPixels(kClientWidthTwips), ToPixels(kClientHeightTwips));
    SetBackground(Picture(QStringLiteral("choice_background.jpg")));
    UseLightText(this);

    // The two headings keep their design captions in every language.
    Label2 = makeHeading(this, "Label2", QStringLiteral("Type d'Objet"), 960, 2175);
    Label1 = makeHeading(this, "Label1", QStringLiteral("Objet"), 6000, 1455);

    for (int i = 0; i < 2; ++i) {
        makeRow(i);
        PlaceControl(TypeObjet[size_t(i)], kTypeLeft, kDesignRowTops[i], kTypeWidth, kDesignRowHeight);
        PlaceControl(Choix1[size_t(i)], kEntryLeft, kDesignRowTops[i], kEntryWidth, kDesignRowHeight);
        Choix1[size_t(i)]->setEditText(QStringLiteral("Choix1"));
        makeDown(i);
        PlaceControl(Down[size_t(i)], kDownLeft, kDesignRowTops[i], kDownSize, kDownSize);
    }
    m_firstRowTop = kDesignRowTops[0];
    m_rowHeight = kDesignRowHeight;

    VScroll1 = MakeControl<QScrollBar>(this, QStringLiteral("VScroll1"), 9120, 480, 255, 5775);
    VScroll1->setOrientation(Qt::Vertical);
    // One more than rows minus visible rows, so that the last row too can be seen and edited.
    VScroll1->setRange(0, lNMax - kVisibleRows + 1);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    connect(VScroll1, &QScrollBar::valueChanged, this, &SecondScreen::PlaceRows);

    Command1 = makeButton(this, "Command1", QStringLiteral("Page Précédente"), 240, 2295);
    Command4 = makeButton(this, "Command4", QStringLiteral("Charger des choix"), 2880, 1815);
    Command3 = makeButton(this, "Command3", QStringLiteral("Sauver ces choix"), 4920, 1815);
    Command2 = makeButton(this, "Command2", QStringLiteral("Prochaine Page"), 7080, 2295);
    connect(Command1, &QPushButton::clicked, this, &SecondScreen::previousPageRequested);
    connect(Command2, &QPushButton::clicked, this, &SecondScreen::nextPageRequested);
    connect(Command3, &QPushButton::clicked, this, &SecondScreen::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &SecondScreen::Command4_Click);
    makeActions();
}

SecondScreen::~SecondScreen()
{
    // Closing moves the focus out of a box, which ends a typing when the history is gone.
    for (QComboBox *box : Choix1)
        box->lineEdit()->disconnect(this);
}

void SecondScreen::makeRow(int i)
{
    auto *type = new NamedComboBox(this);
    type->setObjectName(ElementName("TypeObjet", i));
    auto *entry = new EntryBox(this);
    entry->setObjectName(ElementName("Choix1", i));
    QLineEdit *edit = entry->lineEdit();
    for (QObject *watched : {static_cast<QObject *>(type), static_cast<QObject *>(entry), static_cast<QObject *>(edit)})
        watched->installEventFilter(this);
    // Only the player's own gestures reach the rows: the boxes say nothing of what the
    // program sets in them.
    connect(type, &QComboBox::activated, this, [this, i](int position) {
        m_history->Do([&](GoalRows &rows) { PickType(rows, i, position, m_workspace.captions); });
    });
    connect(entry, &QComboBox::activated, this,
            [this, i, entry] { m_history->Do([&](GoalRows &rows) { rows.texts[size_t(i)] = entry->currentText(); }); });
    connect(edit, &QLineEdit::textEdited, this, [this, entry, i](const QString &text) {
        m_history->Type(i, text);
        // Typed into an empty row, the text follows its placeholder, which is no part of the name.
        const QString placeholder = PlaceholderText(m_workspace.captions, i);
        m_completer->Complete(entry, text.startsWith(placeholder) ? text.mid(placeholder.size()) : text);
    });
    connect(edit, &QLineEdit::editingFinished, this, [this] {
        // Opening the suggestions takes the focus from the edit, which is not finished then.
        if (QApplication::activePopupWidget() != m_completer->popup())
            m_history->EndTyping();
    });
    TypeObjet.push_back(type);
    Choix1.push_back(entry);
    makeLevel(i);
    nameRow(i);
}

void SecondScreen::nameRow(int i)
{
    TypeObjet[size_t(i)]->setAccessibleName(tr("Type of goal %1").arg(i + 1));
    // The text an empty row shows: the caption's word for a goal and the row's number.
    const QString name = PlaceholderText(m_workspace.captions, i);
    Choix1[size_t(i)]->setAccessibleName(name);
    Choix1[size_t(i)]->lineEdit()->setAccessibleName(name);
}

void SecondScreen::nameDowns()
{
    for (size_t slot = 0; slot < Down.size(); ++slot) {
        const int goal = int(slot) + VScroll1->value() + 1;
        Down[slot]->setAccessibleName(tr("Shift the goals down from goal %1").arg(goal));
        Down[slot]->setToolTip(
            tr("Goal %1 is repeated in the row below it; every later goal moves down one row and the last one drops "
               "off.")
                .arg(goal));
    }
}

void SecondScreen::ApplyCaptions(const CaptionTable &captions)
{
    ApplyTitle(*this, captions.entry(32));
    ApplyButtons(captions, {{34, Command1}, {35, Command4}, {36, Command3}, {37, Command2}});
    nameControls();
}

void SecondScreen::nameControls()
{
    for (size_t i = 0; i < Choix1.size(); ++i)
        nameRow(int(i));
    nameDowns();
    VScroll1->setAccessibleName(tr("Goals in view"));
    m_completer->popup()->setAccessibleName(tr("Suggested entries"));
}

void SecondScreen::makeDown(int slot)
{
    auto *down = new QPushButton(this);
    down->setObjectName(ElementName("Down", slot));
    const QPixmap arrow = Picture(QStringLiteral("down_arrow.png"));
    down->setIcon(arrow);
    down->setIconSize(arrow.size());
    connect(down, &QPushButton::clicked, this, [this, slot] { Down_Click(slot); });
    Down.push_back(down);
}

int SecondScreen::slotTop(int slot) const
{
    return m_firstRowTop + slot * (m_rowHeight + m_rowGap);
}

void SecondScreen::fillTypeList(int i, const std::vector<TypeItem> &types)
{
    QComboBox *type = TypeObjet[size_t(i)];
    type->clear();
    for (const TypeItem &item : types)
        type->addItem(ShownText(item.text), item.code); // only the position and code are read back
    type->setCurrentIndex(0);
}

void SecondScreen::MakeCombos(const CategoryStates &ticked, QProgressBar *progress)
{
    const CaptionTable &captions = m_workspace.captions;
    const std::vector<TypeItem> types = TypeListItems(captions, ticked);
    if (progress)
        progress->setRange(0, lNMax);
    for (int i = 0; i <= lNMax; ++i) {
        if (i >= int(Choix1.size()))
            makeRow(i);
        if (i < kVisibleRows) {
            if (i >= int(Down.size()))
                makeDown(i);
            PlaceControl(Down[size_t(i)], kDownLeft, slotTop(i), kDownSize, kDownSize);
            Down[size_t(i)]->show();
        }
        fillTypeList(i, types);
        if (progress)
            progress->setValue(i);
    }
    if (progress)
        progress->setValue(0);

    const CategoryStates built = m_workspace.filters.states;
    m_workspace.filters = ReadChoiceFilters(ticked, m_workspace.inputs);
    m_entryLists.Rebuild(m_workspace.catalogue, captions, m_workspace.filters, progress);
    // What was typed stays, and so does its history, onto the new type lists; rows written in
    // another language start afresh.
    if (m_rowsLanguage == m_workspace.language.language) {
        m_history->Rebase([&](GoalRows &rows) { rows = RowsForTicks(rows, built, ticked); });
    } else {
        m_workspace.goals = FreshGoalRows(captions, int(types.size()));
        m_history->Reset();
        showRows();
        m_rowsLanguage = m_workspace.language.language;
    }

    VScroll1->setValue(0);
    PlaceRows(0);
}

void SecondScreen::showRows()
{
    const GoalRows &goals = m_workspace.goals;
    for (size_t i = 0; i < Choix1.size(); ++i) {
        QComboBox *type = TypeObjet[i];
        if (type->currentIndex() != goals.types[i])
            type->setCurrentIndex(goals.types[i]);
        QComboBox *entry = Choix1[i];
        m_entryLists.Show(entry, type->itemData(goals.types[i]).toInt());
        // Only a text that differs is set, so that the box being typed in keeps its cursor.
        if (entry->currentText() != goals.texts[i])
            entry->setEditText(goals.texts[i]);
        markRow(int(i));
    }
    ShowLevels();
}

void SecondScreen::PlaceRows(int first)
{
    for (int i = 0; i <= lNMax; ++i) {
        QComboBox *type = TypeObjet[size_t(i)];
        QComboBox *entry = Choix1[size_t(i)];
        const bool inView = i >= first && i < first + kVisibleRows;
        if (inView) {
            const int top = slotTop(i - first);
            PlaceControl(type, kTypeLeft, top, kTypeWidth, m_rowHeight);
            PlaceControl(entry, kEntryLeft, top, kEntryWidth, m_rowHeight);
        }
        type->setVisible(inView);
        entry->setVisible(inView);
    }
    // Left to right along each row in view, then the buttons under them.
    std::vector<QWidget *> order;
    for (int slot = 0; slot < kVisibleRows && first + slot <= lNMax; ++slot)
        order.insert(order.end(), {TypeObjet[size_t(first + slot)], Down[size_t(slot)], Choix1[size_t(first + slot)]});
    order.insert(order.end(), {Command1, Command4, Command3, Command2});
    for (size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
    nameDowns();
}

bool SecondScreen::focusNextPrevChild(bool next)
{
    const int first = VScroll1->value();
    const int last = first + kVisibleRows - 1;
    QWidget *focused = focusWidget();
    const auto inRow = [focused](QComboBox *box) {
        return focused && focused->isVisible() && (focused == box || focused == box->lineEdit());
    };
    if (next && last < lNMax && inRow(Choix1[size_t(last)])) {
        VScroll1->setValue(first + 1);
        TypeObjet[size_t(last + 1)]->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (!next && first > 0 && inRow(TypeObjet[size_t(first)])) {
        VScroll1->setValue(first - 1);
        Choix1[size_t(first - 1)]->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return ProgramWindow::focusNextPrevChild(next);
}

void SecondScreen::Down_Click(int slot)
{
    const int r = slot + VScroll1->value();
    m_history->Do([r](GoalRows &rows) { ShiftDown(rows, r); });
}

bool SecondScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (filterShortcut(watched, event))
        return true;
    // The wheel over a row scrolls the rows; it must not change the row's type or entry.
    if (event->type() == QEvent::Wheel && watched != m_completer->popup()) {
        QCoreApplication::sendEvent(VScroll1, event);
        return true;
    }
    return ProgramWindow::eventFilter(watched, event);
}

void SecondScreen::wheelEvent(QWheelEvent *event)
{
    QCoreApplication::sendEvent(VScroll1, event);
}

} // namespace brevath::ui
