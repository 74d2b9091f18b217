// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Platform.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
Platform &services()
{
    static Platform instance;
    return instance;
}
} // namespace

Platform &platform()
{
    return services();
}

void installPlatform(Platform replacement)
{
    services() = std::move(replacement);
}

QString currentDirectory()
{
    return QDir::currentPath();
}

void maximizeOnScreen(QWidget *window)
{
    if (QScreen *screen = window->screen()) {
        // The window's frame fits the screen too: a window manager that gives the window
        // back its own size (the maximise button pressed again) leaves nothing below it.
        QRect area = screen->availableGeometry();
        if (window->isVisible()) {
            const QRect frame = window->frameGeometry();
            const QRect client = window->geometry();
            area.adjust(client.left() - frame.left(), client.top() - frame.top(),
                        client.right() - frame.right(), client.bottom() - frame.bottom());
        }
        window->setGeometry(area);
    }
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void showMaximizedOnScreen(QWidget *window)
{
    maximizeOnScreen(window);
    window->show();
}

void centreOnScreen(QWidget *window)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
}

void returnFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
