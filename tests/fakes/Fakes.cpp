// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/Fakes.h"

void FakeHtmlView::navigate(const QString &path)
{
    navigations << path;
}

bool FakeHtmlView::fireNavigation(const QString &url)
{
    bool cancel = false;
    if (BeforeNavigate)
        BeforeNavigate(url, cancel);
    return cancel;
}

void FakeMediaPlayer::record(const QString &command)
{
    commands << command;
    if (journal)
        *journal << command;
}

void FakeMediaPlayer::open()
{
    record(QStringLiteral("open ") + m_fileName);
    if (failOpen)
        throw PlatformError(QStringLiteral("Impossibile aprire il file \"%1\"").arg(m_fileName));
    currentMode = Mode::Stopped;
}

void FakeMediaPlayer::play()
{
    record(QStringLiteral("play ") + m_fileName);
    played << m_fileName;
    currentMode = Mode::Playing;
}

void FakeMediaPlayer::stop()
{
    record(QStringLiteral("stop"));
    if (currentMode == Mode::Playing)
        currentMode = Mode::Stopped;
}

void FakeMediaPlayer::finish()
{
    currentMode = Mode::Stopped;
    sendNotify();
}

void FakeMediaPlayer::sendNotify()
{
    if (!Notify)
        return;
    Notify = false;
    emit notify();
}

bool FakeFonts::addFont(const QString &path)
{
    if (failAt == added.size())
        return false;
    added << path;
    return true;
}

void FakeMessageBoxes::showMessage(const QString &text)
{
    shown << text;
    if (onShow)
        onShow();
}

void FakeMessageBoxes::information(const QString &caption, const QString &text)
{
    informations << qMakePair(caption, text);
    if (onShow)
        onShow();
}

int FakeRandom::next(int n)
{
    if (n <= 0)
        return 0;
    if (!queued.isEmpty())
        return queued.takeFirst() % n;
    return std::uniform_int_distribution<int>(0, n - 1)(engine);
}

FakePlatform::FakePlatform()
{
    Platform services;
    fonts = new FakeFonts;
    shell = new FakeShell;
    keyboard = new FakeKeyboard;
    messages = new FakeMessageBoxes;
    random = new FakeRandom;
    record = new MemoryRecord;
    services.fonts.reset(fonts);
    services.shell.reset(shell);
    services.keyboard.reset(keyboard);
    services.messages.reset(messages);
    services.random.reset(random);
    services.record.reset(record);
    services.createHtmlView = [this](QWidget *parent, ViewEngine) {
        auto *view = new FakeHtmlView(parent);
        views << view;
        return view;
    };
    services.createMediaPlayer = [this](QObject *parent) {
        auto *player = new FakeMediaPlayer(parent);
        player->journal = &playerJournal;
        players << player;
        return player;
    };
    installPlatform(std::move(services));
}

FakePlatform::~FakePlatform()
{
    installPlatform(Platform{});
}
