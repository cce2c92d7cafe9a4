#pragma once
// A drop-down whose accessible name is the one it is given, as on every other platform: Qt
// names a combo box on Linux by its current text alone, which tells a listener nothing of
// which of 81 rows it is in.

#include <QComboBox>

namespace brevath::ui {

class NamedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit NamedComboBox(QWidget *parent);
};

} // namespace brevath::ui
