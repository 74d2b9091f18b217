#include "app/Windows.h"

void CreateRemainingWindows()
{
}
