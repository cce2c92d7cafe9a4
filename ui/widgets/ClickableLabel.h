#pragma once
// A label that acts as a link: the bow pointer over it, a click on it, or Tab to it and Enter
// or Space; a listener hears it as a link.

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
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace brevath::ui
