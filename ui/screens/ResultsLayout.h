#pragma once
// Where the results screen puts its list, chart and buttons for a client area, all in twips.

#include <QRect>

namespace brevath::ui {

struct ResultsLayout
{
    QRect ListView1;
    QRect chart; // empty when the chart is hidden
    QRect Command1; // save as HTML, at the right
    QRect Command2; // back, at the left
    QRect Command3; // save as text, left of Command1
    QRect chartToggle; // shows or hides the chart, right of Command2
    QRect toolsButton; // the menu of the other features, right of chartToggle
    QRect comparison; // the goals of two plans side by side; empty unless comparing
    QRect closeComparison; // closes the comparison, right of toolsButton; empty unless comparing
};

// The buttons keep their design sizes.
constexpr int kResultsButtonHeight = 495;
constexpr int kHtmlButtonWidth = 2295;
constexpr int kBackButtonWidth = 2295;
constexpr int kTextButtonWidth = 2175;
// The list's height in the design client area, and the least height a chart can be read at.
constexpr int kDesignListHeight = 6540;
constexpr int kChartMinimumHeight = 2850;
constexpr int kComparisonMinimumHeight = 1500;

// The list fills the client area but for 50 at the top and left and the strip of the buttons,
// which stand 50 above the bottom edge. A shown chart goes under the list, 50 apart, and
// takes what the area has beyond the list's design height, at least its least height.
// A comparison goes under the list likewise and takes two fifths of what the chart leaves,
// at least its least height; its close button fills the row's gap up to the back button's width.
// A client area too small for them gives an empty list, never a negative size.
ResultsLayout LayOutResults(int clientWidth, int clientHeight, bool chartShown = false, bool comparing = false);

} // namespace brevath::ui
