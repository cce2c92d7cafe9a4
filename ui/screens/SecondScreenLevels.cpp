// The level each goal row is reached at, shown as the player types, and a plan's goals put
// into the rows.

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "Controls.h"
#include "GoalTranslation.h"
#include "Prompts.h"
#include "RowLevels.h"
#include "SecondScreen.h"
#include "Workspace.h"

namespace brevath::ui {

namespace {

QString LevelText(int level)
{
    if (level == kNoGoal)
        return {};
    return level == kNeverReached ? QStringLiteral("—") : QString::number(level);
}

} // namespace

void SecondScreen::makeLevel(int i)
{
    QLineEdit *edit = Choix1[size_t(i)]->lineEdit();
    auto *level = new QLabel(edit);
    level->setObjectName(ElementName("level", i));
    QFont font = level->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    level->setFont(font);
    // Quieter than the name, on the box's own ground, light or dark.
    level->setForegroundRole(QPalette::PlaceholderText);
    // The name never runs under the level: the box keeps the level's room free.
    const int width = level->fontMetrics().horizontalAdvance(QStringLiteral("199")) + 4;
    level->setFixedWidth(width);
    level->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setTextMargins(0, 0, width, 0);
    auto *layout = new QHBoxLayout(edit);
    layout->setContentsMargins(0, 0, 2, 0);
    layout->addStretch();
    layout->addWidget(level);
    m_levels.push_back(level);
}

void SecondScreen::ShowLevels()
{
    m_candidateLevels.clear();
    const RowLevelArray levels =
        RowLevels(m_workspace.goals, m_workspace.catalogue, m_workspace.captions, m_workspace.inputs);
    for (size_t i = 0; i < m_levels.size(); ++i) {
        const int level = levels[i];
        const QString text = LevelText(level);
        if (m_levels[i]->text() != text)
            m_levels[i]->setText(text);
        // The level's own tip: the box's tip is for a row that names nothing. A click on the
        // level falls through to the box.
        const QString tip = level == kNoGoal ? QString()
            : level == kNeverReached         ? tr("Never reached: the rise ends at level 199 first.")
                                             : tr("Reached at level %1.").arg(level);
        if (m_levels[i]->toolTip() != tip) {
            m_levels[i]->setToolTip(tip);
            Choix1[i]->setAccessibleDescription(tip);
        }
    }
}

QString SecondScreen::candidateLevel(QComboBox *box, const QString &name)
{
    const auto row = size_t(std::find(Choix1.begin(), Choix1.end(), box) - Choix1.begin());
    if (row >= Choix1.size())
        return {};
    if (m_candidateRow != row)
        m_candidateLevels.clear();
    m_candidateRow = row;
    const auto cached = m_candidateLevels.constFind(name);
    if (cached != m_candidateLevels.cend())
        return *cached;
    GoalRows rows = m_workspace.goals;
    rows.texts[row] = name;
    const QString level =
        LevelText(RowLevels(rows, m_workspace.catalogue, m_workspace.captions, m_workspace.inputs)[row]);
    m_candidateLevels.insert(name, level);
    return level;
}

void SecondScreen::OpenGoals(const GoalRows &goals, std::function<void(bool forth)> beyond)
{
    m_history->EndTyping();
    m_history->Do(
        [&](GoalRows &rows) {
            rows = goals;
            FollowGoalTypes(rows, m_workspace.catalogue, m_workspace.captions, m_workspace.filters.states);
        },
        std::move(beyond));
    // The sheet may have changed where the rows did not.
    ShowLevels();
    VScroll1->setValue(0);
}

} // namespace brevath::ui
