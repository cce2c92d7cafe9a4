#pragma once
// The library: the player's plans, kept as plan files in one folder, to find, open, compare,
// keep in order and pass on. Deleting moves a plan to a bin inside the folder, from which it
// can be restored; nothing here replaces a plan without asking.

#include <QWidget>
#include <functional>
#include <optional>

#include "Plan.h"
#include "PlanFile.h"
#include "PlanLibrary.h"
#include "PlanSource.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace brevath {
struct Workspace;
}

namespace brevath::ui {

class LibraryModel;
class Prompts;

class LibraryWindow : public QWidget
{
    Q_OBJECT

public:
    // folder gives the library's folder; sheetInForce the plan the start screen holds, with
    // no goals (the goals are the workspace's rows), or nothing when the caller has said why not.
    LibraryWindow(Workspace &workspace, Prompts &prompts, std::function<QString()> folder,
                  std::function<std::optional<PlanFile>()> sheetInForce);

    // Reads the folder (or its bin) again, keeping the search.
    void Refresh();
    void SelectPath(const QString &path);
    QString Folder() const { return m_folder(); }
    // The file of the plan the screens hold, since it was opened or saved here; empty if none.
    const QString &CurrentPath() const { return m_currentPath; }
    void SetCurrentPath(const QString &path) { m_currentPath = path; }

signals:
    void openRequested(const QString &path, const PlanFile &plan);
    void compareRequested(const QString &firstPath, const PlanFile &first, const PlanFile &second);

protected:
    void changeEvent(QEvent *event) override;

private:
    void makeButtons();
    void makeKeys();
    void retranslate();
    void enableButtons();
    // The plans selected, in the order the list shows them.
    std::vector<int> selectedLines() const;
    // The one plan selected, if it could be read and is not in the bin.
    const LibraryPlan *selectedPlan() const;
    void closeWindow();
    void tell(const QString &message);

    void openPlan();
    void savePlanInForce();
    void renamePlan();
    void editNotes();
    void duplicatePlan();
    void deletePlans();
    void restorePlans();
    void comparePlans();
    void importFile();
    void importCode();
    void import(const PlanSource &source, const QString &name);
    void exportFile();
    void exportCode();
    void exportPage();
    // Asks the plan's name and writes it under that name; a plan already there is replaced
    // only when it is the one being saved or the player says so. keepPath may be replaced
    // without asking. The path written, or empty.
    QString store(PlanFile plan, const QString &keepPath);
    bool mayReplace(const QString &path, const QString &keepPath);
    // Writes the plan and shows it selected; false, the player told why, when it cannot be written.
    bool write(QString path, const PlanFile &plan);
    // The plan's goals as rows in the language in force.
    GoalRows rowsOf(const PlanFile &plan);
    // The plan played on its own sheet, with its share code; the player told why when it cannot be.
    struct PlayedFile
    {
        PlanInputs inputs;
        Plan plan;
        QString code;
    };
    std::optional<PlayedFile> play(const PlanFile &file);

    QLineEdit *m_search;
    QCheckBox *m_showBin;
    LibraryModel *m_plans;
    QSortFilterProxyModel *m_found; // the plans the search finds, in the order the list shows them
    QTableView *m_planList;
    QPushButton *m_openPlan, *m_savePlan, *m_renamePlan, *m_editNotes, *m_duplicatePlan, *m_deletePlan, *m_restorePlan;
    QPushButton *m_comparePlans, *m_importFile, *m_importCode, *m_exportFile, *m_exportCode, *m_exportPage;
    QPushButton *m_close;

    Workspace &m_workspace;
    Prompts &m_prompts;
    std::function<QString()> m_folder;
    std::function<std::optional<PlanFile>()> m_sheetInForce;
    QString m_currentPath;
};

} // namespace brevath::ui
