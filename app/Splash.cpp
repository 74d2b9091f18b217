// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Splash.h"

#include "rules/ProgramState.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

const QString SkipHint = QStringLiteral("Premi Spazio per saltare il filmato");
constexpr int HintHeight = 24;

// The frame around the clip: raised outer bevel, 8 pixels of border, lowered inner bevel.
class BevelPanel : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect outer = rect();
        painter.fillRect(outer, palette().window());
        const QColor light = palette().window().color().lighter(160);
        const QColor dark = palette().window().color().darker(200);
        painter.setPen(Qt::black); // the single border line
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
        drawBevel(painter, outer.adjusted(1, 1, -1, -1), light, dark);
        drawBevel(painter, outer.adjusted(10, 10, -10, -10), dark, light);
    }

private:
    static void drawBevel(QPainter &painter, const QRect &r, const QColor &topLeft,
                          const QColor &bottomRight)
    {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
};

} // namespace

TSplashForm::TSplashForm(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setWindowTitle(QStringLiteral("Sentiero dei Punti"));
    setAccessibleName(QStringLiteral("Sentiero dei Punti"));
    setAccessibleDescription(SkipHint);
    // Under the clip, inside the frame, a line says how to skip it.
    setFixedSize(408, 280 + HintHeight);
    setFocusPolicy(Qt::StrongFocus);

    Panel2 = new BevelPanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, 0, 408, 280 + HintHeight);
    Panel2->setAutoFillBackground(true);
    QPalette colours = Panel2->palette();
    colours.setColor(QPalette::Window, QColor(4, 72, 149));
    Panel2->setPalette(colours);

    Panel1 = new QWidget(Panel2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(12, 12, 384, 256);
    Panel1->setFocusPolicy(Qt::NoFocus);

    Hint = new QLabel(SkipHint, Panel2);
    Hint->setObjectName(QStringLiteral("Hint"));
    Hint->setGeometry(12, 12 + 256, 384, HintHeight);
    Hint->setAlignment(Qt::AlignCenter);
    Hint->setStyleSheet(
        QStringLiteral("QLabel { color: white; font-size: 15px; font-weight: bold; }"));

    mp = platform().createMediaPlayer(this);
    mp->setObjectName(QStringLiteral("mp"));
    mp->setDisplay(Panel1);
    connect(mp, &MediaPlayer::notify, this, &TSplashForm::mpNotify);

    centreOnScreen(this);
    FormCreate();
}

void TSplashForm::FormCreate()
{
    ClipFinished = false;
    PlayingNoticeCount = 0;
}

void TSplashForm::LoadClip(const QString &name)
{
    mp->setFileName(contentFile(QStringLiteral("\\pres\\") + name + QStringLiteral(".avi")));
    try {
        mp->open();
    } catch (const PlatformError &) {
        ClipFinished = true;
    }
}

void TSplashForm::PlayClip()
{
    mp->Notify = true;
    mp->play();
}

void TSplashForm::StopClip()
{
    mp->stop();
    ClipFinished = true;
}

void TSplashForm::mpNotify()
{
    if (mp->mode() == MediaPlayer::Mode::Stopped)
        ClipFinished = true;
    if (mp->mode() == MediaPlayer::Mode::Playing)
        ++PlayingNoticeCount;
    if (PlayingNoticeCount > 1)
        ClipFinished = true;
    mp->Notify = true;
}

void TSplashForm::FormKeyPress(QChar key)
{
    if (key == QLatin1Char(' '))
        StopClip();
}

void TSplashForm::FormClose()
{
    StopClip();
}

void TSplashForm::keyPressEvent(QKeyEvent *event)
{
    if (!event->text().isEmpty())
        FormKeyPress(event->text().at(0));
    QWidget::keyPressEvent(event);
}

void TSplashForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void WaitForClip(TSplashForm *splash)
{
    // The clip's progress arrives as events; a short timer makes sure the wait wakes up
    // to poll the player's mode without spinning.
    QTimer tick;
    tick.start(40);
    bool seenPlaying = false;
    while (!splash->ClipFinished) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (splash->mp->mode() == MediaPlayer::Mode::Playing)
            seenPlaying = true;
        if (seenPlaying && splash->mp->mode() != MediaPlayer::Mode::Playing)
            break;
    }
    splash->mp->stop();
    splash->hide();
    delete splash;
    // The clip's decoders and frames are gone: their memory goes back to the system rather
    // than staying with the program for as long as it runs (some MB).
    returnFreedMemory();
}
