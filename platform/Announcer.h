// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

// Says a text to a screen reader at once: a check's result, the next question, the help, a
// page that has just loaded. Qt 6.4 has no announcement event (Qt 6.8's
// QAccessibleAnnouncementEvent would do this in one line), and Orca ignores the name and
// description changes that Qt sends, whose new text does not travel with the event. Orca
// speaks a notification as it shows: the announcer is a notification of its window, a
// single transparent pixel that shows again with each text as its name.
class HtmlView;

class Announcer : public QWidget
{
public:
    // The window's announcer, made at the first call.
    static Announcer *of(QWidget *window);

    // Says `text` once the window is the active one (at once when it is, else when it is
    // activated, after the screen reader has said the window). Texts said within a moment
    // are said together, in order. Nothing happens when no assistive technology listens.
    void say(const QString &text);
    // What was said last, for the accessible name.
    QString text() const { return m_text; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Announcer(QWidget *window);
    void schedule(int delayMs);
    void flush();

    QStringList m_pending;
    QString m_text;
    bool m_scheduled = false;
};

// From now on each page the view loads is said in the view's window, as it is heard
// (HtmlView::readPage()): the screen reader reads no page of the engine's by itself, since
// Qt 6.4 gives it the page as objects of the application, not as a web document.
void sayEachPage(HtmlView *view);
