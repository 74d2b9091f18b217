// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

#include <optional>

#include "rules/Commands.h"

class HtmlView;
class MediaPlayer;
class QTimer;

// The lesson reader: a browser filling the window, whose links carry the program's commands.
class TMainForm : public QWidget
{
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);

    // The private fonts, added in this order at start-up and removed in the same order.
    static const QStringList FontFiles;

    HtmlView *WB = nullptr;
    MediaPlayer *MP1 = nullptr;
    QTimer *Timer1 = nullptr;
    bool BackEnabled = false;
    // The deferred command: the last command link's, carried out by Timer1 once the browser's
    // navigation event has returned (for a lesson link, its course and PendingLesson, the
    // lesson). None when nothing is pending; the find box's stays after it is carried out.
    std::optional<NavigationCommand> PendingAction;
    // Set when start-up failed (the fonts): the program ends instead of running.
    bool Terminated = false;

    // At start-up, after the fonts: without the first lesson page the course cannot be
    // used, so a missing one is said and the program ends, like missing fonts.
    void CheckFirstPage();
    // Begins loading the first lesson page while the window is still hidden (behind the
    // splash clip, while the other windows are made), so that it is there when the window
    // first shows. That first showing then only hands the page the keyboard focus.
    void StartFirstPage();

    void FocusDocument();
    void ShowFindBox();
    // The command interpreter, run before every navigation of WB.
    void WBBeforeNavigate2(const QString &url, bool &cancel);
    void Timer1Timer();
    // The learner's progress page, made afresh from the record and shown in WB.
    void ShowProgress();
    // The progress page, when it is the page shown, written anew and shown again if the record
    // has changed since it was written.
    void RefreshProgress();
    // The whole record as a CSV file in the learner's documents folder.
    void ExportRecord();
    // Where the progress page is written: the learner's data folder.
    static QString progressFolder();
    // The class register read from the school's server, with a page for each learner, shown
    // in WB; where it cannot be read, a message and the first lesson page.
    void ShowClassRegister();
    // The class register as a CSV file in the teacher's documents folder.
    void ExportClass();
    // Set before the window shows (`sentiero --registro`): it opens on the class register
    // instead of the first lesson page.
    bool ClassRegisterAtStart = false;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormClose();
    void WBDownloadComplete();
    void WBCommandStateChange(bool backEnabled);
    void enableTimer();
    // Makes `command` the pending one and starts the timer.
    void defer(const NavigationCommand &command);

    bool m_closed = false;
    bool m_firstPageStarted = false;
};
