// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/MainForm.h"
#include "app/Splash.h"
#include "app/Windows.h"
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "platform/Accessibility.h"
#include "platform/ErrorReport.h"
#include "platform/FocusStyle.h"
#include "platform/HtmlView.h"
#include "platform/Platform.h"
#include "platform/RealHtmlView.h"
#include "platform/SingleCopy.h"
#include "platform/Zoom.h"
#include "rules/WritingModes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <optional>

// A course folder comes from anywhere: every page the program shows stays inside it or the
// learner's own folders, where the progress page and a read-only course's page file lie.
static void keepPagesInsideTheCourse()
{
    Platform &services = platform();
    services.createHtmlView = [make = std::move(services.createHtmlView)](QWidget *parent,
                                                                          ViewEngine engine) {
        HtmlView *view = make(parent, engine);
        view->PageFolders = [] {
            return QStringList{
                state().ContentDir,
                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)};
        };
        return view;
    };
}

// sentiero [FOLDER]: the course of that folder becomes the current one, where the program
// takes its content from. False, having said why, when there is no such folder.
static bool enterNamedCourse()
{
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1String("--")))
            continue;
        if (QFileInfo(argument).isDir() && QDir::setCurrent(argument))
            return true;
        platform().messages->showMessage(
            QStringLiteral("La cartella del corso \"%1\" non c'è o non si può aprire.")
                .arg(QDir::toNativeSeparators(argument)));
        return false;
    }
    return true;
}

// Started where there is no course (an empty folder, a clone's root): what a course folder
// is and how to name it; where the package installed the demo course, it is offered.
static void explainCourseFolder()
{
    // A course with a page or a font missing says so itself.
    if (QFileInfo(contentFile(QStringLiteral("\\html"))).isDir()
        || QFileInfo(contentFile(QStringLiteral("\\font"))).isDir())
        return;
    const QString text =
        QStringLiteral("Nella cartella \"%1\" non c'è un corso di Sentiero dei Punti. Un corso è una "
                       "cartella con le cartelle html, font, Ex, img, sound e pres: avvia il "
                       "programma da quella cartella, oppure indicala così: sentiero CARTELLA.")
            .arg(QDir::toNativeSeparators(QDir::currentPath()));
    const QString demo = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                         + QStringLiteral("/../share/sentiero-dei-punti/course"));
    if (!QFileInfo(demo + QStringLiteral("/html/fr1.htm")).isFile() || demo == QDir::currentPath()) {
        platform().messages->showMessage(text);
        return;
    }
    if (platform().messages->ask(text + QStringLiteral("\n\nVuoi aprire il corso dimostrativo installato?")))
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {demo});
}

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
    // A second start of the same learner brings the first copy to the front, and ends.
    if (SingleCopy::askRunningCopy())
        return 0;
    // The zoom the learner chose last time, before any window is made.
    zoom().remember(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                        .filePath(QStringLiteral("Sentiero dei Punti/sentiero.conf")));
    installPlatform(realPlatform());
    // How the learner wrote braille last time: six keys, the slate.
    WritingModes::recall(WritingModes::learnerFile());
    if (!enterNamedCourse()) {
        installPlatform({});
        return 1;
    }
    keepPagesInsideTheCourse();
    exposePagesToAssistiveTechnology();
    step("application");

    int status = 1;
    {
        TMainForm mainForm;
        // The teacher's command: the class register instead of the first lesson page.
        mainForm.ClassRegisterAtStart =
            QCoreApplication::arguments().contains(QStringLiteral("--registro"));
        mainForm.CheckFirstPage();
        if (mainForm.Terminated)
            explainCourseFolder();
        const SingleCopy copy([&mainForm] {
            if (mainForm.isMinimized())
                mainForm.showMaximized();
            mainForm.raise();
            mainForm.activateWindow();
        });
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

        // The other windows are made, in their order, once the first page has loaded: made
        // sooner, they hold up the browser's work on that page, which shares this thread.
        // No command can come before, since commands come from the links of a page. A first
        // page that never loads (one that cannot be read) has them made a second after the
        // window shows.
        std::optional<WindowRegistry> windows;
        const auto makeWindows = [&] {
            if (windows)
                return;
            windows.emplace();
            if (watch.windowsCreated)
                watch.windowsCreated();
            step("windows");
        };
        QObject::connect(mainForm.WB, &HtmlView::downloadComplete, &mainForm, makeWindows,
                         Qt::SingleShotConnection);

        // Without a clip to play (none in the course, or one that cannot be opened) there is
        // nothing to show.
        if (!splash->clipFinished()) {
            splash->show();
            splash->repaint();
            QCoreApplication::processEvents();
            splash->PlayClip();
        }
        WaitForClip(splash);
        step("clip played");

        if (!mainForm.Terminated) {
            if (watch.beforeEventLoop)
                watch.beforeEventLoop();
            showMaximizedOnScreen(&mainForm);
            QTimer::singleShot(1000, &mainForm, makeWindows);
            // Entries waiting since the last session go now, in the background.
            if (platform().classServer)
                platform().classServer->start();
            status = application.exec();
        }
    }
    // The services go before the application: the record's database and the display's
    // connection are closed while Qt still runs.
    installPlatform({});
    return status;
}
