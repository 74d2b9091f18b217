// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ProgramState.h"
#include "app/MainForm.h"
#include "app/Splash.h"
#include "rules/dm_Unit1.h"
#include "fakes/Fakes.h"

#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void numLock_data();
    void numLock();
    void fontsAddedInOrder();
    void fontFailureStopsAndTerminates();
    void commandLinks();
    void backOnlyWhenEnabled();
    void twoLinksRunOnlyTheLastOnce();
    void exitLinkRunsShutdown();
    void closingDropsAPendingCommand();

    void waitEndsBySpace();
    void waitEndsAtEndOfClip();
    void waitEndsBySecondPlayingNotice();
    void waitEndsWhenPlayingStops();
    void waitEndsForClipThatCannotBeOpened();

private:
    TSplashForm *startedSplash(const QString &clip);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
    std::unique_ptr<FakePlatform> m_platform;
};

void TestShell::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    m_platform = std::make_unique<FakePlatform>();
}

void TestShell::cleanup()
{
    m_platform.reset();
    QDir::setCurrent(m_oldDir);
    m_dir.reset();
}

void TestShell::numLock_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("writes");
    QTest::newRow("off is switched on") << 0 << 1 << 1;
    QTest::newRow("on stays") << 1 << 1 << 0;
    QTest::newRow("held down stays") << 0x80 << 0x80 << 0;
    QTest::newRow("held and on stays") << 0x81 << 0x81 << 0;
}

void TestShell::numLock()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(int, writes);
    m_platform->keyboard->state = std::uint8_t(before);
    TMainForm form;
    QCOMPARE(int(m_platform->keyboard->state), after);
    QCOMPARE(m_platform->keyboard->writes, writes);
}

void TestShell::fontsAddedInOrder()
{
    TMainForm form;
    QCOMPARE(state().ContentDir, m_dir->path());
    QCOMPARE(platform().sounds.player(), form.MP1);
    QVERIFY(!form.Terminated);
    const QStringList expected = {"zevsim.ttf",     "zevbrl6_all.ttf", "zevbrl8.ttf",
                                  "daduvot.ttf",    "Greek1.ttf",      "zevbrl6m.ttf",
                                  "zevbrl6mnd.ttf", "zevbrl6nd.ttf"};
    QCOMPARE(m_platform->fonts->added.size(), 8);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(m_platform->fonts->added[i], m_dir->path() + "/font/" + expected[i]);
    QVERIFY(m_platform->messages->shown.isEmpty());
}

void TestShell::fontFailureStopsAndTerminates()
{
    m_platform->fonts->failAt = 2;
    TMainForm form;
    QVERIFY(form.Terminated);
    QCOMPARE(m_platform->fonts->added.size(), 2); // the rest are not tried
    QCOMPARE(m_platform->messages->shown, QStringList{"Errore nell'installazione dei font"});
}

void TestShell::commandLinks()
{
    TMainForm form;
    auto *view = static_cast<FakeHtmlView *>(form.WB);
    const QString dir = QUrl::fromLocalFile(m_dir->path()).toString();

    QVERIFY(!view->fireNavigation(dir + "/html/fr2.htm"));
    QVERIFY(view->fireNavigation("HTTP://www.example.org/"));
    QVERIFY(view->fireNavigation("mailto:anna@example.org"));
    QCOMPARE(m_platform->shell->opened,
             QStringList({"HTTP://www.example.org/", "mailto:anna@example.org"}));
    QVERIFY(!view->fireNavigation("https://www.example.org/"));
    QCOMPARE(m_platform->shell->opened.size(), 2);

    QVERIFY(view->fireNavigation(dir + "/html/412eser.htm"));
    QVERIFY(!form.PendingAction);
    QVERIFY(!form.Timer1->isActive());

    QVERIFY(view->fireNavigation(dir + "/html/100eser.htm"));
    QCOMPARE(form.PendingAction->runCourse(), Course::Alphabet);
    QCOMPARE(form.PendingAction->lesson, -1); // PendingLesson
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(form.Timer1->interval(), 500);
    form.Timer1->stop();

    const int focusBefore = view->focusCalls;
    QVERIFY(view->fireNavigation(dir + "/html/trova.htm"));
    QCOMPARE(form.PendingAction->kind, NavigationCommand::Find);
    QCOMPARE(view->focusCalls, focusBefore + 1);
    QTRY_COMPARE_WITH_TIMEOUT(view->findCalls, 1, 2000);
    // The find box keeps its command, and no focus call follows.
    QCOMPARE(form.PendingAction->kind, NavigationCommand::Find);
    QCOMPARE(view->focusCalls, focusBefore + 1);
    QVERIFY(!form.Timer1->isActive());
}

void TestShell::backOnlyWhenEnabled()
{
    TMainForm form;
    auto *view = static_cast<FakeHtmlView *>(form.WB);
    const QString dir = QUrl::fromLocalFile(m_dir->path()).toString();
    QVERIFY(view->fireNavigation(dir + "/html/indietro.htm"));
    QCOMPARE(view->backCalls, 0);
    emit view->backEnabledChanged(true);
    QVERIFY(view->fireNavigation(dir + "/html/indietro.htm"));
    QCOMPARE(view->backCalls, 1);
    emit view->backEnabledChanged(false);
    QVERIFY(view->fireNavigation(dir + "/html/indietro.htm"));
    QCOMPARE(view->backCalls, 1);
}

void TestShell::twoLinksRunOnlyTheLastOnce()
{
    TMainForm form;
    auto *view = static_cast<FakeHtmlView *>(form.WB);
    const QString dir = QUrl::fromLocalFile(m_dir->path()).toString();
    view->fireNavigation(dir + "/html/trova.htm");
    const int timerId = form.Timer1->timerId();
    view->fireNavigation(dir + "/html/201eser.htm");
    QCOMPARE(form.Timer1->timerId(), timerId); // not restarted
    view->fireNavigation(dir + "/html/trova.htm");
    QTRY_COMPARE_WITH_TIMEOUT(view->findCalls, 1, 2000);
    QTest::qWait(600);
    QCOMPARE(view->findCalls, 1);
}

void TestShell::exitLinkRunsShutdown()
{
    Tdm holder;
    dm = &holder;
    holder.Table1.AfterScroll = [] {};
    holder.Table1.AfterCancel = [] {};
    {
        TMainForm form;
        form.show();
        auto *view = static_cast<FakeHtmlView *>(form.WB);
        QCOMPARE(view->navigations, QStringList{m_dir->path() + "/html/fr1.htm"});
        const QString dir = QUrl::fromLocalFile(m_dir->path()).toString();
        QVERIFY(view->fireNavigation(dir + "/html/esci.htm"));
        QCOMPARE(form.PendingAction->kind, NavigationCommand::Exit);

        // The closing clip plays until the player says it has ended.
        const int playersBefore = m_platform->players.size();
        QTimer::singleShot(700, this, [&] {
            QVERIFY(m_platform->players.size() == playersBefore + 1);
            QCOMPARE(m_platform->players.last()->played,
                     QStringList{m_dir->path() + "/pres/OO.avi"});
            m_platform->players.last()->finish();
        });
        QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(m_platform->fonts->removed, m_platform->fonts->added, 3000);
    }
    QVERIFY(!holder.Table1.active());
    QVERIFY(!holder.Table1.AfterScroll);
    QVERIFY(!holder.Table1.AfterCancel);
    dm = nullptr;
}

void TestShell::closingDropsAPendingCommand()
{
    TMainForm form;
    form.show();
    auto *view = static_cast<FakeHtmlView *>(form.WB);
    view->fireNavigation(QUrl::fromLocalFile(m_dir->path()).toString() + "/html/101eser.htm");
    QVERIFY(form.Timer1->isActive());
    QTimer::singleShot(100, this, [this] { m_platform->players.last()->finish(); });
    form.close();
    QVERIFY(!form.Timer1->isActive());
    QVERIFY(!form.PendingAction);
}

TSplashForm *TestShell::startedSplash(const QString &clip)
{
    QDir(m_dir->path()).mkpath("pres");
    state().ContentDir = m_dir->path();
    auto *splash = new TSplashForm;
    splash->LoadClip(clip);
    splash->show();
    splash->PlayClip();
    return splash;
}

void TestShell::waitEndsBySpace()
{
    TSplashForm *splash = startedSplash("prova");
    auto *player = m_platform->players.last();
    QCOMPARE(player->commands.first(), "open " + m_dir->path() + "/pres/prova.avi");
    QTimer::singleShot(50, splash, [splash] {
        QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QCoreApplication::sendEvent(splash, &other);
        QVERIFY(!splash->clipFinished());
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
        QCoreApplication::sendEvent(splash, &space);
    });
    WaitForClip(splash); // the splash and its player are gone now
    QCOMPARE(m_platform->playerJournal.last(), "stop");
}

void TestShell::waitEndsAtEndOfClip()
{
    TSplashForm *splash = startedSplash("prova");
    auto *player = m_platform->players.last();
    QVERIFY(player->Notify);
    QTimer::singleShot(50, player, [player] { player->finish(); });
    WaitForClip(splash);
}

void TestShell::waitEndsBySecondPlayingNotice()
{
    TSplashForm *splash = startedSplash("prova");
    auto *player = m_platform->players.last();
    QTimer::singleShot(30, player, [player, splash] {
        player->sendNotify(); // still playing: counted, and the notification re-armed
        QVERIFY(!splash->clipFinished());
        QVERIFY(player->Notify);
        player->sendNotify();
    });
    WaitForClip(splash);
    QCOMPARE(m_platform->playerJournal.last(), "stop"); // the wait stopped it
}

void TestShell::waitEndsWhenPlayingStops()
{
    TSplashForm *splash = startedSplash("prova");
    auto *player = m_platform->players.last();
    player->Notify = false; // no notification at all: the poll alone ends the wait
    QTimer::singleShot(80, player, [player] { player->currentMode = MediaPlayer::Mode::Stopped; });
    WaitForClip(splash);
}

void TestShell::waitEndsForClipThatCannotBeOpened()
{
    state().ContentDir = m_dir->path();
    auto *splash = new TSplashForm;
    m_platform->players.last()->failOpen = true;
    splash->LoadClip("OO");
    splash->show();
    splash->PlayClip();
    QVERIFY(splash->clipFinished());
    WaitForClip(splash);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
