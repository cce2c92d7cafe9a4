#pragma once
// The choice screen: 81 rows of a type list and an entry box, 15 of them in view.

#include <QStringList>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "ChoiceFilters.h"
#include "ChoiceList.h"
#include "ChoiceHistory.h"
#include "CommonDialog.h"
#include "EntryLists.h"
#include "ProgramWindow.h"

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;

namespace brevath {
struct Workspace;
struct LoadedChoiceRow;
struct ChoiceFileLoad;
}

namespace brevath::ui {

class EntryCompleter;
class Prompts;

class SecondScreen : public ProgramWindow
{
    Q_OBJECT

public:
    SecondScreen(Workspace &workspace, Prompts &prompts);
    ~SecondScreen() override;

    static constexpr int lNMax = kLastChoiceRow;
    static constexpr int kVisibleRows = 15;

    // Builds or rebuilds all rows: placeholder texts, the first type, kind 0, fresh lists.
    void MakeCombos(const CategoryStates &ticked, QProgressBar *progress);
    // Shows rows first to first + 14 in the visible slots.
    void PlaceRows(int first);
    std::array<QString, kChoiceRows> RowTexts() const;

    void SetEntryListFill(EntryListFill fill) { m_entryLists.SetFill(fill); }
    bool SharesEntryList(int row) const { return m_entryLists.IsShared(Choix1.at(size_t(row))); }

    std::vector<QComboBox *> TypeObjet;
    std::vector<QComboBox *> Choix1;
    std::vector<QPushButton *> Down;
    QScrollBar *VScroll1;
    QLabel *Label1, *Label2;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    CommonDialog CommonDialog1;
    // Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y; Ctrl+C and Ctrl+V: the rows in the choice file format.
    QAction *UndoAction, *RedoAction, *CopyAction, *PasteAction;

signals:
    void previousPageRequested();
    void nextPageRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void makeRow(int i);
    void makeDown(int slot);
    void fillTypeList(int i, const std::vector<TypeItem> &types);
    int slotTop(int slot) const;

    void TypeObjet_Click(int row);
    void Down_Click(int slot);
    void Command3_Click();
    void Command4_Click();
    void selectType(int row, int position);
    void applyLoad(const ChoiceFileLoad &load);
    void applyLoadedRow(int row, const LoadedChoiceRow &loaded);
    const QStringList &typeEntries(int code);
    void giveTypeList(int row);

    // The player's type choice: one step of the history.
    void typeChosen(int row);
    void makeActions();
    // The action a key stands for here; none for a name pasted into an entry box.
    QAction *shortcutAction(QObject *watched, const QKeyEvent *key) const;
    bool filterShortcut(QObject *watched, QEvent *event);
    ChoiceRowsState captureRows() const;
    void restoreRows(const ChoiceRowsState &rows);
    void copyRows();
    void pasteRows();

    Workspace &m_workspace;
    Prompts &m_prompts;
    EntryLists m_entryLists;
    ChoiceHistory *m_history;
    EntryCompleter *m_completer;
    std::vector<int> m_handledType;            // by row: the type position its list and kind follow
    std::map<int, QStringList> m_typeEntries; // by type code, for the current build
    int m_firstRowTop;                        // twips
    int m_rowHeight;                          // twips
    int m_rowGap = 75;                        // twips
    bool m_built = false;
    bool m_building = false;
    bool m_restoring = false;
};

} // namespace brevath::ui
