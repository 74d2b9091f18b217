// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ProgramState.h"

#include "platform/ContentPath.h"

ProgramState &state()
{
    static ProgramState program;
    return program;
}

QString contentFile(const QString &relative)
{
    return contentPath(state().ContentDir, relative);
}
