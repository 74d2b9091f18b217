// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QPair>
#include <QStringList>

#include <functional>
#include <random>

// A browser view that records what it is asked and lets a test fire navigations.
class FakeHtmlView : public HtmlView
{
    Q_OBJECT
public:
    using HtmlView::HtmlView;

    void navigate(const QString &path) override;
    void goBack() override { ++backCalls; }
    void focusDocument() override { ++focusCalls; }
    void showFindBox() override { ++findCalls; }
    QString currentUrl() const override
    {
        return navigations.isEmpty() ? QString() : navigations.last();
    }

    // Runs the before-navigation handler as the browser would; returns whether it cancelled.
    bool fireNavigation(const QString &url);
    // The learner clicks answer 0 to 2 of the page, as the browser reports it.
    void clickAnswer(int answer) { AnswerClicked ? AnswerClicked(answer) : void(); }

    QStringList navigations;
    int backCalls = 0;
    int focusCalls = 0;
    int findCalls = 0;
};

// A media player that records its commands. Its mode and failures are set by the test.
class FakeMediaPlayer : public MediaPlayer
{
    Q_OBJECT
public:
    using MediaPlayer::MediaPlayer;

    void setFileName(const QString &path) override { m_fileName = path; }
    QString fileName() const override { return m_fileName; }
    void setDisplay(QWidget *display) override { this->display = display; }
    void open() override;
    void play() override;
    void stop() override;
    Mode mode() const override { return currentMode; }

    // Ends the clip: mode stopped, and the armed notification is delivered.
    void finish();
    void sendNotify();

    QStringList commands;           // "open <file>", "play <file>", "stop"
    QStringList *journal = nullptr; // the same, of every player, kept after the player goes
    QStringList played;             // files played
    Mode currentMode = Mode::NotReady;
    bool failOpen = false;
    QWidget *display = nullptr;

private:
    void record(const QString &command);
    QString m_fileName;
};

class FakeFonts : public FontService
{
public:
    bool addFont(const QString &path) override;
    void removeFont(const QString &path) override { removed << path; }
    QStringList added;
    QStringList removed;
    int failAt = -1; // index of the addFont call that fails
};

class FakeShell : public Shell
{
public:
    void openUrl(const QString &url) override { opened << url; }
    QStringList opened;
};

class FakeKeyboard : public KeyboardState
{
public:
    std::uint8_t numLock() override { return state; }
    void setNumLock(std::uint8_t value) override
    {
        state = value;
        ++writes;
    }
    std::uint8_t state = 0;
    int writes = 0;
};

class FakeMessageBoxes : public MessageBoxes
{
public:
    void showMessage(const QString &text) override;
    void information(const QString &caption, const QString &text) override;
    bool ask(const QString &text) override { shown << text; return false; }
    QStringList shown; // texts of plain boxes and questions (answered no)
    QList<QPair<QString, QString>> informations;
    std::function<void()> onShow; // runs while "the box is open"
};

class FakeRandom : public RandomGenerator
{
public:
    void randomize() override { ++randomizeCalls; }
    int next(int n) override;
    QList<int> queued; // given out first, each taken modulo n
    int randomizeCalls = 0;
    std::mt19937 engine{12345};
};

// The learner's record in memory.
class MemoryRecord : public LearnerRecord
{
public:
    void addExercise(const ExerciseEntry &entry) override { exerciseList << entry; }
    void addRun(const RunEntry &entry) override { runList << entry; }
    QList<ExerciseEntry> exercises() override { return exerciseList; }
    QList<RunEntry> runs() override { return runList; }
    bool isKept() override { return true; }
    QList<ExerciseEntry> exerciseList;
    QList<RunEntry> runList;
};

// Installs fakes for every platform service and gives the test access to them.
struct FakePlatform
{
    FakePlatform();
    ~FakePlatform();

    FakeFonts *fonts;
    FakeShell *shell;
    FakeKeyboard *keyboard;
    FakeMessageBoxes *messages;
    FakeRandom *random;
    MemoryRecord *record;
    QList<FakeHtmlView *> views;      // every view made, in order
    QList<FakeMediaPlayer *> players; // every player made, in order (they may be gone)
    QStringList playerJournal;        // what every player was asked, in order
};
