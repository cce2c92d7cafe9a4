#pragma once
// The entry box of a choice row: an editable drop-down whose list may hold the whole catalogue.
// The screen makes 81 of them at once, so it is kept light: no completer, no popup until
// the player opens one, and no size measured from the items.

#include "NamedComboBox.h"

namespace brevath::ui {

class EntryBox : public NamedComboBox
{
    Q_OBJECT

public:
    explicit EntryBox(QWidget *parent);

    void showPopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    bool m_popupReady = false;
};

} // namespace brevath::ui
