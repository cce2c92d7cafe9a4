#pragma once
// What brevath-plan does once its request is read and its data loaded: one short function
// per mode, each giving the bytes for standard output, which only the command writes.

#include <QByteArray>
#include <cstdio>
#include <optional>

#include "PlanRequest.h"
#include "PlanSource.h"
#include "Workspace.h"

namespace brevath {

struct PlanSession
{
    const PlanRequest &request;
    std::FILE *err;
    Workspace workspace;

    void Tell(const QString &message) const;
    void Tell(const QStringList &messages) const;
};

struct ModeOutput
{
    QByteArray bytes; // for standard output
    int code = 0;
};

// Reads the request's plan, commits its sheet into the workspace and runs the mode.
ModeOutput RunMode(PlanSession &session);

} // namespace brevath
