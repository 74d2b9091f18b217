// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether an assistive technology (a screen reader, a magnifier) is listening: the desktop's
// accessibility bus says so, or Qt's accessibility has been switched on by hand
// (QT_LINUX_ACCESSIBILITY_ALWAYS_ON).
bool assistiveTechnologyActive();

// Called once before the first page is shown: when an assistive technology is active, the
// browser views expose the text of their pages to it. Otherwise nothing changes, so that
// learners who do not need it pay nothing for it.
void exposePagesToAssistiveTechnology();
// Whether exposePagesToAssistiveTechnology() found an assistive technology.
bool pagesExposedToAssistiveTechnology();
