// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/MainForm.h"
#include "app/Splash.h"
#include "app/Windows.h"
#include "data/dm_Unit1.h"
#include "platform/Accessibility.h"
#include "platform/ErrorReport.h"
#include "platform/FocusStyle.h"
#include "platform/Platform.h"
#include "platform/RealHtmlView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>

int RunProgram(int argc, char *argv[], const StartWatch &watch)
{
    const auto step = [&watch](const char *name) {
        if (watch.step)
            watch.step(name);
    };
    prepareWebEngine();
    SentieroApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Sentiero dei Punti"));
    // The desktop's menu entry and icon, once installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.sentierodeipunti.sentiero"));
    QGuiApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("it.sentierodeipunti.sentiero")));
    application.setQuitOnLastWindowClosed(false);
    QApplication::setStyle(createFocusMarkingStyle());
    installPlatform(realPlatform());
    exposePagesToAssistiveTechnology();
    step("application");

    int status = 1;
    {
        TMainForm mainForm;
        mainForm.CheckFirstPage();
        step("main window");
        if (watch.mainWindow)
            watch.mainWindow(mainForm);
        if (!mainForm.Terminated)
            mainForm.StartFirstPage();
        Tdm dataHolder;
        dm = &dataHolder;

        auto *splash = new TSplashForm;
        splash->LoadClip(QStringLiteral("prova"));
        step("splash");

        WindowRegistry windows;
        if (watch.windowsCreated)
            watch.windowsCreated();
        step("windows");

        splash->show();
        splash->repaint();
        QCoreApplication::processEvents();
        splash->PlayClip();
        WaitForClip(splash);
        step("clip played");

        if (!mainForm.Terminated) {
            if (watch.beforeEventLoop)
                watch.beforeEventLoop();
            showMaximizedOnScreen(&mainForm);
            status = application.exec();
        }
    }
    // The services go before the application: the record's database and the display's
    // connection are closed while Qt still runs.
    installPlatform({});
    return status;
}
