// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RealMediaPlayer.h"
#include "rules/Services.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// The desktop player must never leave a waiting caller hanging, whatever the file.
class TestMediaPlayer : public QObject
{
    Q_OBJECT
private slots:
    void missingFileIsRefused();
    void garbageEndsWithNotification();
    void soundPlaysToItsEnd();
    void stopNotifiesWhenArmed();
};

void TestMediaPlayer::missingFileIsRefused()
{
    RealMediaPlayer player;
    player.setFileName("/nonexistent/prova.avi");
    QVERIFY_THROWS_EXCEPTION(PlatformError, player.open());
    QSignalSpy notified(&player, &MediaPlayer::notify);
    player.Notify = true;
    player.play(); // nothing opened: the command ends at once
    QTRY_COMPARE(notified.size(), 1);
    QVERIFY(player.mode() != MediaPlayer::Mode::Playing);
}

void TestMediaPlayer::garbageEndsWithNotification()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("broken.avi"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5a'));
    file.close();

    QWidget surface;
    RealMediaPlayer player;
    player.setDisplay(&surface);
    player.setFileName(file.fileName());
    player.open();
    QSignalSpy notified(&player, &MediaPlayer::notify);
    player.Notify = true;
    player.play();
    QTRY_COMPARE_WITH_TIMEOUT(notified.size(), 1, 15000);
    QCOMPARE(player.mode(), MediaPlayer::Mode::Stopped);
}

void TestMediaPlayer::soundPlaysToItsEnd()
{
    const QString sound = QStringLiteral(SENTIERO_SOURCE_DIR "/course/sound/good5.wav");
    if (!QFile::exists(sound))
        QFAIL("the demo course's sound is missing");
    RealMediaPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::notify);
    // The second time the file is already loaded, and played from its start.
    for (int time = 1; time <= 2; ++time) {
        player.setFileName(sound);
        player.open();
        player.Notify = true;
        player.play();
        // On a machine without a sound device the sound has ended at once.
        if (!QMediaDevices::audioOutputs().isEmpty())
            QCOMPARE(player.mode(), MediaPlayer::Mode::Playing);
        QTRY_COMPARE_WITH_TIMEOUT(notified.size(), time, 15000);
        QCOMPARE(player.mode(), MediaPlayer::Mode::Stopped);
    }
}

void TestMediaPlayer::stopNotifiesWhenArmed()
{
    const QString sound = QStringLiteral(SENTIERO_SOURCE_DIR "/course/sound/good5.wav");
    RealMediaPlayer player;
    player.setFileName(sound);
    player.open();
    QSignalSpy notified(&player, &MediaPlayer::notify);
    player.play();
    player.stop(); // not armed: no notification
    QTest::qWait(50);
    QCOMPARE(notified.size(), 0);
    player.Notify = true;
    player.stop();
    QTRY_COMPARE(notified.size(), 1);
}

QTEST_MAIN(TestMediaPlayer)
#include "tst_mediaplayer.moc"
