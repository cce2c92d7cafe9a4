#include "OrderDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "Workspace.h"

namespace brevath::ui {

OrderDialog::OrderDialog(const Workspace &workspace, const GoalRows &rows, int focusRow, QWidget *parent)
    : QDialog(parent), m_workspace(workspace), m_goals(GoalsOfRows(rows, workspace.catalogue, workspace.captions))
{
    setObjectName(QStringLiteral("OrderDialog"));
    setWindowTitle(tr("Suggest an order"));
    Objective = new QComboBox(this);
    Objective->setObjectName(QStringLiteral("Objective"));
    Objective->addItem(tr("Lowest sum of the levels at which the goals are reached"));
    Objective->addItem(tr("One goal as early as possible, then the lowest sum"));
    Goal = new QComboBox(this);
    Goal->setObjectName(QStringLiteral("Goal"));
    Pinned = new QListWidget(this);
    Pinned->setObjectName(QStringLiteral("Pinned"));
    // Each goal named as the result list names it: a bare statistic value says nothing.
    const RowViews views(m_goals.list, workspace.catalogue, workspace.captions);
    for (size_t g = 0; g < m_goals.rows.size(); ++g) {
        const QString label = QStringLiteral("%1. %2").arg(m_goals.rows[g] + 1).arg(views.RowLabel(int(g)));
        auto *item = new QListWidgetItem(label, Pinned);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        Goal->addItem(label);
    }
    const auto focused = std::find(m_goals.rows.begin(), m_goals.rows.end(), focusRow);
    Goal->setCurrentIndex(
        int(focused == m_goals.rows.end() ? m_goals.rows.size() - 1 : focused - m_goals.rows.begin()));
    Suggest = new QPushButton(tr("Suggest"), this);
    Suggest->setObjectName(QStringLiteral("Suggest"));
    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setRange(0, 100);
    Progress->setValue(0);
    Progress->hide(); // nothing is under way before the first search
    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("Summary"));
    Summary->setWordWrap(true);
    Preview = new QTableWidget(0, 3, this);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setHorizontalHeaderLabels({tr("Goal"), tr("Level now"), tr("Suggested level")});
    Preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The levels keep their whole headers; the names take what is left.
    Preview->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Preview->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Preview->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    Preview->verticalHeader()->hide();
    auto *buttons = new QDialogButtonBox(this);
    Apply = buttons->addButton(tr("Apply this order"), QDialogButtonBox::AcceptRole);
    Apply->setObjectName(QStringLiteral("Apply"));
    Apply->setEnabled(false);
    Cancel = buttons->addButton(QDialogButtonBox::Cancel);
    Cancel->setObjectName(QStringLiteral("Cancel"));

    auto *objectiveLabel = new QLabel(tr("Objective:"), this);
    objectiveLabel->setBuddy(Objective);
    auto *goalLabel = new QLabel(tr("Goal to reach as early as possible:"), this);
    goalLabel->setBuddy(Goal);
    auto *pinnedLabel = new QLabel(tr("Rows that keep their place:"), this);
    pinnedLabel->setBuddy(Pinned);
    Pinned->setAccessibleName(pinnedLabel->text()); // a list does not take its label's name
    Preview->setAccessibleName(tr("Levels now and with the suggestion"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(objectiveLabel);
    layout->addWidget(Objective);
    layout->addWidget(goalLabel);
    layout->addWidget(Goal);
    layout->addWidget(pinnedLabel);
    layout->addWidget(Pinned, 1);
    layout->addWidget(Suggest);
    layout->addWidget(Progress);
    layout->addWidget(Summary);
    layout->addWidget(Preview, 2);
    layout->addWidget(buttons);

    if (!m_goals.ok) {
        Summary->setText(workspace.captions.entry(Caption::CommitFailed));
        Suggest->setEnabled(false);
    } else if (m_goals.rows.size() < 2) {
        Summary->setText(tr("There must be at least two goals to order."));
        Suggest->setEnabled(false);
    }
    setSearching(false);
    connect(Objective, &QComboBox::currentIndexChanged, this, [this] { setSearching(false); });
    connect(Suggest, &QPushButton::clicked, this, &OrderDialog::startSearch);
    connect(Apply, &QPushButton::clicked, this, [this] {
        m_accepted = RowOrder(m_goals.rows, m_suggestion.order);
        accept();
    });
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, &OrderDialog::stopSearch);
}

void OrderDialog::setSearching(bool searching)
{
    for (QWidget *control :
         {static_cast<QWidget *>(Objective), static_cast<QWidget *>(Pinned), static_cast<QWidget *>(Suggest)})
        control->setEnabled(!searching);
    Goal->setEnabled(!searching && Objective->currentIndex() == 1);
}

OrderObjective OrderDialog::objective() const
{
    return Objective->currentIndex() == 1 ? OrderObjective::Soonest(Goal->currentIndex()) : OrderObjective::Sum();
}

QString OrderDialog::ChangeSummary(const OrderSuggestion &suggestion, OrderObjective objective, const QString &goalName)
{
    const auto change = [](const QString &what, const QString &now, const QString &before) {
        return now == before ? tr("%1: %2, no change.").arg(what, now)
                             : tr("%1: %2 instead of %3.").arg(what, now, before);
    };
    const auto unreached = [](const std::vector<int> &levels) {
        return int(std::count(levels.begin(), levels.end(), kNeverReached));
    };
    QStringList sentences;
    if (objective.goal >= 0) {
        // The scores count a goal never reached as a level past the last: said in words here.
        const auto level = [&](const std::vector<int> &levels) {
            const int at = levels[size_t(objective.goal)];
            return at == kNeverReached ? tr("never reached") : tr("level %1").arg(at);
        };
        sentences << change(goalName, level(suggestion.levelsAfter), level(suggestion.levelsBefore));
    }
    const int unreachedBefore = unreached(suggestion.levelsBefore), unreachedAfter = unreached(suggestion.levelsAfter);
    if (unreachedBefore + unreachedAfter > 0)
        sentences << change(tr("Goals never reached"), QString::number(unreachedAfter),
                            QString::number(unreachedBefore));
    else
        sentences << change(tr("Sum of the levels"), QString::number(suggestion.after.sum),
                            QString::number(suggestion.before.sum));
    return sentences.join(u' ');
}

OrderDialog::~OrderDialog()
{
    stopSearch();
}

void OrderDialog::stopSearch()
{
    m_cancel = true;
    if (m_search.joinable())
        m_search.join();
}

void OrderDialog::startSearch()
{
    if (m_search.joinable())
        return;
    setSearching(true);
    Apply->setEnabled(false);
    Progress->setValue(0);
    Progress->show();
    Summary->setText(tr("Searching for a better order…"));

    std::vector<bool> pinned;
    for (int g = 0; g < Pinned->count(); ++g)
        pinned.push_back(Pinned->item(g)->checkState() == Qt::Checked);
    m_searched = objective();
    const OrderRequest request =
        RequestFor(m_goals, m_workspace.catalogue, m_workspace.inputs, m_searched, std::move(pinned));
    m_search = std::thread([this, request] {
        const OrderSuggestion suggestion = SuggestOrder(request, &m_cancel, [this](int percent) {
            QMetaObject::invokeMethod(
                this, [this, percent] { Progress->setValue(percent); }, Qt::QueuedConnection);
        });
        if (!suggestion.cancelled)
            QMetaObject::invokeMethod(
                this, [this, suggestion] { showSuggestion(suggestion); }, Qt::QueuedConnection);
    });
}

void OrderDialog::showSuggestion(const OrderSuggestion &suggestion)
{
    if (m_search.joinable())
        m_search.join();
    m_suggestion = suggestion;
    Progress->setValue(100);
    setSearching(false);
    const auto levelText = [this](int level) { return level == kNeverReached ? tr("never") : QString::number(level); };
    const RowViews views(m_goals.list, m_workspace.catalogue, m_workspace.captions);
    Preview->setRowCount(int(suggestion.order.size()));
    for (int i = 0; i < int(suggestion.order.size()); ++i) {
        const int g = suggestion.order[size_t(i)];
        Preview->setItem(i, 0, new QTableWidgetItem(views.RowLabel(g)));
        Preview->setItem(i, 1, new QTableWidgetItem(levelText(suggestion.levelsBefore[size_t(g)])));
        Preview->setItem(i, 2, new QTableWidgetItem(levelText(suggestion.levelsAfter[size_t(g)])));
    }
    std::vector<int> given(suggestion.order.size());
    std::iota(given.begin(), given.end(), 0);
    const bool better = suggestion.order != given;
    const int goal = std::max(m_searched.goal, 0);
    const QString goalName = tr("Row %1 (%2)").arg(m_goals.rows.at(size_t(goal)) + 1).arg(views.RowLabel(goal));
    Summary->setText(better ? ChangeSummary(suggestion, m_searched, goalName)
                            : tr("No better order was found: the rows stay as they are."));
    Apply->setEnabled(better);
    emit searchEnded();
}

} // namespace brevath::ui
