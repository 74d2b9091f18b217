#pragma once

// Creates every window that lives from start-up to the end, hidden, once each, in the
// order the program relies on (the category dialog first, the music windows last).
void CreateRemainingWindows();
// Destroys them, last created first, before the application object goes.
void DestroyRemainingWindows();
