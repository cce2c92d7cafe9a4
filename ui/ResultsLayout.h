#pragma once
// Where the results screen puts its list and buttons for a client area, all in twips.

#include <QRect>

namespace brevath::ui {

struct ResultsLayout
{
    QRect ListView1; // the list and, under it, the chart: their splitter
    QRect Command1; // save as HTML, at the right
    QRect Command2; // back, at the left
    QRect Command3; // save as text, left of Command1
};

// The buttons keep their design sizes.
constexpr int kResultsButtonHeight = 495;
constexpr int kHtmlButtonWidth = 2295;
constexpr int kBackButtonWidth = 2295;
constexpr int kTextButtonWidth = 2175;

// The list fills the client area but for 50 at the top and left and the strip of the buttons,
// which stand 50 above the bottom edge. A client area too small for them gives an empty list,
// never a negative size.
ResultsLayout LayOutResults(int clientWidth, int clientHeight);

} // namespace brevath::ui
