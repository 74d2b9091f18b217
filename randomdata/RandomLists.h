// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "randomdata/RandomDataLists.h"
#include "randomdata/ex00datcas_Unit1.h"
#include "randomdata/ex01datcas_Unit1.h"
#include "randomdata/ex10datcas_Unit1.h"
#include "randomdata/ex11datcas_Unit1.h"

// The random-data dialogs of the alphabet types 0 and 1 and of the mathematics types 100 and
// 101, made hidden at start-up and handed to the exercise windows of those types, which fill
// their lists.
