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
    m_objective = new QComboBox(this);
    m_objective->setObjectName(QStringLiteral("objective"));
    m_objective->addItem(tr("Lowest sum of the levels at which the goals are reached"));
    m_objective->addItem(tr("One goal as early as possible, then the lowest sum"));
    m_goal = new QComboBox(this);
    m_goal->setObjectName(QStringLiteral("goal"));
    m_pinned = new QListWidget(this);
    m_pinned->setObjectName(QStringLiteral("pinned"));
    // Each goal named as the result list names it: a bare statistic value says nothing.
    const RowViews views(m_goals.list, workspace.catalogue, workspace.captions);
    for (size_t g = 0; g < m_goals.rows.size(); ++g) {
        const QString label = QStringLiteral("%1. %2").arg(m_goals.rows[g] + 1).arg(views.RowLabel(int(g)));
        auto *item = new QListWidgetItem(label, m_pinned);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        m_goal->addItem(label);
    }
    const auto focused = std::find(m_goals.rows.begin(), m_goals.rows.end(), focusRow);
    m_goal->setCurrentIndex(
        int(focused == m_goals.rows.end() ? m_goals.rows.size() - 1 : focused - m_goals.rows.begin()));
    m_suggest = new QPushButton(tr("Suggest"), this);
    m_suggest->setObjectName(QStringLiteral("suggest"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->hide(); // nothing is under way before the first search
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_preview = new QTableWidget(0, 3, this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setHorizontalHeaderLabels({tr("Goal"), tr("Level now"), tr("Suggested level")});
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The levels keep their whole headers; the names take what is left.
    m_preview->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_preview->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_preview->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_preview->verticalHeader()->hide();
    auto *buttons = new QDialogButtonBox(this);
    m_apply = buttons->addButton(tr("Apply this order"), QDialogButtonBox::AcceptRole);
    m_apply->setObjectName(QStringLiteral("apply"));
    m_apply->setEnabled(false);
    m_cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    m_cancelButton->setObjectName(QStringLiteral("cancel"));

    auto *objectiveLabel = new QLabel(tr("Objective:"), this);
    objectiveLabel->setBuddy(m_objective);
    auto *goalLabel = new QLabel(tr("Goal to reach as early as possible:"), this);
    goalLabel->setBuddy(m_goal);
    auto *pinnedLabel = new QLabel(tr("Rows that keep their place:"), this);
    pinnedLabel->setBuddy(m_pinned);
    m_pinned->setAccessibleName(pinnedLabel->text()); // a list does not take its label's name
    m_preview->setAccessibleName(tr("Levels now and with the suggestion"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(objectiveLabel);
    layout->addWidget(m_objective);
    layout->addWidget(goalLabel);
    layout->addWidget(m_goal);
    layout->addWidget(pinnedLabel);
    layout->addWidget(m_pinned, 1);
    layout->addWidget(m_suggest);
    layout->addWidget(m_progress);
    layout->addWidget(m_summary);
    layout->addWidget(m_preview, 2);
    layout->addWidget(buttons);

    if (!m_goals.ok) {
        m_summary->setText(workspace.captions.entry(Caption::CommitFailed));
        m_suggest->setEnabled(false);
    } else if (m_goals.rows.size() < 2) {
        m_summary->setText(tr("There must be at least two goals to order."));
        m_suggest->setEnabled(false);
    }
    setSearching(false);
    connect(m_objective, &QComboBox::currentIndexChanged, this, [this] { setSearching(false); });
    connect(m_suggest, &QPushButton::clicked, this, &OrderDialog::startSearch);
    connect(m_apply, &QPushButton::clicked, this, [this] {
        m_accepted = RowOrder(m_goals.rows, m_suggestion.order);
        accept();
    });
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, &OrderDialog::stopSearch);
}

void OrderDialog::setSearching(bool searching)
{
    for (QWidget *control :
         {static_cast<QWidget *>(m_objective), static_cast<QWidget *>(m_pinned), static_cast<QWidget *>(m_suggest)})
        control->setEnabled(!searching);
    m_goal->setEnabled(!searching && m_objective->currentIndex() == 1);
}

OrderObjective OrderDialog::objective() const
{
    return m_objective->currentIndex() == 1 ? OrderObjective::Soonest(m_goal->currentIndex()) : OrderObjective::Sum();
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
    m_apply->setEnabled(false);
    m_progress->setValue(0);
    m_progress->show();
    m_summary->setText(tr("Searching for a better order…"));

    std::vector<bool> pinned;
    for (int g = 0; g < m_pinned->count(); ++g)
        pinned.push_back(m_pinned->item(g)->checkState() == Qt::Checked);
    m_searched = objective();
    const OrderRequest request =
        RequestFor(m_goals, m_workspace.catalogue, m_workspace.inputs, m_searched, std::move(pinned));
    m_search = std::thread([this, request] {
        const OrderSuggestion suggestion = SuggestOrder(request, &m_cancel, [this](int percent) {
            QMetaObject::invokeMethod(
                this, [this, percent] { m_progress->setValue(percent); }, Qt::QueuedConnection);
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
    m_progress->setValue(100);
    setSearching(false);
    const auto levelText = [this](int level) { return level == kNeverReached ? tr("never") : QString::number(level); };
    const RowViews views(m_goals.list, m_workspace.catalogue, m_workspace.captions);
    m_preview->setRowCount(int(suggestion.order.size()));
    for (int i = 0; i < int(suggestion.order.size()); ++i) {
        const int g = suggestion.order[size_t(i)];
        m_preview->setItem(i, 0, new QTableWidgetItem(views.RowLabel(g)));
        m_preview->setItem(i, 1, new QTableWidgetItem(levelText(suggestion.levelsBefore[size_t(g)])));
        m_preview->setItem(i, 2, new QTableWidgetItem(levelText(suggestion.levelsAfter[size_t(g)])));
    }
    std::vector<int> given(suggestion.order.size());
    std::iota(given.begin(), given.end(), 0);
    const bool better = suggestion.order != given;
    const int goal = std::max(m_searched.goal, 0);
    const QString goalName = tr("Row %1 (%2)").arg(m_goals.rows.at(size_t(goal)) + 1).arg(views.RowLabel(goal));
    m_summary->setText(better ? ChangeSummary(suggestion, m_searched, goalName)
                              : tr("No better order was found: the rows stay as they are."));
    m_apply->setEnabled(better);
    emit searchEnded();
}

} // namespace brevath::ui
