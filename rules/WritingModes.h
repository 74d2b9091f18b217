// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the learner writes in the braille boxes: by the print keys, or by dots with six keys
// (F2), as on a braille writer or as on a slate (F3). The modes hold for the whole program and
// are kept between starts in a settings file of the learner's, saved at each change.
namespace WritingModes {

// The learner's settings file in the program's configuration folder.
QString learnerFile();
// Takes the modes kept in `file` (an INI file; none yet: every mode off). With an empty
// path nothing is kept, and F2 counts as known, so that no hint is given.
void recall(const QString &file);

bool sixKeys();
void setSixKeys(bool on);
// Whether six-key entry follows the slate's layout; only while six keys are on.
bool slate();
void setSlate(bool on);
// Whether the learner has turned six-key entry on or off at least once, in any start.
bool sixKeysKnown();
// Turning a mode on or off by its key makes six-key entry known.
void markKnown();

} // namespace WritingModes
