#include "ChoiceFilters.h"

#include <algorithm>
#include <bit>

#include "CaptionTable.h"

namespace brevath {

namespace {

constexpr int kTypesBesideCategories = 1 + kStatCount; // "all" first, the statistics last

int TypeCount(const CategoryStates &ticked)
{
    return kTypesBesideCategories + int(std::count(ticked.begin(), ticked.end(), true));
}

// The category (1 to 10) the item at position lists, or 0 when it is no category's own.
int CategoryAt(int position, const CategoryStates &ticked)
{
    for (int k = 1; k <= kCategoryCount; ++k) {
        if (ticked[k - 1] && --position == 0)
            return k;
    }
    return 0;
}

int PositionOfCategory(int k, const CategoryStates &ticked)
{
    return int(std::count(ticked.begin(), ticked.begin() + k, true));
}

// The category (1 to 10) of the first entry of this name, or 0.
int CategoryNamed(const QString &text, const Catalogue &catalogue, const CaptionTable &captions)
{
    const int entry = IsEmptyRowText(text, captions) ? 0 : catalogue.FindByName(text);
    const CategoryFlag flag = entry > 0 ? catalogue.categoryOf(entry) : 0;
    return std::has_single_bit(std::uint32_t(flag)) ? std::countr_zero(std::uint32_t(flag)) + 1 : 0;
}

bool IsStatType(int position, int typeCount)
{
    const int stat = StatOfTypePosition(position, typeCount);
    return stat >= 1 && stat <= kStatCount;
}

} // namespace

std::int32_t CategoryMask(const CategoryStates &states)
{
    std::int32_t mask = 0;
    for (int k = 1; k <= kCategoryCount; ++k) {
        if (states[k - 1])
            mask |= CategoryFlagOf(k);
    }
    return mask;
}

ChoiceFilters ReadChoiceFilters(const CategoryStates &ticked, const PlanInputs &inputs)
{
    ChoiceFilters filters;
    filters.states = ticked;
    filters.mask = CategoryMask(ticked);
    filters.maxima = inputs.maxima();
    return filters;
}

bool EntryEligible(const CatalogueEntry &entry, const std::array<std::int32_t, kStatCount> &maxima)
{
    for (int s = 1; s <= kStatCount; ++s) {
        const std::int32_t limit = maxima[s - 1];
        if (limit != 0 && entry.Requirement(s) > limit)
            return false;
    }
    return true;
}

std::vector<int> OfferedEntries(const Catalogue &catalogue, std::int32_t mask,
                                const std::array<std::int32_t, kStatCount> &maxima)
{
    std::vector<int> offered;
    for (int e = 1; e <= catalogue.count(); ++e) {
        const CatalogueEntry &entry = catalogue.entry(e);
        if ((entry.category & mask) != 0 && EntryEligible(entry, maxima))
            offered.push_back(e);
    }
    return offered;
}

QStringList EntryListItems(const Catalogue &catalogue, const CaptionTable &captions, std::int32_t mask,
                           const std::array<std::int32_t, kStatCount> &maxima)
{
    const std::vector<int> offered = OfferedEntries(catalogue, mask, maxima);
    QStringList items;
    items.reserve(qsizetype(offered.size()) + 1);
    items << captions.entry(Caption::NoEntryItem);
    for (int e : offered)
        items << catalogue.entry(e).name;
    return items;
}

int CategoryCaptionEntry(int k)
{
    static constexpr int entries[kCategoryCount] = {13, 15, 14, 17, 18, 19, 20, 16, 21, 22};
    return entries[k - 1];
}

std::vector<TypeItem> TypeListItems(const CaptionTable &captions, const CategoryStates &ticked)
{
    std::vector<TypeItem> items;
    items.push_back({captions.entry(Caption::AllCategoriesItem), 0});
    for (int k = 1; k <= kCategoryCount; ++k) {
        if (ticked[k - 1])
            items.push_back({captions.entry(CategoryCaptionEntry(k)), k});
    }
    for (int s = 1; s <= kStatCount; ++s)
        items.push_back({captions.entry(Caption::StatNameBase + s), kStatTypeCode});
    return items;
}

GoalRows RowsForTicks(const GoalRows &rows, const CategoryStates &built, const CategoryStates &ticked)
{
    GoalRows result = rows;
    result.typeCount = TypeCount(ticked);
    for (int i = 0; i < kChoiceRows; ++i) {
        const int position = rows.types[size_t(i)];
        int kept = 0;
        if (IsStatType(position, rows.typeCount)) {
            kept = position - rows.typeCount + result.typeCount; // as far from the end
        } else if (const int k = CategoryAt(position, built); k > 0 && ticked[k - 1]) {
            kept = PositionOfCategory(k, ticked);
        }
        ChooseType(result, i, kept);
    }
    return result;
}

void FollowGoalTypes(GoalRows &rows, const Catalogue &catalogue, const CaptionTable &captions,
                     const CategoryStates &ticked)
{
    for (int i = 0; i < kChoiceRows; ++i) {
        if (rows.kinds[size_t(i)] > 0)
            continue;
        int &type = rows.types[size_t(i)];
        const int k = CategoryNamed(rows.texts[size_t(i)], catalogue, captions);
        if (k > 0 && ticked[k - 1]) {
            if (type != 0 && CategoryAt(type, ticked) != k)
                type = PositionOfCategory(k, ticked);
        } else if (IsStatType(type, rows.typeCount)) {
            type = 0;
        }
    }
}

bool RowOutsideCategories(const GoalRows &rows, int row, const Catalogue &catalogue, const CaptionTable &captions,
                          std::int32_t mask)
{
    const int k = CategoryNamed(rows.texts.at(size_t(row)), catalogue, captions);
    return rows.kinds[size_t(row)] < 1 && k > 0 && (CategoryFlagOf(k) & mask) == 0;
}

} // namespace brevath
