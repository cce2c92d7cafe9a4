#pragma once
// One entry point per reader of files that players pass around. libFuzzer drives them in
// the fuzz build; the ordinary test suite replays the committed seeds through them, so a
// past finding stays fixed in every build.

#include <QByteArrayView>
#include <array>

namespace brevath::fuzz {

struct FuzzTarget
{
    const char *name;
    void (*run)(QByteArrayView input);
};

// The plan target's input: these sections, separated by this byte, in this order.
constexpr char kSectionSeparator = '\x1e';
// Sheet (the thirteen texts and the priority, TAB-separated), choice file, caption file,
// then the ten catalogue files in load order. A missing section is a missing file.
constexpr int kPlanSections = 13;

extern const std::array<FuzzTarget, 9> kTargets;

} // namespace brevath::fuzz
