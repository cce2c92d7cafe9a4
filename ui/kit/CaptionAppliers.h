#pragma once
// Captions onto controls, for each screen's ApplyCaptions: cut to what a window can show, never
// read as markup, and an empty entry applied as it is (there is no fallback to the design text).

#include <QString>
#include <initializer_list>
#include <utility>

class QAbstractButton;
class QLabel;
class QWidget;

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

// No window shows more than this many characters of one text; a longer one (a caption file
// can hold megabytes in one entry) would stall the layout or break the X11 connection.
constexpr int kShownTextLimit = 4096;

// The text cut to the limit, an ellipsis marking the cut: for every caption a window shows.
QString ShownText(const QString &text);

void ApplyTitle(QWidget &window, const QString &title);
void ApplyLabels(const CaptionTable &captions, std::initializer_list<std::pair<int, QLabel *>> targets);
void ApplyButtons(const CaptionTable &captions, std::initializer_list<std::pair<int, QAbstractButton *>> targets);

// A box with no label of its own, named from its column's heading and its row's label.
QString ColumnRowName(const CaptionTable &captions, int column, int row);

} // namespace brevath::ui
