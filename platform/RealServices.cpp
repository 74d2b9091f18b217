// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Platform.h"

#include "platform/RealBrailleDisplay.h"
#include "platform/RealHtmlView.h"
#include "platform/RealMediaPlayer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

#include <chrono>
#include <random>

#ifdef SENTIERO_HAVE_X11
#include <QGuiApplication>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#endif

namespace {

class ApplicationFonts : public FontService
{
public:
    bool addFont(const QString &path) override
    {
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0)
            return false;
        m_ids.insert(path, id);
        return true;
    }

    void removeFont(const QString &path) override
    {
        const auto it = m_ids.find(path);
        if (it == m_ids.end())
            return;
        QFontDatabase::removeApplicationFont(it.value());
        m_ids.erase(it);
    }

private:
    QHash<QString, int> m_ids;
};

class DesktopShell : public Shell
{
public:
    void openUrl(const QString &url) override { QDesktopServices::openUrl(QUrl(url)); }
};

class XkbKeyboardState : public KeyboardState
{
public:
    std::uint8_t numLock() override
    {
#ifdef SENTIERO_HAVE_X11
        if (Display *display = x11Display()) {
            XkbStateRec state;
            if (XkbGetState(display, XkbUseCoreKbd, &state) == Success)
                return (state.locked_mods & numLockMask(display)) ? 1 : 0;
        }
#endif
        return 0;
    }

    void setNumLock(std::uint8_t state) override
    {
#ifdef SENTIERO_HAVE_X11
        if (Display *display = x11Display()) {
            const unsigned mask = numLockMask(display);
            XkbLockModifiers(display, XkbUseCoreKbd, mask, (state & 1) ? mask : 0);
            XFlush(display);
        }
#else
        Q_UNUSED(state);
#endif
    }

private:
#ifdef SENTIERO_HAVE_X11
    static Display *x11Display()
    {
        auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        return x11 ? x11->display() : nullptr;
    }
    static unsigned numLockMask(Display *display)
    {
        return XkbKeysymToModifiers(display, XK_Num_Lock);
    }
#endif
};

class DesktopMessageBoxes : public MessageBoxes
{
public:
    void showMessage(const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Sentiero dei Punti"), text,
                        QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }

    void information(const QString &caption, const QString &text) override
    {
        QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }

    bool ask(const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Sentiero dei Punti"), text,
                        QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sì"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
        return box.exec() == QMessageBox::Yes;
    }
};

class ClockSeededRandom : public RandomGenerator
{
public:
    void randomize() override
    {
        m_engine.seed(static_cast<std::mt19937::result_type>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }

    int next(int n) override
    {
        if (n <= 0)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
    }

private:
    std::mt19937 m_engine{std::random_device{}()};
};

} // namespace

Platform realPlatform()
{
    Platform services;
    services.createHtmlView = [](QWidget *parent, ViewEngine engine) {
        auto *view = new RealHtmlView(parent);
        if (engine == ViewEngine::Shared)
            view->shareEngine();
        else if (engine == ViewEngine::Early)
            view->prepareEngine();
        return view;
    };
    services.createMediaPlayer = [](QObject *parent) { return new RealMediaPlayer(parent); };
    services.fonts = std::make_unique<ApplicationFonts>();
    services.shell = std::make_unique<DesktopShell>();
    services.keyboard = std::make_unique<XkbKeyboardState>();
    services.messages = std::make_unique<DesktopMessageBoxes>();
    services.random = std::make_unique<ClockSeededRandom>();
    services.display = std::make_unique<RealBrailleDisplay>();
    services.record = openSqlLearnerRecord(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const ClassSettings classSettings = readClassSettings();
    if (!classSettings.problem.isEmpty())
        services.messages->showMessage(classSettings.problem);
    if (classSettings.configured())
        services.classServer = openClassServer(classSettings, services.record.get());
    return services;
}
