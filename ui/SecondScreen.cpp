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

#include "Workspace.h"
#include "Controls.h"
#include "Decoration.h"
#include "EntryBox.h"
#include "EntryCompleter.h"

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
      m_history(new ChoiceHistory(
          this, [this] { return captureRows(); }, [this](const ChoiceRowsState &rows) { restoreRows(rows); })),
      m_completer(new EntryCompleter(this))
{
    m_completer->setObjectName(QStringLiteral("EntryCompleter"));
    m_completer->popup()->installEventFilter(this);
    connect(m_completer, &EntryCompleter::taken, m_history, &ChoiceHistory::RecordTyping);
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
    // Closing moves the focus out of a box, which must not record a step on rows being destroyed.
    for (QComboBox *box : Choix1)
        box->lineEdit()->disconnect(this);
    delete m_history;
}

void SecondScreen::makeRow(int i)
{
    auto *type = new QComboBox(this);
    type->setObjectName(ElementName("TypeObjet", i));
    auto *entry = new EntryBox(this);
    entry->setObjectName(ElementName("Choix1", i));
    QLineEdit *edit = entry->lineEdit();
    for (QObject *watched : {static_cast<QObject *>(type), static_cast<QObject *>(entry), static_cast<QObject *>(edit)})
        watched->installEventFilter(this);
    connect(type, &QComboBox::currentIndexChanged, this, [this, i] { typeChosen(i); });
    connect(edit, &QLineEdit::textEdited, this, [this, entry, i](const QString &text) {
        // Typed into an empty row, the text follows its placeholder, which is no part of the name.
        const QString placeholder = PlaceholderText(m_workspace.captions, i);
        m_completer->Complete(entry, text.startsWith(placeholder) ? text.mid(placeholder.size()) : text);
    });
    connect(edit, &QLineEdit::editingFinished, this, [this] {
        // Opening the suggestions takes the focus from the edit, which is not finished then.
        if (QApplication::activePopupWidget() != m_completer->popup())
            m_history->RecordTyping();
    });
    connect(entry, &QComboBox::activated, m_history, &ChoiceHistory::RecordTyping);
    TypeObjet.push_back(type);
    Choix1.push_back(entry);
    m_handledType.push_back(0);
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
        type->addItem(item.text, item.code);
    type->setCurrentIndex(0);
}

void SecondScreen::MakeCombos(const CategoryStates &ticked, QProgressBar *progress)
{
    // The build's own selections must not run the type-chosen handling.
    m_building = true;
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

    m_workspace.goals.kinds.fill(0);
    m_workspace.filters = ReadChoiceFilters(ticked, m_workspace.inputs);
    m_typeEntries.clear();
    m_entryLists.FillAll(Choix1, m_workspace.catalogue, captions, m_workspace.filters, progress);
    for (int i = 0; i <= lNMax; ++i)
        Choix1[size_t(i)]->setEditText(PlaceholderText(captions, i));

    VScroll1->setValue(0);
    PlaceRows(0);
    std::fill(m_handledType.begin(), m_handledType.end(), 0);
    m_built = true;
    m_building = false;
    m_history->Reset();
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
}

std::array<QString, kChoiceRows> SecondScreen::RowTexts() const
{
    std::array<QString, kChoiceRows> texts;
    for (int i = 0; i < kChoiceRows && i < int(Choix1.size()); ++i)
        texts[size_t(i)] = Choix1[size_t(i)]->currentText();
    return texts;
}

const QStringList &SecondScreen::typeEntries(int code)
{
    auto found = m_typeEntries.find(code);
    if (found == m_typeEntries.end()) {
        const std::int32_t mask = code == 0 ? m_workspace.filters.mask : CategoryFlagOf(code);
        found = m_typeEntries
                    .emplace(code, EntryListItems(m_workspace.catalogue, m_workspace.captions, mask,
                                                  m_workspace.filters.maxima))
                    .first;
    }
    return found->second;
}

void SecondScreen::typeChosen(int row)
{
    if (!m_built || m_building || m_restoring)
        return;
    ChoiceStep step(*m_history);
    TypeObjet_Click(row);
}

void SecondScreen::TypeObjet_Click(int row)
{
    if (!m_built || m_building || m_restoring)
        return;
    const QComboBox *type = TypeObjet[size_t(row)];
    m_handledType[size_t(row)] = type->currentIndex();
    const bool statistic = type->currentData().toInt() == kStatTypeCode;
    m_workspace.goals.kinds[size_t(row)] =
        statistic ? PackStatTarget(StatOfTypePosition(type->currentIndex(), type->count()), 0) : 0;
    giveTypeList(row);
}

void SecondScreen::giveTypeList(int row)
{
    const int code = TypeObjet[size_t(row)]->currentData().toInt();
    m_entryLists.GiveOwnList(Choix1[size_t(row)], code == kStatTypeCode ? QStringList() : typeEntries(code));
}

void SecondScreen::selectType(int row, int position)
{
    QComboBox *type = TypeObjet[size_t(row)];
    // A selection made by the program runs the handling even when it changes nothing.
    if (type->currentIndex() != position)
        type->setCurrentIndex(position);
    else
        TypeObjet_Click(row);
}

void SecondScreen::Down_Click(int slot)
{
    const int r = slot + VScroll1->value();
    if (r >= lNMax)
        return; // nothing below the last row to shift into
    ChoiceStep step(*m_history);
    QStringList remembered;
    for (int k = r; k < lNMax; ++k)
        remembered << Choix1[size_t(k)]->currentText();
    for (int k = lNMax - 1; k >= r; --k) {
        Choix1[size_t(k + 1)]->setEditText(Choix1[size_t(k)]->currentText());
        m_workspace.goals.kinds[size_t(k + 1)] = m_workspace.goals.kinds[size_t(k)];
        selectType(k + 1, TypeObjet[size_t(k)]->currentIndex());
    }
    Choix1[size_t(r)]->setEditText(remembered.value(0));
    for (int k = r; k < lNMax; ++k)
        Choix1[size_t(k + 1)]->setEditText(remembered[k - r]);
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
