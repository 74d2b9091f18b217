#include "app/MainForm.h"
#include "app/Splash.h"
#include "app/Windows.h"
#include "data/dm_Unit1.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    // Every page of the program is a local file: one renderer process serves all views.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --process-per-site");
    SentieroApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Sentiero dei Punti"));
    application.setQuitOnLastWindowClosed(false);
    installPlatform(realPlatform());

    TMainForm mainForm;
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
