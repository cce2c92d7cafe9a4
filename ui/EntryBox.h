#pragma once
// The entry box of a choice row: an editable drop-down whose list may hold the whole catalogue.

#include <QComboBox>

namespace brevath::ui {

class EntryBox : public QComboBox
{
    Q_OBJECT

public:
    explicit EntryBox(QWidget *parent);

    void showPopup() override;

private:
    bool m_popupReady = false;
};

} // namespace brevath::ui
