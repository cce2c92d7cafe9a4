#pragma once

#include <QString>

namespace brevath {

// What a save tells the player: success or failure, and the message to show.
struct SaveOutcome
{
    bool ok = false;
    QString message;
};

} // namespace brevath
