#include "fakes/ProgramState.h"

#include "app/Globals.h"
#include "data/dm_Unit1.h"

ProgramState::ProgramState() : holder(std::make_unique<Tdm>())
{
    ContentDir = dir.path();
    dm = holder.get();
    SharedPlayer = &sounds;
    CorrectCount = 0;
    WrongAttempts = 0;
}

ProgramState::~ProgramState()
{
    SharedPlayer = nullptr;
    dm = nullptr;
}
