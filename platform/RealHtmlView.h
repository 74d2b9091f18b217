// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HtmlView.h"

#include <QList>

class QEventLoop;
class QLineEdit;
class QWebEngineSettings;
class QWebEngineView;
class QWidget;

// Qt WebEngine behind the browser interface, with a small find bar of our own.
// The engine view is made on the first navigation, so that a window that never shows a
// page costs no renderer.
class RealHtmlView : public HtmlView
{
    Q_OBJECT
public:
    explicit RealHtmlView(QWidget *parent = nullptr);
    ~RealHtmlView() override;

    // Makes the engine view now rather than at the first navigation, so that the web engine
    // gets going before its first page is asked for; a shared one also gets a renderer, and
    // its window, hidden, is laid out at the size it will show.
    void prepareEngine(const QString &likePage = QString()) override;
    // For the views of windows of which at most one is shown at a time and which show a new
    // page each time they are shown: all such views share one engine view (one page, one
    // set of compositing surfaces), which the view that navigates takes into its window.
    // Hidden a second, the shared page lets its renderer process go; its next page, or
    // prepareEngine(), starts one again.
    // A view without it does nothing for a command that needs a document, like one that has
    // shown nothing yet, and gives the last address it showed.
    void shareEngine() { m_sharesEngine = true; }

    void navigate(const QString &path) override;
    void goBack() override;
    void focusDocument() override;
    void showFindBox() override;
    QString currentUrl() const override;
    void readPage(const std::function<void(const QString &)> &done) override;
    void waitForPage() override;

protected:
    void zoomChanged() override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWebEngineView *view();
    void attach(QWebEngineView *view);
    // The view's ReadingScript into the engine's page, in place of any other view's.
    void installReadingScript(QWebEngineView *view);
    void installAnswerScript(QWebEngineView *view);
    void release();
    // Lets the shared page's renderer process go, if the page is still hidden and idle.
    void discardHiddenPage();
    // Lets the native window go once it is hidden, the engine having left it.
    void releaseWindow();
    // Lays out the hidden window ahead of its showing, the engine's view at its size.
    void layOutWhileHidden();
    // The page asked for has loaded, or its load ended otherwise.
    void endLoad();
    void find(bool backward);
    // Enter in the find box: the next match, or the first after the text was typed.
    void findNextFromBox();
    void hideFindBar();
    // The ring around the page while it has the keyboard focus.
    void markFocus();

    QWebEngineView *m_view = nullptr;
    bool m_sharesEngine = false;
    bool m_releaseWindowOnHide = false;   // the engine left while the window was shown
    bool m_loading = false;               // from navigate() to the engine's end of the load
    bool m_findTyped = false;             // the find text changed since the last Enter
    QEventLoop *m_pageWait = nullptr;     // the running waitForPage()'s
    QString m_lastUrl;
    QList<QMetaObject::Connection> m_connections;
    QWidget *m_findBar = nullptr;
    QLineEdit *m_findText = nullptr;
    QWidget *m_focusRing = nullptr;
};

// Chromium's settings for the program; called before the application object is made.
void prepareWebEngine();
// The settings under which every page of a course is shown (platform/RealHtmlView.cpp).
void secureWebEngineSettings(QWebEngineSettings *settings);
