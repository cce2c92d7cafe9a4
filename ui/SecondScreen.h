#pragma once
// The choice screen: 81 rows of a type list and an entry box, 15 of them in view.

#include <QStringList>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "core/ChoiceFilters.h"
#include "core/ChoiceList.h"
#include "ui/CommonDialog.h"
#include "ui/EntryLists.h"
#include "ui/ProgramWindow.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;

namespace brevath {
struct Workspace;
struct LoadedChoiceRow;
}

namespace brevath::ui {

class Prompts;

class SecondScreen : public ProgramWindow
{
    Q_OBJECT

public:
    SecondScreen(Workspace &workspace, Prompts &prompts);

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
    void applyLoadedRow(int row, const LoadedChoiceRow &loaded);
    const QStringList &typeEntries(int code);

    Workspace &m_workspace;
    Prompts &m_prompts;
    EntryLists m_entryLists;
    std::map<int, QStringList> m_typeEntries; // by type code, for the current build
    int m_firstRowTop;                        // twips
    int m_rowHeight;                          // twips
    int m_rowGap = 75;                        // twips
    bool m_built = false;
    bool m_building = false;
};

} // namespace brevath::ui
