// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/BrailleDisplay.h"
#include "platform/ClassServer.h"
#include "platform/HtmlView.h"
#include "platform/LearnerRecord.h"
#include "platform/MediaPlayer.h"
#include "rules/Services.h"
#include "platform/Sounds.h"

#include <functional>
#include <memory>

// How a window's browser view holds its web engine.
enum class ViewEngine
{
    Own,    // a page and its surfaces of its own, made when first needed
    Early,  // its own, made at once, so that the engine starts before the view is shown
    Shared, // one engine for all the windows of this kind, of which one at a time is shown
};

// The platform services the program runs on, set once at start-up: the real ones in the
// program, test doubles in the tests.
struct Platform
{
    std::function<HtmlView *(QWidget *parent, ViewEngine engine)> createHtmlView;
    std::function<MediaPlayer *(QObject *parent)> createMediaPlayer;
    std::unique_ptr<FontService> fonts;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<KeyboardState> keyboard;
    std::unique_ptr<MessageBoxes> messages;
    std::unique_ptr<RandomGenerator> random;
    // None in tests that do not need one.
    std::unique_ptr<BrailleDisplay> display;
    std::unique_ptr<LearnerRecord> record;
    // The school's server, where one is configured; it sends the record's entries, so it
    // goes before the record.
    std::unique_ptr<ClassServer> classServer;
    SoundService sounds;
};

Platform &platform();
void installPlatform(Platform services);
// The services of the desktop: WebEngine, Qt Multimedia, QFontDatabase, X11 and so on.
Platform realPlatform();

// The current directory of the process.
QString currentDirectory();

// The default report of a failure that nothing handles on purpose: its text in a message box.
// The handler that failed is abandoned; the program goes on.
void reportError(const QString &text);

// Makes a window maximised; where no window manager maximises it (a bare X server), it is
// also given the whole available screen.
void maximizeOnScreen(QWidget *window);
void showMaximizedOnScreen(QWidget *window);
// Places a window in the middle of the primary screen.
void centreOnScreen(QWidget *window);

// Gives the memory the program has freed back to the system (where the C library keeps it
// otherwise), once windows that used much of it have closed.
void returnFreedMemory();
