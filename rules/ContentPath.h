// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// ContentDir + a backslash path such as "\Ex\ESER_1.DB" as a path of this file system.
// Each name is matched without regard to case when the exact name is absent.
QString contentPath(const QString &contentDir, const QString &relative);
