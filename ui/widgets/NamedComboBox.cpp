#include "NamedComboBox.h"

#include <QAbstractItemView>
#include <QLineEdit>

#include "AccessibleFactory.h"

namespace brevath::ui {

namespace {

class NamedComboInterface : public QAccessibleWidget
{
public:
    explicit NamedComboInterface(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const QString value = box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
        if (t == QAccessible::Value || (t == QAccessible::Name && widget()->accessibleName().isEmpty()))
            return value;
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = openList() && openList()->isVisible();
        s.editable = box()->isEditable();
        return s;
    }

    // The edit, and the list once the box has made one: asking for it would make a popup
    // for each of the screen's 162 boxes.
    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QObject *> objects = children();
        return index >= 0 && index < objects.size() ? QAccessible::queryAccessibleInterface(objects[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(children().indexOf(child->object())) : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (openList() && openList()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
    QAbstractItemView *openList() const { return box()->findChild<QAbstractItemView *>(); }
    QList<QObject *> children() const
    {
        QList<QObject *> objects;
        if (box()->isEditable())
            objects << box()->lineEdit();
        if (QAbstractItemView *list = openList())
            objects << list;
        return objects;
    }
};

} // namespace

NamedComboBox::NamedComboBox(QWidget *parent) : QComboBox(parent)
{
    InstallAccessibleInterface<NamedComboBox, NamedComboInterface>();
}

} // namespace brevath::ui
