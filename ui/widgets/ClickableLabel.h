#pragma once
// A label that acts as a link: the bow pointer over it, a click on it.

#include <QLabel>

namespace brevath::ui {

class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    ClickableLabel(const QString &objectName, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace brevath::ui
