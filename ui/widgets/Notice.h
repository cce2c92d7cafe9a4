#pragma once
// A short word that something happened out of sight, such as a copy to the clipboard: shown
// over the bottom of its window for a moment, then gone.

#include <QLabel>

class QTimer;

namespace brevath::ui {

class Notice : public QLabel
{
    Q_OBJECT

public:
    // bottomGap: pixels between the notice and the window's bottom edge.
    Notice(QWidget *parent, int bottomGap);

    void Flash(const QString &text);

private:
    QTimer *m_timer;
    int m_bottomGap;
};

} // namespace brevath::ui
