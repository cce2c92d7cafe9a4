#pragma once
// The result list in report form: ten columns, one line per level.

#include <QString>
#include <QTreeView>
#include <vector>

#include "Plan.h"

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

class ResultListView : public QTreeView
{
    Q_OBJECT

public:
    // The design widths: 500 twips for the level and the statistics, 750 for hit and mana
    // points, 1440 for the points and the names.
    explicit ResultListView(QWidget *parent);
    void setModel(QAbstractItemModel *model) override;

    // The last column takes the width the others leave, or what its header and texts need
    // when that is more, whatever their length (up to what the header can hold).
    void SizeLastColumn();
    // The lines selected, in list order.
    std::vector<int> SelectedLines() const;
    // Shows this line as the current one, in the middle of the list.
    void SelectLine(int line);

signals:
    void copyRequested();
    void currentLineChanged(int line); // -1: none

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void changeEvent(QEvent *event) override;

private:
    int namesWidthNeeded();

    int m_namesWidth = -1; // measured once per content and font: long texts are slow to measure
};

// The chosen lines of the plan as the text export writes them, with the header line when
// every line is chosen; empty when none is.
QString LinesText(const std::vector<int> &lines, const Plan &plan, const CaptionTable &captions);

} // namespace brevath::ui
