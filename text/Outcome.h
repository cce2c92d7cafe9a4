#pragma once

#include <QString>

namespace brevath {

// What an operation that can fail tells its caller: success, or failure and the message to
// show the player. The one shape for it; operations that also give something back carry
// their result beside these two fields.
struct Outcome
{
    bool ok = false;
    QString message;

    static Outcome Success() { return {true, QString()}; }
    static Outcome Failure(const QString &message) { return {false, message}; }
};

} // namespace brevath
