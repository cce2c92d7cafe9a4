#include "ClickableLabel.h"

#include <QMouseEvent>

#include "Decoration.h"

namespace brevath::ui {

ClickableLabel::ClickableLabel(const QString &objectName, QWidget *parent) : QLabel(parent)
{
    setObjectName(objectName);
    setCursor(BowCursor());
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace brevath::ui
