#include "ProgramWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "Decoration.h"

namespace brevath::ui {

ProgramWindow::ProgramWindow(const QString &objectName)
{
    setObjectName(objectName);
    // The windows were designed around a small 8-point face; the captions are sized for it.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    setWindowIcon(Picture(QStringLiteral("brevath.png")));
}

void ProgramWindow::SetBackground(const QPixmap &picture)
{
    m_background = picture;
    update();
}

void ProgramWindow::closeEvent(QCloseEvent *event)
{
    const bool first = !m_closed;
    m_closed = true;
    event->accept();
    if (first)
        emit closed();
}

void ProgramWindow::paintEvent(QPaintEvent *event)
{
    if (m_background.isNull())
        return QWidget::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(0, 0, m_background);
}

void ProgramWindow::keyPressEvent(QKeyEvent *event)
{
    // Qt presses a focused button on Enter only inside a dialog; these windows are none.
    QWidget *focused = focusWidget();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (qobject_cast<QPushButton *>(focused) || qobject_cast<QToolButton *>(focused))) {
        static_cast<QAbstractButton *>(focused)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace brevath::ui
