#pragma once
// Share codes: a whole plan on one line of text that any language reads alike.
//
// "brevath2:" then the base64url form (no padding) of: the body's length (varint), the
// body, and the CRC-32 of everything before it (4 bytes, least significant first). The
// body holds the committed sheet numbers (zigzag varints in box order: level, the five
// statistics, hp, mp, the five maxima), the priority (a byte), the ticked categories
// (varint mask), then the goal count (varint) and per goal a tag byte: 0 and the
// category's load order and the position within it (varints) for a catalogue entry, or a
// statistic 1 to 5 and its value (varint); last, for each category a goal names, in load
// order, its entry count and the low 16 bits of its requirement checksum (varints), by which a reader tells that its catalogue differs. The
// committed numbers are what the plan plays, so a code plays the same plan as the sheet it
// came from, whatever the boxes held. "brevath1:" codes, which lack the last part, are read
// as before.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

#include "ChoiceFilters.h"
#include "ChoiceList.h"
#include "GoalRows.h"
#include "GoalTranslation.h"
#include "PlanInputs.h"

namespace brevath {

struct SharedGoal
{
    int stat = 0; // 1 to 5 for a statistic target, 0 for a catalogue entry
    std::int32_t value = 0; // the statistic's target value
    CataloguePlace place; // the catalogue entry's place

    bool operator==(const SharedGoal &) const = default;
};

// What a code knows of a category of the catalogue it was made with.
struct CategoryMark
{
    int count = 0;
    std::uint16_t checksum = 0;

    bool operator==(const CategoryMark &) const = default;
};

struct SharedPlan
{
    std::array<std::int32_t, kSheetTextCount> sheet{}; // committed numbers in the boxes' order
    int priority = kDefaultPriority;
    CategoryStates shown{};
    std::vector<SharedGoal> goals;
    // The categories the goals name, as the code's catalogue held them (none in an older code).
    std::array<std::optional<CategoryMark>, kCategoryCount> marks{};

    bool operator==(const SharedPlan &) const = default;
};

// The plan of committed inputs and a built ChoiceList.
SharedPlan SharedPlanOf(const PlanInputs &inputs, const CategoryStates &shown, const ChoiceList &list,
                        const Catalogue &catalogue);

QString EncodeShareCode(const SharedPlan &plan);
// The code around body bytes as they are: prefix, length and checksum, so that what reads
// the body sees them whatever they hold.
QString ShareCodeOfBody(QByteArrayView body, int version = 2);

enum class ShareCodeError { None, NotACode, Cut, Damaged, Newer };

struct ShareCodeRead
{
    ShareCodeError error = ShareCodeError::None;
    SharedPlan plan; // only when error is None: a code is read whole or not at all
    QString message; // what to tell the player otherwise
};

// Blanks and line breaks anywhere in the text are ignored, as a pasted code may carry them.
ShareCodeRead DecodeShareCode(QStringView text);

// True when the text begins as a share code does: for telling a pasted code from goal lines.
bool LooksLikeShareCode(QStringView text);

// The texts for the sheet's boxes: each number in decimal, so a commit gives it back.
SheetTexts SheetTextsOf(const SharedPlan &plan);

// The plan's goals over fresh rows of rows' type count, in the language in force. A code
// made with another catalogue (a category a goal names differs in its count or its
// requirements) is refused, naming the goals that may name other entries here. On a
// failure the rows are left as they were.
Outcome ApplySharedGoals(GoalRows &rows, const SharedPlan &plan, const Catalogue &catalogue,
                         const CaptionTable &captions);

} // namespace brevath
