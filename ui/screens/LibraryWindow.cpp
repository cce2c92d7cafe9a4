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
#include "Prompts.h"
#include "SearchKey.h"
#include "ShareCode.h"
#include "TextFile.h"
#include "Workspace.h"

namespace brevath::ui {

LibraryWindow::LibraryWindow(Workspace &workspace, Prompts &prompts, std::function<QString()> folder,
                             std::function<std::optional<PlanFile>()> sheetInForce)
    : QWidget(nullptr, Qt::Window), m_workspace(workspace), m_prompts(prompts), m_folder(std::move(folder)),
      m_sheetInForce(std::move(sheetInForce))
{
    setObjectName(QStringLiteral("LibraryWindow"));
    Search1 = new QLineEdit(this);
    Search1->setObjectName(QStringLiteral("Search1"));
    Search1->setClearButtonEnabled(true);
    ShowBin1 = new QCheckBox(this);
    ShowBin1->setObjectName(QStringLiteral("ShowBin1"));

    Plans1 = new LibraryModel(this);
    Found1 = new QSortFilterProxyModel(this);
    Found1->setSourceModel(Plans1);
    Found1->setSortRole(LibraryModel::kSortRole);
    // The same search as the entry boxes': anywhere in the name or the notes, free of case and accents.
    Found1->setFilterRole(LibraryModel::kSearchRole);
    PlanList1 = new QTableView(this);
    PlanList1->setObjectName(QStringLiteral("PlanList1"));
    PlanList1->setModel(Found1);
    PlanList1->setSortingEnabled(true);
    PlanList1->sortByColumn(LibraryModel::Name, Qt::AscendingOrder);
    PlanList1->setSelectionBehavior(QAbstractItemView::SelectRows);
    PlanList1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    PlanList1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PlanList1->setWordWrap(false);
    PlanList1->verticalHeader()->hide();
    PlanList1->horizontalHeader()->setSectionResizeMode(LibraryModel::Notes, QHeaderView::Stretch);
    PlanList1->setColumnWidth(LibraryModel::Name, 200);
    const int date = PlanList1->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00")) + 16;
    PlanList1->setColumnWidth(LibraryModel::Date, date);

    connect(Search1, &QLineEdit::textChanged, this, [this](const QString &text) {
        Found1->setFilterFixedString(SearchKey(text));
        enableButtons();
    });
    connect(Search1, &QLineEdit::returnPressed, this, [this] {
        PlanList1->setFocus();
        PlanList1->selectRow(0);
    });
    connect(ShowBin1, &QCheckBox::toggled, this, &LibraryWindow::Refresh);
    connect(PlanList1, &QTableView::activated, this, [this] { ShowBin1->isChecked() ? restorePlans() : openPlan(); });
    connect(PlanList1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &LibraryWindow::enableButtons);

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
    OpenPlan1 = button("OpenPlan1", &LibraryWindow::openPlan);
    SavePlan1 = button("SavePlan1", &LibraryWindow::savePlanInForce);
    RenamePlan1 = button("RenamePlan1", &LibraryWindow::renamePlan);
    EditNotes1 = button("EditNotes1", &LibraryWindow::editNotes);
    DuplicatePlan1 = button("DuplicatePlan1", &LibraryWindow::duplicatePlan);
    DeletePlan1 = button("DeletePlan1", &LibraryWindow::deletePlans);
    RestorePlan1 = button("RestorePlan1", &LibraryWindow::restorePlans);
    ComparePlans1 = button("ComparePlans1", &LibraryWindow::comparePlans);
    ImportFile1 = button("ImportFile1", &LibraryWindow::importFile);
    ImportCode1 = button("ImportCode1", &LibraryWindow::importCode);
    ExportFile1 = button("ExportFile1", &LibraryWindow::exportFile);
    ExportCode1 = button("ExportCode1", &LibraryWindow::exportCode);
    Close1 = button("Close1", &LibraryWindow::closeWindow);

    auto *top = new QHBoxLayout;
    top->addWidget(Search1, 1);
    top->addWidget(ShowBin1);
    auto *buttons = new QGridLayout;
    int column = 0;
    for (QPushButton *b : {OpenPlan1, SavePlan1, RenamePlan1, EditNotes1, DuplicatePlan1, ComparePlans1})
        buttons->addWidget(b, 0, column++);
    buttons->addWidget(DeletePlan1, 0, column);
    buttons->addWidget(RestorePlan1, 0, column);
    column = 0;
    for (QPushButton *b : {ImportFile1, ImportCode1, ExportFile1, ExportCode1})
        buttons->addWidget(b, 1, column++);
    buttons->addWidget(Close1, 1, 6);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(PlanList1, 1);
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
        Search1->setFocus();
        Search1->selectAll();
    });
}

void LibraryWindow::retranslate()
{
    setWindowTitle(tr("My plans"));
    Search1->setPlaceholderText(tr("Search the names and notes (Ctrl+F)"));
    Search1->setAccessibleName(Search1->placeholderText());
    PlanList1->setAccessibleName(windowTitle());
    ShowBin1->setText(tr("Show the bin"));
    OpenPlan1->setText(tr("Open"));
    SavePlan1->setText(tr("Save the current plan…"));
    RenamePlan1->setText(tr("Rename…"));
    EditNotes1->setText(tr("Notes…"));
    DuplicatePlan1->setText(tr("Duplicate"));
    DeletePlan1->setText(tr("Delete"));
    RestorePlan1->setText(tr("Restore"));
    ComparePlans1->setText(tr("Compare the two"));
    ImportFile1->setText(tr("Import a file…"));
    ImportCode1->setText(tr("Import the copied share code"));
    ExportFile1->setText(tr("Export as a choice file…"));
    ExportCode1->setText(tr("Copy its share code"));
    Close1->setText(tr("Close"));
    Plans1->Retranslate();
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
    const QString folder = ShowBin1->isChecked() ? BinFolder(m_folder()) : m_folder();
    Plans1->ShowPlans(ListLibrary(folder, m_workspace));
    enableButtons();
}

void LibraryWindow::SelectPath(const QString &path)
{
    for (int line = 0; line < Plans1->rowCount(); ++line) {
        if (Plans1->Plan(line).path != path)
            continue;
        const QModelIndex shown = Found1->mapFromSource(Plans1->index(line, 0));
        if (shown.isValid())
            PlanList1->selectRow(shown.row());
        return;
    }
}

std::vector<int> LibraryWindow::selectedLines() const
{
    QModelIndexList rows = PlanList1->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    std::vector<int> lines;
    for (const QModelIndex &row : rows)
        lines.push_back(Found1->mapToSource(row).row());
    return lines;
}

const LibraryPlan *LibraryWindow::selectedPlan() const
{
    const std::vector<int> lines = selectedLines();
    if (ShowBin1->isChecked() || lines.size() != 1 || !Plans1->Plan(lines[0]).ok)
        return nullptr;
    return &Plans1->Plan(lines[0]);
}

void LibraryWindow::enableButtons()
{
    const std::vector<int> lines = selectedLines();
    const bool bin = ShowBin1->isChecked();
    const bool one = selectedPlan();
    for (QPushButton *b : {OpenPlan1, RenamePlan1, EditNotes1, DuplicatePlan1, ExportFile1, ExportCode1})
        b->setEnabled(one);
    for (QPushButton *b : {SavePlan1, ImportFile1, ImportCode1})
        b->setEnabled(!bin);
    ComparePlans1->setEnabled(!bin && lines.size() == 2 && Plans1->Plan(lines[0]).ok && Plans1->Plan(lines[1]).ok);
    DeletePlan1->setVisible(!bin);
    DeletePlan1->setEnabled(!lines.empty());
    RestorePlan1->setVisible(bin);
    RestorePlan1->setEnabled(!lines.empty());
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
    if (ShowBin1->isChecked())
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
    ShowBin1->setChecked(false);
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
    if (ShowBin1->isChecked())
        return;
    for (const int line : selectedLines()) {
        const QString path = Plans1->Plan(line).path;
        if (const Outcome moved = MoveToBin(path, m_folder()); !moved.ok)
            tell(moved.message);
        else if (path == m_currentPath)
            m_currentPath.clear();
    }
    Refresh();
}

void LibraryWindow::restorePlans()
{
    if (!ShowBin1->isChecked())
        return;
    for (const int line : selectedLines()) {
        if (const Outcome restored = RestoreFromBin(Plans1->Plan(line).path, m_folder()); !restored.ok)
            tell(restored.message);
    }
    Refresh();
}

void LibraryWindow::comparePlans()
{
    const std::vector<int> lines = selectedLines();
    if (ShowBin1->isChecked() || lines.size() != 2 || !Plans1->Plan(lines[0]).ok || !Plans1->Plan(lines[1]).ok)
        return;
    emit compareRequested(Plans1->Plan(lines[0]).path, Plans1->Plan(lines[0]).plan, Plans1->Plan(lines[1]).plan);
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

void LibraryWindow::exportCode()
{
    const LibraryPlan *line = selectedPlan();
    if (!line)
        return;
    const PlanFile plan = line->plan;
    const std::optional<ChoiceList> list = BuildChoiceList(rowsOf(plan), m_workspace.catalogue, m_workspace.captions);
    PlanInputs inputs;
    if (!list || !CommitSheet(plan.sheet, plan.priority, inputs))
        return tell(m_workspace.captions.entry(Caption::CommitFailed));
    QGuiApplication::clipboard()->setText(
        EncodeShareCode(SharedPlanOf(inputs, plan.categories, *list, m_workspace.catalogue)));
}

} // namespace brevath::ui
