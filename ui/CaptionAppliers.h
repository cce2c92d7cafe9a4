#pragma once
// The language's captions onto the four main screens, hidden or shown.

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

class FirstScreen;
class HelpScreen;
class SecondScreen;
class ThirdScreen;

void ApplyFirstScreenCaptions(FirstScreen &screen, const CaptionTable &captions);
void ApplyHelpScreenCaptions(HelpScreen &screen, const CaptionTable &captions);
void ApplySecondScreenCaptions(SecondScreen &screen, const CaptionTable &captions);
void ApplyThirdScreenCaptions(ThirdScreen &screen, const CaptionTable &captions);

} // namespace brevath::ui
