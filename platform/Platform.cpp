#include "platform/Platform.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
    if (QScreen *screen = window->screen())
        window->setGeometry(screen->availableGeometry());
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
