#include "app/MainForm.h"
#include "app/Splash.h"
#include "app/Windows.h"
#include "data/dm_Unit1.h"
#include "platform/Accessibility.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "platform/RealHtmlView.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    prepareWebEngine();
    SentieroApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Sentiero dei Punti"));
    // The desktop's menu entry and icon, once installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.sentierodeipunti.sentiero"));
    QGuiApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("it.sentierodeipunti.sentiero")));
    application.setQuitOnLastWindowClosed(false);
    installPlatform(realPlatform());
    exposePagesToAssistiveTechnology();

    TMainForm mainForm;
    mainForm.CheckFirstPage();
    Tdm dataHolder;
    dm = &dataHolder;

    auto *splash = new TSplashForm;
    splash->LoadClip(QStringLiteral("prova"));

    CreateRemainingWindows();

    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    splash->PlayClip();
    WaitForClip(splash);

    int status = 1;
    if (!mainForm.Terminated) {
        showMaximizedOnScreen(&mainForm);
        status = application.exec();
    }
    DestroyRemainingWindows();
    return status;
}
