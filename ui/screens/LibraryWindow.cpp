#include "LibraryWindow.h"

#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ChoiceFile.h"
#include "CommonDialog.h"
#include "NativePath.h"
#include "LibraryModel.h"
#include "PlanLibrary.h"
#include "PlanPage.h"
#include "Prompts.h"
#include "SearchKey.h"
#include "ShareCode.h"
#include "TextFile.h"
#include "Translations.h"
#include "Workspace.h"

namespace brevath::ui {

LibraryWindow::LibraryWindow(Workspace &workspace, Prompts &prompts, std::function<QString()> folder,
                             std::function<std::optional<PlanFile>()> sheetInForce)
    : QWidget(nullptr, Qt::Window), m_workspace(workspace), m_prompts(prompts), m_folder(std::move(folder)),
      m_sheetInForce(std::move(sheetInForce))
{
    setObjectName(QStringLiteral("LibraryWindow"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setClearButtonEnabled(true);
    m_showBin = new QCheckBox(this);
    m_showBin->setObjectName(QStringLiteral("showBin"));

    m_plans = new LibraryModel(this);
    m_plans->setObjectName(QStringLiteral("plans"));
    m_found = new QSortFilterProxyModel(this);
    m_found->setObjectName(QStringLiteral("found"));
    m_found->setSourceModel(m_plans);
    m_found->setSortRole(LibraryModel::kSortRole);
    // The same search as the entry boxes': anywhere in the name or the notes, free of case and accents.
    m_found->setFilterRole(LibraryModel::kSearchRole);
    m_planList = new QTableView(this);
    m_planList->setObjectName(QStringLiteral("planList"));
    m_planList->setModel(m_found);
    m_planList->setSortingEnabled(true);
    m_planList->sortByColumn(LibraryModel::Name, Qt::AscendingOrder);
    m_planList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_planList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_planList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_planList->setWordWrap(false);
    m_planList->verticalHeader()->hide();
    QHeaderView *header = m_planList->horizontalHeader();
    header->setSectionResizeMode(LibraryModel::Notes, QHeaderView::Stretch);
    m_planList->setColumnWidth(LibraryModel::Name, 200);
    // Numbers and dates are short, their titles not in every language: both show whole.
    for (int column = LibraryModel::StartLevel; column <= LibraryModel::Date; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_found->setFilterFixedString(SearchKey(text));
        enableButtons();
    });
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        m_planList->setFocus();
        m_planList->selectRow(0);
    });
    connect(m_showBin, &QCheckBox::toggled, this, &LibraryWindow::Refresh);
    connect(m_planList, &QTableView::activated, this, [this] { m_showBin->isChecked() ? restorePlans() : openPlan(); });
    connect(m_planList->selectionModel(), &QItemSelectionModel::selectionChanged, this, &LibraryWindow::enableButtons);

    makeButtons();
    makeKeys();
    retranslate();
    resize(900, 520);
}

void LibraryWindow::makeButtons()
{
    const auto button = [this](const char *name, void (LibraryWindow::*slot)()) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(true); // Enter presses the focused button, as Space does
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    m_openPlan = button("openPlan", &LibraryWindow::openPlan);
    m_savePlan = button("savePlan", &LibraryWindow::savePlanInForce);
    m_renamePlan = button("renamePlan", &LibraryWindow::renamePlan);
    m_editNotes = button("editNotes", &LibraryWindow::editNotes);
    m_duplicatePlan = button("duplicatePlan", &LibraryWindow::duplicatePlan);
    m_deletePlan = button("deletePlan", &LibraryWindow::deletePlans);
    m_restorePlan = button("restorePlan", &LibraryWindow::restorePlans);
    m_comparePlans = button("comparePlans", &LibraryWindow::comparePlans);
    m_importFile = button("importFile", &LibraryWindow::importFile);
    m_importCode = button("importCode", &LibraryWindow::importCode);
    m_exportFile = button("exportFile", &LibraryWindow::exportFile);
    m_exportCode = button("exportCode", &LibraryWindow::exportCode);
    m_exportPage = button("exportPage", &LibraryWindow::exportPage);
    m_close = button("close", &LibraryWindow::closeWindow);

    auto *top = new QHBoxLayout;
    top->addWidget(m_search, 1);
    top->addWidget(m_showBin);
    auto *buttons = new QGridLayout;
    int column = 0;
    for (QPushButton *b : {m_openPlan, m_savePlan, m_renamePlan, m_editNotes, m_duplicatePlan, m_comparePlans})
        buttons->addWidget(b, 0, column++);
    buttons->addWidget(m_deletePlan, 0, column);
    buttons->addWidget(m_restorePlan, 0, column);
    column = 0;
    for (QPushButton *b : {m_importFile, m_importCode, m_exportFile, m_exportCode, m_exportPage})
        buttons->addWidget(b, 1, column++);
    buttons->addWidget(m_close, 1, 6);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_planList, 1);
    layout->addLayout(buttons);
}

void LibraryWindow::makeKeys()
{
    const auto key = [this](const QKeySequence &keys, void (LibraryWindow::*slot)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_O), &LibraryWindow::openPlan);
    key(QKeySequence(Qt::CTRL | Qt::Key_S), &LibraryWindow::savePlanInForce);
    key(QKeySequence(Qt::Key_F2), &LibraryWindow::renamePlan);
    key(QKeySequence(Qt::Key_Delete), &LibraryWindow::deletePlans);
    key(QKeySequence(Qt::Key_Escape), &LibraryWindow::closeWindow);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
}

void LibraryWindow::retranslate()
{
    setWindowTitle(tr("My plans"));
    m_search->setPlaceholderText(tr("Search the names and notes (Ctrl+F)"));
    m_search->setAccessibleName(m_search->placeholderText());
    m_planList->setAccessibleName(windowTitle());
    m_showBin->setText(tr("Show the bin"));
    m_openPlan->setText(tr("Open"));
    m_savePlan->setText(tr("Save the current plan…"));
    m_renamePlan->setText(tr("Rename…"));
    m_editNotes->setText(tr("Notes…"));
    m_duplicatePlan->setText(tr("Duplicate"));
    m_deletePlan->setText(tr("Delete"));
    m_restorePlan->setText(tr("Restore"));
    m_comparePlans->setText(tr("Compare the two"));
    m_importFile->setText(tr("Import a file…"));
    m_importCode->setText(tr("Import the copied share code"));
    m_exportFile->setText(tr("Export as a choice file…"));
    m_exportCode->setText(tr("Copy its share code"));
    m_exportPage->setText(tr("Save as a page…"));
    m_close->setText(tr("Close"));
    m_plans->Retranslate();
}

void LibraryWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void LibraryWindow::closeWindow()
{
    hide();
}

void LibraryWindow::Refresh()
{
    const QString folder = m_showBin->isChecked() ? BinFolder(m_folder()) : m_folder();
    m_plans->ShowPlans(ListLibrary(folder, m_workspace));
    enableButtons();
}

void LibraryWindow::SelectPath(const QString &path)
{
    for (int line = 0; line < m_plans->rowCount(); ++line) {
        if (m_plans->Plan(line).path != path)
            continue;
        const QModelIndex shown = m_found->mapFromSource(m_plans->index(line, 0));
        if (shown.isValid())
            m_planList->selectRow(shown.row());
        return;
    }
}

std::vector<int> LibraryWindow::selectedLines() const
{
    QModelIndexList rows = m_planList->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    std::vector<int> lines;
    for (const QModelIndex &row : rows)
        lines.push_back(m_found->mapToSource(row).row());
    return lines;
}

const LibraryPlan *LibraryWindow::selectedPlan() const
{
    const std::vector<int> lines = selectedLines();
    if (m_showBin->isChecked() || lines.size() != 1 || !m_plans->Plan(lines[0]).ok)
        return nullptr;
    return &m_plans->Plan(lines[0]);
}

void LibraryWindow::enableButtons()
{
    const std::vector<int> lines = selectedLines();
    const bool bin = m_showBin->isChecked();
    const bool one = selectedPlan();
    for (QPushButton *b :
         {m_openPlan, m_renamePlan, m_editNotes, m_duplicatePlan, m_exportFile, m_exportCode, m_exportPage})
        b->setEnabled(one);
    for (QPushButton *b : {m_savePlan, m_importFile, m_importCode})
        b->setEnabled(!bin);
    m_comparePlans->setEnabled(!bin && lines.size() == 2 && m_plans->Plan(lines[0]).ok && m_plans->Plan(lines[1]).ok);
    m_deletePlan->setVisible(!bin);
    m_deletePlan->setEnabled(!lines.empty());
    m_restorePlan->setVisible(bin);
    m_restorePlan->setEnabled(!lines.empty());
}

void LibraryWindow::tell(const QString &message)
{
    m_prompts.ShowMessage(this, message);
}

void LibraryWindow::openPlan()
{
    if (const LibraryPlan *line = selectedPlan())
        emit openRequested(line->path, line->plan);
}

void LibraryWindow::savePlanInForce()
{
    if (m_showBin->isChecked())
        return;
    std::optional<PlanFile> plan = m_sheetInForce();
    if (!plan)
        return;
    const std::optional<std::vector<PlanGoal>> goals =
        PlanGoalsOf(m_workspace.goals, m_workspace.catalogue, m_workspace.captions);
    if (!goals)
        return tell(m_workspace.captions.entry(Caption::CommitFailed));
    plan->goals = *goals;
    // Saved again, the plan keeps the name and the notes it had.
    if (const PlanFileRead current = ReadPlanFile(m_currentPath, QString()); current.ok) {
        plan->name = current.plan.name;
        plan->notes = current.plan.notes;
    }
    if (const QString path = store(*plan, m_currentPath); !path.isEmpty())
        m_currentPath = path;
}

QString LibraryWindow::store(PlanFile plan, const QString &keepPath)
{
    const std::optional<QString> name = m_prompts.AskText(this, tr("Name of the plan:"), plan.name, false);
    if (!name || name->trimmed().isEmpty())
        return {};
    plan.name = name->trimmed();
    const QString path = m_folder() + u'/' + PlanFileNameFor(plan.name);
    if (!mayReplace(path, keepPath))
        return {};
    MakeFolders(m_folder()); // the first plan makes the library; without it the save tells why it failed
    return write(path, plan) ? path : QString();
}

bool LibraryWindow::write(QString path, const PlanFile &plan)
{
    if (const Outcome saved = SavePlanFile(path, plan); !saved.ok) {
        tell(saved.message);
        return false;
    }
    m_showBin->setChecked(false);
    Refresh();
    SelectPath(path);
    return true;
}

bool LibraryWindow::mayReplace(const QString &path, const QString &keepPath)
{
    if (path == keepPath || !PathExists(path))
        return true;
    const PlanFileRead there = ReadPlanFile(path, QString());
    const QString name = there.ok ? there.plan.name : QFileInfo(path).fileName();
    return m_prompts.Confirm(this, tr("The library already holds the plan “%1”. Replace it?").arg(name));
}

void LibraryWindow::renamePlan()
{
    const LibraryPlan *line = selectedPlan();
    if (!line)
        return;
    const QString oldPath = line->path;
    const std::optional<QString> name = m_prompts.AskText(this, tr("New name of the plan:"), line->plan.name, false);
    if (!name || name->trimmed().isEmpty() || name->trimmed() == line->plan.name)
        return;
    PlanFile plan = line->plan;
    plan.name = name->trimmed();
    const QString path = m_folder() + u'/' + PlanFileNameFor(plan.name);
    if (!mayReplace(path, oldPath) || !write(path, plan) || path == oldPath)
        return;
    RemoveFile(oldPath);
    if (m_currentPath == oldPath)
        m_currentPath = path;
    Refresh();
    SelectPath(path);
}

void LibraryWindow::editNotes()
{
    const LibraryPlan *line = selectedPlan();
    if (!line)
        return;
    const std::optional<QString> notes = m_prompts.AskText(this, tr("Notes:"), line->plan.notes, true);
    if (!notes || *notes == line->plan.notes)
        return;
    PlanFile plan = line->plan;
    plan.notes = *notes;
    write(line->path, plan);
}

void LibraryWindow::duplicatePlan()
{
    const LibraryPlan *line = selectedPlan();
    if (!line)
        return;
    PlanFile plan = line->plan;
    plan.name = FreePlanName(m_folder(), plan.name);
    write(m_folder() + u'/' + PlanFileNameFor(plan.name), plan);
}

void LibraryWindow::deletePlans()
{
    if (m_showBin->isChecked())
        return;
    for (const int line : selectedLines()) {
        const QString path = m_plans->Plan(line).path;
        if (const Outcome moved = MoveToBin(path, m_folder()); !moved.ok)
            tell(moved.message);
        else if (path == m_currentPath)
            m_currentPath.clear();
    }
    Refresh();
}

void LibraryWindow::restorePlans()
{
    if (!m_showBin->isChecked())
        return;
    for (const int line : selectedLines()) {
        if (const Outcome restored = RestoreFromBin(m_plans->Plan(line).path, m_folder()); !restored.ok)
            tell(restored.message);
    }
    Refresh();
}

void LibraryWindow::comparePlans()
{
    const std::vector<int> lines = selectedLines();
    if (m_showBin->isChecked() || lines.size() != 2 || !m_plans->Plan(lines[0]).ok || !m_plans->Plan(lines[1]).ok)
        return;
    emit compareRequested(m_plans->Plan(lines[0]).path, m_plans->Plan(lines[0]).plan, m_plans->Plan(lines[1]).plan);
}

void LibraryWindow::importFile()
{
    const QString path = m_prompts.OpenFileName(this, QString());
    if (!path.isEmpty())
        import(PlanSource::File(path), QFileInfo(path).completeBaseName());
}

void LibraryWindow::importCode()
{
    import(PlanSource::Code(QGuiApplication::clipboard()->text()), tr("Shared plan"));
}

// A plan file comes in whole; a code with its sheet; a choice file brings its goals to the sheet in force.
void LibraryWindow::import(const PlanSource &source, const QString &name)
{
    std::optional<PlanFile> plan = m_sheetInForce();
    if (!plan)
        return;
    const SourcedPlan read =
        ReadPlanSource(source, m_workspace, {UnknownGoals::Skip, SheetRule::Source, PlanRole::Only, plan->categories});
    if (!read.ok)
        return tell(read.message);
    if (read.planFile) {
        store(*read.planFile, QString());
        return;
    }
    const std::optional<std::vector<PlanGoal>> goals =
        PlanGoalsOf(read.rows, m_workspace.catalogue, m_workspace.captions);
    if (!goals)
        return tell(m_workspace.captions.entry(Caption::CommitFailed));
    if (read.sheet) {
        plan->sheet = read.sheet->texts;
        plan->priority = read.sheet->priority;
        plan->categories = read.sheet->categories;
    }
    plan->name = name;
    plan->notes.clear();
    plan->goals = *goals;
    store(*plan, QString());
    if (!read.notes.isEmpty())
        tell(read.notes.join(u'\n'));
}

GoalRows LibraryWindow::rowsOf(const PlanFile &plan)
{
    return ReadPlanSource(PlanSource::Plan(plan), m_workspace, {}).rows;
}

void LibraryWindow::exportFile()
{
    const LibraryPlan *line = selectedPlan();
    if (!line)
        return;
    const PlanFile plan = line->plan;
    const FileType type = FileType::Choices();
    QString path = m_prompts.SaveFileName(this, plan.name + u'.' + type.suffix, type.filter);
    if (path.isEmpty())
        return;
    path = type.Completed(path);
    if (const Outcome saved = SaveChoiceFile(path, rowsOf(plan), m_workspace.catalogue, m_workspace.captions);
        !saved.ok)
        tell(saved.message);
}

std::optional<LibraryWindow::PlayedFile> LibraryWindow::play(const PlanFile &file)
{
    PlayedFile played;
    std::optional<Plan> plan;
    if (CommitSheet(file.sheet, file.priority, played.inputs))
        plan = PlayPlan(rowsOf(file), played.inputs, m_workspace.catalogue, m_workspace.captions);
    if (!plan) {
        tell(m_workspace.captions.entry(Caption::CommitFailed));
        return std::nullopt;
    }
    played.plan = std::move(*plan);
    played.code =
        EncodeShareCode(SharedPlanOf(played.inputs, file.categories, played.plan.list, m_workspace.catalogue));
    return played;
}

void LibraryWindow::exportCode()
{
    const LibraryPlan *line = selectedPlan();
    if (!line)
        return;
    if (const std::optional<PlayedFile> played = play(line->plan))
        QGuiApplication::clipboard()->setText(played->code);
}

void LibraryWindow::exportPage()
{
    const LibraryPlan *line = selectedPlan();
    if (!line)
        return;
    const PlanFile file = line->plan;
    const std::optional<PlayedFile> played = play(file);
    if (!played)
        return;
    const FileType type = FileType::Html();
    QString path = m_prompts.SaveFileName(this, file.name + u'.' + type.suffix, type.filter);
    if (path.isEmpty())
        return;
    path = type.Completed(path);
    tell(SavePlanPage(path,
                      {played->inputs, played->plan, m_workspace.captions, LanguageCode(m_workspace.language.language),
                       played->code})
             .message);
}

} // namespace brevath::ui
