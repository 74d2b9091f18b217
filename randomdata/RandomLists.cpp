// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomdata/RandomLists.h"

TFormex00dc *Formex00dc = nullptr;
TFormex01dc *Formex01dc = nullptr;
TFormex10dc *Formex10dc = nullptr;
TFormex11dc *Formex11dc = nullptr;
