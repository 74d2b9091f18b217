// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

// An embedded browser showing local pages.
class HtmlView : public QWidget
{
    Q_OBJECT
public:
    // The view follows the program's zoom (platform/Zoom.h) from the start.
    explicit HtmlView(QWidget *parent = nullptr);

    // Shows the local file at a file-system path.
    virtual void navigate(const QString &path) = 0;
    virtual void goBack() = 0;
    // Puts the keyboard focus into the current document's body; does nothing without one.
    virtual void focusDocument() = 0;
    // Opens the find bar on the current document; does nothing without one.
    virtual void showFindBox() = 0;
    // Gets the view's engine going ahead of its next page, for instance while the learner
    // chooses in a dialog: a view that shares its engine takes it into its window, and an
    // engine without a renderer process (none yet, or let go while hidden) starts one. A
    // renderer that has never shown a page starts on `likePage`, when there is such a file:
    // a page like the next, whose fonts and styles are then ready for it.
    virtual void prepareEngine(const QString &likePage = QString()) { Q_UNUSED(likePage) }
    // Gives `done` the current page as a screen reader should hear it: its title, then its
    // text in reading order, as the page exposes it to assistive technologies (braille as
    // cells, music as the names of its signs, pictures by their text alternatives, a table's
    // cells after their column's header). Not called without a page.
    virtual void readPage(const std::function<void(const QString &)> &done) { Q_UNUSED(done) }
    // The URL of the current document, as text.
    virtual QString currentUrl() const = 0;
    // Waits, holding the learner's input back, until the page asked for last has loaded, a
    // quarter of a second at most. A window about to show waits for its page this way: it
    // shows with the page, and the engine's load is not held up by the window's showing,
    // which takes the same thread.
    virtual void waitForPage() {}
    // The zoom at which the view shows its pages: the program's zoom.
    double zoomFactor() const { return m_zoom; }

    // Called before every navigation, main frame and sub-frames, with the URL as text.
    // Setting cancel to true stops the navigation.
    std::function<void(const QString &url, bool &cancel)> BeforeNavigate;
    // What is shown, as HTML, in place of a local page that is missing, given its path (the
    // navigation going ahead in the main frame). When empty, a page that names the file.
    std::function<QString(const QString &path)> MissingPage;
    // The folders whose pages the view shows, asked at each navigation: a link or a page
    // that leads elsewhere is refused (platform/NavigationPolicy.h). When empty, any local
    // file.
    std::function<QStringList()> PageFolders;
    // A script run in every page the view shows from now on, made each time a page is asked
    // for; only while the pages are exposed to assistive technologies
    // (exposePagesToAssistiveTechnology()). None when empty.
    std::function<QString()> ReadingScript;
    // Set by a window whose pages offer answers in a table headed "Risposta 1" to "Risposta 3"
    // (an answer's picture, or its signs, under each heading): called with 0 to 2 when the
    // learner clicks an answer's picture or cell. Pages asked for from then on report it.
    std::function<void(int answer)> AnswerClicked;

signals:
    // Whether going back in the history is possible (the navigate-back command state).
    void backEnabledChanged(bool enabled);
    // A document finished loading.
    void downloadComplete();

protected:
    // Called after zoomFactor() has changed; the view shows its pages at the new zoom.
    virtual void zoomChanged() {}

private:
    double m_zoom = 1.0;
};
