#include "ChoiceFilters.h"

#include "CaptionTable.h"

namespace brevath {

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

} // namespace brevath
