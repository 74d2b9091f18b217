// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"

#include "app/ClassRegister.h"
#include "rules/Commands.h"
#include "rules/DamagedContent.h"
#include "app/Progress.h"
#include "app/Runner.h"
#include "app/SignReview.h"
#include "app/Splash.h"
#include "app/TestMistakes.h"
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "platform/Announcer.h"
#include "platform/ErrorReport.h"
#include "rules/MissingPage.h"
#include "platform/Platform.h"
#include "rules/SafeFile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

const QStringList TMainForm::FontFiles = {
    QStringLiteral("\\font\\zevsim.ttf"),     QStringLiteral("\\font\\zevbrl6_all.ttf"),
    QStringLiteral("\\font\\zevbrl8.ttf"),    QStringLiteral("\\font\\daduvot.ttf"),
    QStringLiteral("\\font\\Greek1.ttf"),     QStringLiteral("\\font\\zevbrl6m.ttf"),
    QStringLiteral("\\font\\zevbrl6mnd.ttf"), QStringLiteral("\\font\\zevbrl6nd.ttf"),
};

TMainForm::TMainForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Sentiero dei Punti"));
    resize(800, 600);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    WB = platform().createHtmlView(this, ViewEngine::Early);
    WB->setObjectName(QStringLiteral("WB"));
    WB->setAccessibleName(QStringLiteral("Pagina della lezione"));
    layout->addWidget(WB);
    WB->BeforeNavigate = [this](const QString &url, bool &cancel) {
        WBBeforeNavigate2(url, cancel);
    };
    // A missing lesson page leads back ("indietro", as on every lesson page) or to the first.
    WB->MissingPage = [](const QString &path) {
        return missingPageHtml(
            path, QStringLiteral("<p><a href=\"indietro.htm\">Torna alla pagina precedente</a></p>"
                                 "<p><a href=\"%1\">Vai alla pagina iniziale</a></p>")
                      .arg(QUrl::fromLocalFile(contentFile(QStringLiteral("\\html\\fr1.htm")))
                               .toString(QUrl::FullyEncoded)));
    };
    connect(WB, &HtmlView::downloadComplete, this, &TMainForm::WBDownloadComplete);
    sayEachPage(WB);
    connect(WB, &HtmlView::backEnabledChanged, this, &TMainForm::WBCommandStateChange);

    MP1 = platform().createMediaPlayer(this);
    MP1->setObjectName(QStringLiteral("MP1"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);

    FormCreate();
}

void TMainForm::FormCreate()
{
    PendingAction.reset();
    BackEnabled = false;
    state().ContentDir = currentDirectory();
    platform().sounds.setPlayer(MP1);

    KeyboardState &keyboard = *platform().keyboard;
    if (keyboard.numLock() == 0)
        keyboard.setNumLock(1);

    for (const QString &font : FontFiles) {
        if (!platform().fonts->addFont(contentFile(font))) {
            platform().messages->showMessage(QStringLiteral("Errore nell'installazione dei font"));
            Terminated = true;
            return;
        }
    }
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    FocusDocument();
            });
}

void TMainForm::CheckFirstPage()
{
    if (Terminated)
        return;
    const QString page = contentFile(QStringLiteral("\\html\\fr1.htm"));
    if (QFileInfo(page).isFile())
        return;
    platform().messages->showMessage(missingFirstPageMessage(page));
    Terminated = true;
}

void TMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TMainForm::StartFirstPage()
{
    // The register is read from the server once the window shows, inside the event loop.
    if (ClassRegisterAtStart)
        return;
    WB->navigate(contentFile(QStringLiteral("\\html\\fr1.htm")));
    m_firstPageStarted = true;
}

void TMainForm::FormShow()
{
    if (std::exchange(ClassRegisterAtStart, false)) {
        NavigationCommand command;
        command.kind = NavigationCommand::ClassRegister;
        defer(command);
    } else if (std::exchange(m_firstPageStarted, false))
        FocusDocument();
    else
        WB->navigate(contentFile(QStringLiteral("\\html\\fr1.htm")));
}

void TMainForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TMainForm::FormActivate()
{
    FocusDocument();
}

void TMainForm::WBDownloadComplete()
{
    runGuarded([this] { RefreshProgress(); });
    FocusDocument();
}

void TMainForm::WBCommandStateChange(bool backEnabled)
{
    BackEnabled = backEnabled;
}

void TMainForm::FocusDocument()
{
    WB->focusDocument();
}

void TMainForm::ShowFindBox()
{
    WB->showFindBox();
}

void TMainForm::enableTimer()
{
    // Enabling a running timer does not restart its period.
    if (!Timer1->isActive())
        Timer1->start();
}

void TMainForm::WBBeforeNavigate2(const QString &url, bool &cancel)
{
    // The progress page lies in the learner's data folder: its links are read below it.
    const QString pagesUrl = QUrl::fromLocalFile(progressFolder()).toString();
    const NavigationCommand command = classifyNavigation(
        url,
        url.startsWith(pagesUrl) ? pagesUrl : QUrl::fromLocalFile(state().ContentDir).toString());
    switch (command.kind) {
    case NavigationCommand::None:
        return;
    case NavigationCommand::External:
        // Only a web or e-mail address goes to the desktop: a course file whose name holds
        // "http:" would be opened by whatever program the desktop gives its kind.
        if (const QString scheme = QUrl(url).scheme().toLower();
            scheme == QLatin1String("http") || scheme == QLatin1String("https")
            || scheme == QLatin1String("mailto"))
            platform().shell->openUrl(url);
        cancel = true;
        return;
    case NavigationCommand::Back:
        cancel = true;
        if (BackEnabled)
            WB->goBack();
        return;
    case NavigationCommand::Find:
        // The find box comes once the focus is in the page.
        FocusDocument();
        [[fallthrough]];
    case NavigationCommand::Exit:
    case NavigationCommand::Progress:
    case NavigationCommand::Export:
    case NavigationCommand::ClassRegister:
    case NavigationCommand::ClassExport:
        cancel = true;
        defer(command);
        return;
    case NavigationCommand::TodayReview:
    case NavigationCommand::PracticeSheet:
        cancel = true;
        defer(command);
        return;
    case NavigationCommand::Lesson:
    case NavigationCommand::Review:
        // A link whose digit names no course starts nothing: no command is pending.
        cancel = true;
        if (command.runCourse())
            defer(command);
        return;
    }
}

void TMainForm::defer(const NavigationCommand &command)
{
    PendingAction = command;
    enableTimer();
}

QString TMainForm::progressFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

// The learner's progress page as the record stands now, in the course's look.
static QByteArray currentProgressPage()
{
    ProgressLinks links;
    const QString styleSheet = contentFile(QStringLiteral("\\html\\stile.css"));
    if (QFileInfo(styleSheet).isFile())
        links.styleSheet = QUrl::fromLocalFile(styleSheet).toString(QUrl::FullyEncoded);
    links.mistakes = testMistakesPages();
    links.memory = &signMemory();
    LearnerRecord *record = platform().record.get();
    return record ? progressPage(record->exercises(), record->runs(), QString(), links)
                  : progressPage({}, {}, QString(), links);
}

void TMainForm::ShowProgress()
{
    const QString path = QDir(progressFolder()).filePath(QStringLiteral("registro.htm"));
    if (writeLearnerFile(path, currentProgressPage(),
                         QStringLiteral("scrivere la pagina dei progressi")))
        WB->navigate(path);
}

void TMainForm::RefreshProgress()
{
    const QString path = QDir(progressFolder()).filePath(QStringLiteral("registro.htm"));
    if (QUrl(WB->currentUrl()).toLocalFile() != path)
        return;
    // Shown again (after a run or a review, back from a link): written anew when the record
    // has changed since.
    const QByteArray page = currentProgressPage();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == page)
        return;
    file.close();
    if (writeLearnerFile(path, page, QStringLiteral("scrivere la pagina dei progressi")))
        WB->navigate(path);
}

void TMainForm::ExportRecord()
{
    LearnerRecord *record = platform().record.get();
    const QByteArray csv =
        record ? recordCsv(record->exercises(), record->runs()) : recordCsv({}, {});
    const QString path = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                             .filePath(QStringLiteral("Sentiero dei Punti - progressi.csv"));
    if (!writeLearnerFile(path, csv, QStringLiteral("esportare il registro")))
        return;
    platform().messages->showMessage(QStringLiteral("Il registro è stato esportato in \"%1\".")
                                         .arg(QDir::toNativeSeparators(path)));
}

// The class as the school's server gives it; empty, with a message, when it cannot be read.
static QList<LearnerEntries> readClass(bool &read)
{
    read = false;
    ClassServer *server = platform().classServer.get();
    if (!server) {
        platform().messages->showMessage(
            QStringLiteral("Il registro della classe non è configurato: il server e il database "
                           "della scuola vanno scritti in \"%1\" (o nel file comune a tutti i "
                           "computer, /etc/xdg/Sentiero dei Punti/registro.conf).")
                .arg(QDir::toNativeSeparators(userClassSettingsFile())));
        return {};
    }
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QList<LearnerEntries> learners = server->readClass(error);
    QApplication::restoreOverrideCursor();
    if (!error.isEmpty()) {
        platform().messages->showMessage(
            QStringLiteral("Non è stato possibile leggere il registro della classe: %1.").arg(error));
        return {};
    }
    read = true;
    return learners;
}

void TMainForm::ShowClassRegister()
{
    bool read = false;
    const QList<LearnerEntries> learners = readClass(read);
    const QDir folder(QDir(progressFolder()).filePath(QStringLiteral("classe")));
    if (!read) {
        // The window is not left empty when it opened on the register.
        if (WB->currentUrl().isEmpty())
            WB->navigate(contentFile(QStringLiteral("\\html\\fr1.htm")));
        return;
    }
    for (int index = 0; index < learners.size(); ++index) {
        const LearnerEntries &learner = learners[index];
        if (!writeLearnerFile(folder.filePath(learnerPageName(index)),
                              progressPage(learner.exercises, learner.runs, learner.learner),
                              QStringLiteral("scrivere il registro della classe")))
            return;
    }
    const QString path = folder.filePath(QStringLiteral("elenco.htm"));
    if (writeLearnerFile(path, classRegisterPage(learners, QDateTime::currentDateTime()),
                         QStringLiteral("scrivere il registro della classe")))
        WB->navigate(path);
}

void TMainForm::ExportClass()
{
    bool read = false;
    const QList<LearnerEntries> learners = readClass(read);
    if (!read)
        return;
    const QString path = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                             .filePath(QStringLiteral("Sentiero dei Punti - classe.csv"));
    if (!writeLearnerFile(path, classRegisterCsv(learners),
                          QStringLiteral("esportare il registro della classe")))
        return;
    platform().messages->showMessage(
        QStringLiteral("Il registro della classe è stato esportato in \"%1\".")
            .arg(QDir::toNativeSeparators(path)));
}

void TMainForm::Timer1Timer()
{
    Timer1->stop();
    const NavigationCommand command = PendingAction.value_or(NavigationCommand());
    // A run that fails (a course table that cannot be read) has shown its message; the
    // lesson page gets the focus back all the same.
    switch (command.kind) {
    case NavigationCommand::Find:
        // The command stays until the next command link replaces it, and the focus stays
        // in the find box.
        ShowFindBox();
        return;
    case NavigationCommand::Exit:
        close();
        return;
    case NavigationCommand::Lesson:
        runGuarded([&command] { RunExercises(*command.runCourse(), command.lesson); });
        break;
    case NavigationCommand::Review:
        runGuarded([&command] { RunReview(*command.runCourse()); });
        break;
    case NavigationCommand::TodayReview:
        runGuarded([] { RunTodayReview(); });
        break;
    case NavigationCommand::PracticeSheet:
        runGuarded([] { WritePracticeSheet(); });
        break;
    case NavigationCommand::Progress:
        runGuarded([this] { ShowProgress(); });
        break;
    case NavigationCommand::Export:
        runGuarded([this] { ExportRecord(); });
        break;
    case NavigationCommand::ClassRegister:
        runGuarded([this] { ShowClassRegister(); });
        break;
    case NavigationCommand::ClassExport:
        runGuarded([this] { ExportClass(); });
        break;
    default:
        break;
    }
    PendingAction.reset();
    runGuarded([this] { RefreshProgress(); });
    FocusDocument();
    // The command's windows have closed, and with them the frames and pages they drew.
    returnFreedMemory();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    event->accept();
}

void TMainForm::FormClose()
{
    // A command still waiting for the timer would run inside the closing clip's wait.
    Timer1->stop();
    PendingAction.reset();
    for (const QString &font : FontFiles)
        platform().fonts->removeFont(contentFile(font));

    auto *splash = new TSplashForm;
    splash->LoadClip(QStringLiteral("OO"));

    if (dm) {
        dm->Table1.close();
        dm->Table1.AfterScroll = nullptr;
        dm->Table1.AfterCancel = nullptr;
    }
    hide();

    splash->show();
    splash->repaint();
    splash->PlayClip();
    QCoreApplication::processEvents();
    splash->activateWindow();
    splash->setFocus();
    QCoreApplication::processEvents();
    WaitForClip(splash);
    QCoreApplication::quit();
}
