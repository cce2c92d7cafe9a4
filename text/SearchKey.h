#pragma once
// Names compared the way a player types them: without case or accents.

#include <QString>
#include <QStringView>

namespace brevath {

// The text case-folded, with the marks that decomposition separates from their letters
// removed: "Flèche" and "FLECHE" both give "fleche".
QString SearchKey(QStringView text);

} // namespace brevath
