// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/TestProgram.h"

#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"

TestProgram::TestProgram() : holder(std::make_unique<Tdm>())
{
    state().ContentDir = dir.path();
    dm = holder.get();
    ::platform().sounds.setPlayer(&sounds);
}

TestProgram::~TestProgram()
{
    ::platform().sounds.setPlayer(nullptr);
    dm = nullptr;
}
