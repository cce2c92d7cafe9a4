#pragma once
// The visible way to a screen's features beyond its page buttons: a small button whose menu
// lists them, each with its shortcut.

#include <QToolButton>

namespace brevath::ui {

class ToolsButton : public QToolButton
{
    Q_OBJECT

public:
    // A null action is a separator. A compact button shows only "…", its name in its tip.
    ToolsButton(QWidget *parent, const QList<QAction *> &actions, bool compact);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    bool m_compact;
};

} // namespace brevath::ui
