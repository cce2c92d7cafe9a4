#pragma once
// What the program's five windows share: an optional background picture, and the news
// that the window was closed, which ends the program.

#include <QPixmap>
#include <QWidget>

namespace brevath::ui {

class ProgramWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ProgramWindow(const QString &objectName);

    void SetBackground(const QPixmap &picture);
    bool IsClosed() const { return m_closed; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_background;
    bool m_closed = false;
};

} // namespace brevath::ui
