#include "platform/Platform.h"

#include <QDir>

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
