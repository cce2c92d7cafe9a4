#include "Notice.h"

#include <QTimer>

namespace brevath::ui {

Notice::Notice(QWidget *parent, int bottomGap) : QLabel(parent), m_timer(new QTimer(this)), m_bottomGap(bottomGap)
{
    setObjectName(QStringLiteral("notice"));
    setTextFormat(Qt::PlainText);
    // The tooltip's colours: readable over any picture, in any palette.
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(4);
    m_timer->setSingleShot(true);
    m_timer->setInterval(2500);
    connect(m_timer, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void Notice::Flash(const QString &text)
{
    setText(text);
    adjustSize();
    const QWidget *window = parentWidget();
    move((window->width() - width()) / 2, window->height() - m_bottomGap - height());
    raise();
    show();
    m_timer->start();
}

} // namespace brevath::ui
