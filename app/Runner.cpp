#include "app/Runner.h"

void RunExercises(int, int)
{
}
