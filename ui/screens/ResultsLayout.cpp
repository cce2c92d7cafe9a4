#include "ResultsLayout.h"

#include <algorithm>

namespace brevath::ui {

ResultsLayout LayOutResults(int clientWidth, int clientHeight, bool chartShown, bool comparing)
{
    constexpr int kMargin = 50;
    const int h = kResultsButtonHeight;
    const int t = clientHeight - 100 - h;
    const int buttonTop = t + kMargin;
    const int width = std::max(0, clientWidth - kMargin);
    const int listHeight = std::max(0, t - kMargin);

    ResultsLayout layout;
    layout.ListView1 = QRect(kMargin, kMargin, width, listHeight);
    if (chartShown) {
        const int chartHeight =
            std::min(std::max(kChartMinimumHeight, listHeight - kDesignListHeight - kMargin), listHeight);
        layout.ListView1.setHeight(std::max(0, listHeight - chartHeight - kMargin));
        layout.chart = QRect(kMargin, kMargin + listHeight - chartHeight, width, chartHeight);
    }
    layout.Command1 = QRect(clientWidth - kMargin - kHtmlButtonWidth, buttonTop, kHtmlButtonWidth, h);
    layout.Command2 = QRect(kMargin, buttonTop, kBackButtonWidth, h);
    layout.Command3 = QRect(clientWidth - kHtmlButtonWidth - kTextButtonWidth - 100, buttonTop, kTextButtonWidth, h);
    layout.chartToggle = QRect(kMargin + kBackButtonWidth + kMargin, buttonTop, h, h);
    layout.toolsButton = QRect(layout.chartToggle.right() + 1 + kMargin, buttonTop, h, h);
    if (comparing) {
        const int room = layout.ListView1.height();
        const int height = std::min(std::max(kComparisonMinimumHeight, room * 2 / 5), room);
        layout.ListView1.setHeight(std::max(0, room - height - kMargin));
        layout.comparison = QRect(kMargin, kMargin + room - height, width, height);
        const int left = layout.toolsButton.right() + 1 + kMargin;
        layout.closeComparison =
            QRect(left, buttonTop, std::clamp(layout.Command3.left() - kMargin - left, 0, kBackButtonWidth), h);
    }
    return layout;
}

} // namespace brevath::ui
