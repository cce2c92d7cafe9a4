#pragma once
// The choice screen: 81 rows of a type list and an entry box, 15 of them in view.
//
// The rows are the workspace's goal rows; the boxes only show them. What the player does
// becomes an operation on the rows, through the undo history, and the boxes are then brought
// in line from the rows, one way. An item model would need a mapper between each row and its
// two boxes, whose own models already hold their lists (an entry list is shared by every row
// of its type), for 81 fixed rows that a plain loop shows as well.

#include <QHash>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Catalogue.h"
#include "ChoiceFilters.h"
#include "ChoiceList.h"
#include "ChoiceHistory.h"
#include "CommonDialog.h"
#include "EntryLists.h"
#include "PlanFile.h"
#include "ProgramWindow.h"

class QAction;
class QContextMenuEvent;
class QComboBox;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;

namespace brevath {
class CaptionTable;
struct Workspace;
struct ChoiceFileLoad;
} // namespace brevath

namespace brevath::ui {

class EntryCompleter;
class Notice;
class Prompts;
class ToolsButton;

class SecondScreen : public ProgramWindow
{
    Q_OBJECT

public:
    SecondScreen(Workspace &workspace, Prompts &prompts);
    ~SecondScreen() override;

    static constexpr int lNMax = kLastChoiceRow;
    static constexpr int kVisibleRows = 15;

    // Builds or rebuilds all rows: fresh type and entry lists. The rows keep what they hold,
    // their types moved to the new lists (a category no longer ticked gives way to the first
    // type); the first build, and the first after a change of language, gives every row its
    // placeholder, the first type and kind 0.
    void MakeCombos(const CategoryStates &ticked, QProgressBar *progress);
    // Shows rows first to first + 14 in the visible slots, in tab order.
    void PlaceRows(int first);
    // The language's captions onto the screen; every row's boxes and every slot's button
    // named, in the language in force, for whoever does not see them.
    void ApplyCaptions(const CaptionTable &captions);
    // A plan's goals in place of the rows, as one step of the history; beyond: what the plan
    // changed elsewhere, undone and redone with the rows.
    void OpenGoals(const GoalRows &goals, std::function<void(bool forth)> beyond);
    // The level at which each row's goal is reached under the committed sheet, at the right
    // end of its entry box: worked out again whenever the rows change.
    void ShowLevels();

signals:
    void previousPageRequested();
    void nextPageRequested();
    // A share code pasted: its whole plan is for the program to open.
    void codePasted(const QString &code);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Tab past the last row in view, or back past the first, scrolls one row.
    bool focusNextPrevChild(bool next) override;

private:
    void makeRow(int i);
    void makeDown(int slot);
    void makeLevel(int i);
    void nameControls();
    void nameRow(int i);
    void nameDowns();
    // The level a suggestion would be reached at in the row of the box.
    QString candidateLevel(QComboBox *box, const QString &name);
    void fillTypeList(int i, const std::vector<TypeItem> &types);
    int slotTop(int slot) const;
    // The rows as the workspace holds them, onto the boxes.
    void showRows();

    void Down_Click(int slot);
    void Command3_Click();
    void Command4_Click();
    void applyLoad(const ChoiceFileLoad &load);

    // Rows the plan would skip, told apart from the rest.
    void markRow(int i);
    // A load or a paste: the goals written in another language take the names in force,
    // in the same step.
    void loadRows(const std::function<bool(GoalRows &)> &load);

    void makeActions();
    void nameActions();
    QAction *shortcutAction(const QKeyEvent *key) const;
    bool filterShortcut(QObject *watched, QEvent *event);
    void copyRows();
    void pasteRows();
    void copyCode();
    void suggestOrder();
    static QString copyFailedMessage();

    std::vector<QComboBox *> TypeObjet;
    std::vector<QComboBox *> Choix1;
    std::vector<QPushButton *> Down;
    std::vector<QLabel *> m_levels; // inside each entry box, at its right end
    QScrollBar *VScroll1;
    QLabel *Label1, *Label2;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    CommonDialog CommonDialog1;
    // Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y; Ctrl+Shift+C and Ctrl+Shift+V, also in the screen's
    // menu: the goal list as a choice file holds it (the paste takes a share code as well);
    // Ctrl+Alt+C, the share code; Ctrl+Shift+R, the order assistant.
    QAction *m_undoAction, *m_redoAction, *m_copyAction, *m_pasteAction, *m_copyCodeAction, *m_suggestOrderAction;
    // The same actions, from a button in sight; a short notice after a copy.
    ToolsButton *m_toolsButton;
    Notice *m_notice;

    Workspace &m_workspace;
    Prompts &m_prompts;
    EntryLists m_entryLists;
    ChoiceHistory *m_history;
    EntryCompleter *m_completer;
    int m_firstRowTop; // twips
    int m_rowHeight; // twips
    int m_rowGap = 75; // twips
    std::optional<QString> m_rowsLanguage; // the language the rows were built in
    // By name, for the rows as they stand and the row of m_candidateRow.
    QHash<QString, QString> m_candidateLevels;
    size_t m_candidateRow = 0;
};

} // namespace brevath::ui
