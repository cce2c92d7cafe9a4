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
#include <numeric>

#include "Workspace.h"

namespace brevath::ui {

OrderDialog::OrderDialog(const Workspace &workspace, const GoalRows &rows, QWidget *parent)
    : QDialog(parent), m_workspace(workspace), m_goals(GoalsOfRows(rows, workspace.catalogue, workspace.captions))
{
    setObjectName(QStringLiteral("OrderDialog"));
    setWindowTitle(tr("Suggest an order"));
    Objective = new QComboBox(this);
    Objective->setObjectName(QStringLiteral("Objective"));
    Objective->addItem(tr("Lowest sum of the levels at which the goals are reached"), int(OrderObjective::Sum));
    Objective->addItem(tr("Last goal reached as soon as possible"), int(OrderObjective::Finish));
    Pinned = new QListWidget(this);
    Pinned->setObjectName(QStringLiteral("Pinned"));
    for (size_t g = 0; g < m_goals.rows.size(); ++g) {
        const int row = m_goals.rows[g];
        auto *item = new QListWidgetItem(QStringLiteral("%1. %2").arg(row + 1).arg(rows.texts[size_t(row)]), Pinned);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    Suggest = new QPushButton(tr("Suggest"), this);
    Suggest->setObjectName(QStringLiteral("Suggest"));
    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setRange(0, 100);
    Progress->setValue(0);
    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("Summary"));
    Summary->setWordWrap(true);
    Preview = new QTableWidget(0, 3, this);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setHorizontalHeaderLabels({tr("Goal"), tr("Level now"), tr("Level with the suggestion")});
    Preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Preview->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto *buttons = new QDialogButtonBox(this);
    Apply = buttons->addButton(tr("Apply this order"), QDialogButtonBox::AcceptRole);
    Apply->setObjectName(QStringLiteral("Apply"));
    Apply->setEnabled(false);
    Cancel = buttons->addButton(QDialogButtonBox::Cancel);
    Cancel->setObjectName(QStringLiteral("Cancel"));

    auto *objectiveLabel = new QLabel(tr("Objective:"), this);
    objectiveLabel->setBuddy(Objective);
    auto *pinnedLabel = new QLabel(tr("Rows that keep their place:"), this);
    pinnedLabel->setBuddy(Pinned);
    Pinned->setAccessibleName(pinnedLabel->text()); // a list does not take its label's name
    Preview->setAccessibleName(tr("Levels now and with the suggestion"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(objectiveLabel);
    layout->addWidget(Objective);
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
    connect(Suggest, &QPushButton::clicked, this, &OrderDialog::startSearch);
    connect(Apply, &QPushButton::clicked, this, [this] {
        m_accepted = RowOrder(m_goals.rows, m_suggestion.order);
        accept();
    });
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, &OrderDialog::stopSearch);
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
    Objective->setEnabled(false);
    Pinned->setEnabled(false);
    Suggest->setEnabled(false);
    Summary->setText(tr("Searching for a better order…"));

    std::vector<bool> pinned;
    for (int g = 0; g < Pinned->count(); ++g)
        pinned.push_back(Pinned->item(g)->checkState() == Qt::Checked);
    const OrderRequest request = RequestFor(m_goals, m_workspace.catalogue, m_workspace.inputs,
                                            OrderObjective(Objective->currentData().toInt()), std::move(pinned));
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
    Summary->setText(better ? tr("Last goal at level %1 instead of %2; sum of the levels %3 instead of %4.")
                                  .arg(suggestion.after.finish)
                                  .arg(suggestion.before.finish)
                                  .arg(suggestion.after.sum)
                                  .arg(suggestion.before.sum)
                            : tr("No better order was found: the rows stay as they are."));
    Apply->setEnabled(better);
    emit searchEnded();
}

} // namespace brevath::ui
