#include "PlanInputs.h"

#include "Numbers.h"

namespace brevath {

SheetTexts DefaultSheetTexts()
{
    return {QStringLiteral("1"),  QStringLiteral("12"), QStringLiteral("12"), QStringLiteral("12"),
            QStringLiteral("12"), QStringLiteral("12"), QStringLiteral("70"), QStringLiteral("50"),
            QStringLiteral("0"),  QStringLiteral("0"),  QStringLiteral("0"),  QStringLiteral("0"),
            QStringLiteral("0")};
}

QString PresetStatText(int preset)
{
    return preset == 1 ? QStringLiteral("25") : QStringLiteral("30");
}

bool CommitSheet(const SheetTexts &texts, int priority, PlanInputs &inputs)
{
    std::int32_t *const fields[kSheetTextCount] = {
        &inputs.SDLevel, &inputs.SDStr, &inputs.SDEnd, &inputs.SDDex, &inputs.SDSag, &inputs.SDInt, &inputs.SDPV,
        &inputs.SDPM,    &inputs.mstr,  &inputs.mend,  &inputs.mdex,  &inputs.msag,  &inputs.mint,
    };
    for (int i = 0; i < kSheetTextCount; ++i) {
        const std::optional<std::int32_t> value = ToInt32(LeadingNumber(texts[i]));
        if (!value)
            return false;
        // A lower level would give a plan of more than 201 lines.
        if (fields[i] == &inputs.SDLevel && *value < kLowestStartLevel)
            return false;
        *fields[i] = *value;
    }
    inputs.Priority = PriorityInForce(priority);
    return true;
}

} // namespace brevath
