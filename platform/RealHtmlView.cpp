// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RealHtmlView.h"

#include "platform/Accessibility.h"
#include "platform/ErrorReport.h"
#include "rules/MissingPage.h"
#include "rules/NavigationPolicy.h"
#include "platform/Platform.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

// What the answer script says on the console before the answer's number: a word of this run
// of the program, which a course page cannot know.
static const QString &answerMark()
{
    static const QString mark = QStringLiteral("sentiero-risposta-%1:")
                                    .arg(QRandomGenerator::system()->generate64(), 0, 36);
    return mark;
}

namespace {

class InterceptingPage : public QWebEnginePage
{
public:
    InterceptingPage(RealHtmlView *owner, QObject *parent)
        : QWebEnginePage(parent), m_owner(owner)
    {
        secureWebEngineSettings(settings());
    }

    // The view whose commands and missing pages this page serves: the one that holds it.
    void setOwner(RealHtmlView *owner) { m_owner = owner; }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        // The page shown for a missing one comes as a data URL: it is no link of the course.
        if (m_showingMissingPage && url.scheme() == QLatin1String("data")) {
            m_showingMissingPage = false;
            return true;
        }
        const QStringList folders = m_owner->PageFolders ? m_owner->PageFolders() : QStringList();
        switch (judgeNavigation(url, origin(type), folders)) {
        case NavigationVerdict::Go:
            break;
        case NavigationVerdict::RefuseAndSay:
            QMetaObject::invokeMethod(
                this,
                [] {
                    platform().messages->showMessage(QStringLiteral(
                        "Questo collegamento porta fuori dal corso: non viene aperto."));
                },
                Qt::QueuedConnection);
            return false;
        case NavigationVerdict::Refuse:
            return false;
        }
        bool cancel = false;
        if (m_owner->BeforeNavigate) {
            const QString text = url.toString();
            runGuarded([&] { m_owner->BeforeNavigate(text, cancel); });
        }
        if (!cancel && isMainFrame && url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
            // Shown under the missing page's address, so that going back leaves it.
            QMetaObject::invokeMethod(
                this, [this, url] { showMissingPage(url); }, Qt::QueuedConnection);
            return false;
        }
        return !cancel;
    }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &source) override
    {
        if (message.startsWith(answerMark())) {
            const int answer = message.mid(answerMark().size()).toInt();
            if (answer >= 1 && answer <= 3 && m_owner->AnswerClicked)
                runGuarded([&] { m_owner->AnswerClicked(answer - 1); });
            return;
        }
        QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
    }

private:
    static NavigationOrigin origin(NavigationType type)
    {
        switch (type) {
        case NavigationTypeLinkClicked:
            return NavigationOrigin::Learner;
        case NavigationTypeTyped:
        case NavigationTypeBackForward:
        case NavigationTypeReload:
            return NavigationOrigin::Program;
        default: // a redirect, a meta refresh, a form, anything else
            return NavigationOrigin::Page;
        }
    }

    void showMissingPage(const QUrl &url)
    {
        const QString path = url.toLocalFile();
        m_showingMissingPage = true;
        setHtml(m_owner->MissingPage ? m_owner->MissingPage(path) : missingPageHtml(path, {}), url);
    }

    RealHtmlView *m_owner;
    bool m_showingMissingPage = false;
};

// A frame drawn over the edges of the page, seen through everywhere else.
class FocusRing : public QWidget
{
public:
    explicit FocusRing(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("FocusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    static constexpr int Width = 4;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor colour = palette().color(QPalette::Active, QPalette::Highlight);
        const QRect r = rect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), Width), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - Width + 1, r.width(), Width), colour);
        painter.fillRect(QRect(r.left(), r.top(), Width, r.height()), colour);
        painter.fillRect(QRect(r.right() - Width + 1, r.top(), Width, r.height()), colour);
    }
};

} // namespace

void secureWebEngineSettings(QWebEngineSettings *settings)
{
    // A course folder comes from anywhere, and its pages need no script: none of a page's
    // runs, so no page reads a file, and no page opens a window. The program's own scripts
    // (the document's focus, the reading aids) run in a world of their own, which this
    // leaves alone. A local page reaches no remote address (a picture or style sheet that
    // would tell a server the page was read). Local pages keep reaching local files: with
    // that off, this engine shows a page linked from another local page blank, and its
    // pictures and style sheets not at all; with no script, nothing can read them.
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
}

void prepareWebEngine()
{
    // The engine's frames are composited in software unless the user asks for a backend.
    // The pages are still text and pictures: with GL compositing every window that shows a
    // page again builds a GL surface first, a tenth of a second or more with Mesa's
    // software GL, and it holds tens of MB of surfaces besides.
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND") && !qEnvironmentVariableIsSet("QSG_RHI_BACKEND")) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        // Nothing else draws with GL either: the clips' frames are painted by the processor
        // too. Without GL on X the program loads no software GL (some tens of MB) and builds
        // no GL context and shaders for the opening clip (about a tenth of a second).
        if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
            qputenv("QT_XCB_GL_INTEGRATION", "none");
    }
    // Each engine view keeps a renderer process of its own, as Chromium does by default. With
    // one renderer for all views, a page loading in one view made the others draw again on
    // the same thread (some milliseconds an exercise page), and the one renderer grew as
    // large as two.
}

RealHtmlView::RealHtmlView(QWidget *parent) : HtmlView(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_findBar = new QWidget(this);
    m_findBar->setObjectName(QStringLiteral("FindBar"));
    auto *bar = new QHBoxLayout(m_findBar);
    bar->setContentsMargins(4, 2, 4, 2);
    auto *label = new QLabel(tr("Tr&ova:"), m_findBar);
    m_findText = new QLineEdit(m_findBar);
    m_findText->setObjectName(QStringLiteral("FindText"));
    m_findText->setAccessibleName(tr("Testo da trovare"));
    label->setBuddy(m_findText);
    auto *previous = new QPushButton(tr("&Precedente"), m_findBar);
    previous->setObjectName(QStringLiteral("FindPrevious"));
    auto *nextButton = new QPushButton(tr("&Successivo"), m_findBar);
    nextButton->setObjectName(QStringLiteral("FindNext"));
    auto *close = new QPushButton(tr("&Chiudi"), m_findBar);
    close->setObjectName(QStringLiteral("FindClose"));
    close->setAccessibleName(tr("Chiudi la ricerca"));
    bar->addWidget(label);
    bar->addWidget(m_findText, 1);
    bar->addWidget(previous);
    bar->addWidget(nextButton);
    bar->addWidget(close);
    layout->addWidget(m_findBar);
    m_findBar->hide();

    connect(m_findText, &QLineEdit::returnPressed, this, &RealHtmlView::findNextFromBox);
    // Enter in the find box finds the next match, also in a dialog, whose default button
    // would otherwise take it.
    m_findText->installEventFilter(this);
    // Typing finds as it goes, from the top of the page for a new text: the match then
    // shown is the first, and the Enter that ends the typing stays on it.
    connect(m_findText, &QLineEdit::textChanged, this, [this] {
        m_findTyped = true;
        if (m_view)
            m_view->findText(QString()); // a new search, from the top
        find(false);
    });
    connect(nextButton, &QPushButton::clicked, this, [this] { find(false); });
    connect(previous, &QPushButton::clicked, this, [this] { find(true); });
    connect(close, &QPushButton::clicked, this, &RealHtmlView::hideFindBar);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_findBar);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &RealHtmlView::hideFindBar);

    m_focusRing = new FocusRing(this);
    connect(qApp, &QApplication::focusChanged, this, &RealHtmlView::markFocus);
}

bool RealHtmlView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_findText && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            findNextFromBox();
            return true;
        }
    }
    if (watched == m_view && event->type() == QEvent::Resize)
        markFocus();
    return HtmlView::eventFilter(watched, event);
}

void RealHtmlView::markFocus()
{
    const QWidget *focus = QApplication::focusWidget();
    const bool focused = m_view && focus && (focus == m_view || m_view->isAncestorOf(focus));
    if (focused) {
        m_focusRing->setGeometry(m_view->geometry());
        m_focusRing->raise();
    }
    m_focusRing->setVisible(focused);
}

void RealHtmlView::zoomChanged()
{
    if (m_view)
        m_view->setZoomFactor(zoomFactor());
}

namespace {

// The one engine view of the views that share it, and the view that holds it now.
struct SharedEngine
{
    QPointer<QWebEngineView> view;
    QPointer<RealHtmlView> holder;
};

SharedEngine &sharedEngine()
{
    static SharedEngine engine;
    return engine;
}

// QWidget::destroy() for a window of someone else's: the native window goes, and with it the
// window's compositing surfaces; the widget stays and makes a new one when shown again.
struct NativeWindow : QWidget
{
    static void release(QWidget *window) { (window->*(&NativeWindow::destroy))(true, true); }
};

// Gives a hidden window's widgets the sizes they will show at, as showing it would: each
// widget resized while hidden gets its resize now, and its layout sizes its children in turn.
void layOutHidden(QWidget *widget)
{
    if (widget->isWindow())
        widget->ensurePolished();
    if (QLayout *layout = widget->layout())
        layout->activate();
    if (widget->testAttribute(Qt::WA_PendingResizeEvent)) {
        widget->setAttribute(Qt::WA_PendingResizeEvent, false);
        QResizeEvent resize(widget->size(), QSize());
        QCoreApplication::sendEvent(widget, &resize);
    }
    for (QObject *child : widget->children()) {
        auto *childWidget = qobject_cast<QWidget *>(child);
        if (childWidget && !childWidget->isWindow() && !childWidget->isHidden())
            layOutHidden(childWidget);
    }
}

} // namespace

QWebEngineView *RealHtmlView::view()
{
    if (m_view)
        return m_view;
    if (!m_sharesEngine) {
        auto *view = new QWebEngineView(this);
        view->setPage(new InterceptingPage(this, this));
        attach(view);
        return m_view;
    }
    SharedEngine &shared = sharedEngine();
    if (!shared.view) {
        shared.view = new QWebEngineView(this);
        shared.view->setPage(new InterceptingPage(this, shared.view));
    } else {
        if (shared.holder)
            shared.holder->release();
        static_cast<InterceptingPage *>(shared.view->page())->setOwner(this);
    }
    RealHtmlView *previous =
        shared.holder && shared.holder->window() != window() ? shared.holder.data() : nullptr;
    shared.holder = this;
    attach(shared.view);
    if (previous) {
        if (previous->window()->isVisible())
            previous->m_releaseWindowOnHide = true;
        else
            previous->releaseWindow();
    }
    return m_view;
}

void RealHtmlView::releaseWindow()
{
    // The window the engine left keeps a window-sized set of surfaces (some tens of MB)
    // while it is hidden: it lets them go, and makes them anew when it is shown again.
    m_releaseWindowOnHide = false;
    QTimer::singleShot(0, this, [this] {
        QWidget *left = window();
        const RealHtmlView *holder = sharedEngine().holder;
        if (!left->isVisible() && (!holder || holder->window() != left))
            NativeWindow::release(left);
    });
}

void RealHtmlView::hideEvent(QHideEvent *event)
{
    HtmlView::hideEvent(event);
    if (m_releaseWindowOnHide)
        releaseWindow();
    // The learner is back to the lessons: the exercises' renderer process (some tens of MB)
    // goes after a second, and starts again while the next category is chosen.
    if (m_sharesEngine && sharedEngine().holder == this)
        QTimer::singleShot(1000, this, &RealHtmlView::discardHiddenPage);
}

void RealHtmlView::discardHiddenPage()
{
    if (sharedEngine().holder != this || !m_view || window()->isVisible() || m_loading)
        return;
    QWebEnginePage *page = m_view->page();
    if (page->lifecycleState() == QWebEnginePage::LifecycleState::Active && !page->isVisible())
        page->setLifecycleState(QWebEnginePage::LifecycleState::Discarded);
}

void RealHtmlView::prepareEngine(const QString &likePage)
{
    QWebEngineView *engine = view();
    if (!m_sharesEngine)
        return;
    QWebEnginePage *page = engine->page();
    if (page->lifecycleState() != QWebEnginePage::LifecycleState::Active)
        page->setLifecycleState(QWebEnginePage::LifecycleState::Active);
    else if (engine->url().isEmpty()) // a page never shown has no renderer process yet
        engine->setUrl(QFileInfo::exists(likePage) ? QUrl::fromLocalFile(likePage)
                                                   : QUrl(QStringLiteral("about:blank")));
    layOutWhileHidden();
}

void RealHtmlView::layOutWhileHidden()
{
    // The page's drawing surface is the size of the view, made anew when the view's size
    // changes: a window-sized image, which costs a page fault every 4 KB of fresh memory. A
    // hidden window about to show sizes it ahead, not in the learner's time at the show.
    QWidget *shown = window();
    if (!shown->isVisible() && sharedEngine().holder == this)
        layOutHidden(shown);
}

void RealHtmlView::attach(QWebEngineView *view)
{
    m_view = view;
    view->setObjectName(QStringLiteral("WebView"));
    // The engine view holds the keyboard focus: it carries the name a screen reader says.
    view->setAccessibleName(accessibleName().isEmpty() ? tr("Pagina") : accessibleName());
    static_cast<QVBoxLayout *>(layout())->insertWidget(0, view, 1);
    view->show();
    view->installEventFilter(this);
    view->setZoomFactor(zoomFactor());
    setFocusProxy(view);
    QAction *back = view->pageAction(QWebEnginePage::Back);
    m_connections = {
        connect(back, &QAction::enabledChanged, this, &HtmlView::backEnabledChanged),
        // A page on its way to a hidden window: the window is laid out while the renderer,
        // on a processor of its own, lays out the page.
        connect(view, &QWebEngineView::urlChanged, this, &RealHtmlView::layOutWhileHidden),
        connect(view, &QWebEngineView::loadFinished, this,
                [this](bool ok) {
                    // The drawing surface comes with the renderer's first page.
                    layOutWhileHidden();
                    endLoad();
                    // A cancelled navigation also ends in loadFinished(false): that is no
                    // page load.
                    if (!ok)
                        return;
                    // The engine may give a new document its own zoom: the program's stays.
                    if (m_view && m_view->zoomFactor() != zoomFactor())
                        m_view->setZoomFactor(zoomFactor());
                    emit downloadComplete();
                }),
    };
}

void RealHtmlView::endLoad()
{
    m_loading = false;
    if (m_pageWait)
        m_pageWait->quit();
}

void RealHtmlView::waitForPage()
{
    constexpr int maxMs = 250;
    if (!m_loading || m_pageWait)
        return;
    const QPointer<RealHtmlView> self(this);
    QEventLoop loop;
    m_pageWait = &loop;
    QTimer::singleShot(maxMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (self)
        m_pageWait = nullptr;
}

void RealHtmlView::release()
{
    endLoad();
    if (m_view)
        m_view->removeEventFilter(this);
    m_focusRing->hide();
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    if (m_view)
        m_lastUrl = m_view->url().toString();
    setFocusProxy(nullptr);
    m_view = nullptr;
}

RealHtmlView::~RealHtmlView()
{
    if (sharedEngine().holder == this)
        sharedEngine().holder = nullptr;
}

void RealHtmlView::navigate(const QString &path)
{
    QWebEngineView *engine = view();
    installReadingScript(engine);
    installAnswerScript(engine);
    m_loading = true;
    engine->setUrl(QUrl::fromLocalFile(path));
}

void RealHtmlView::installReadingScript(QWebEngineView *view)
{
    if (!pagesExposedToAssistiveTechnology())
        return;
    static const QString name = QStringLiteral("sentiero-reading");
    QWebEngineScriptCollection &scripts = view->page()->scripts();
    for (const QWebEngineScript &installed : scripts.find(name))
        scripts.remove(installed);
    if (!ReadingScript)
        return;
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(ReadingScript());
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    scripts.insert(script);
}

// Clicks on the answers of a table headed "Risposta 1" to "Risposta 3" are reported on the
// console; the answers show the pointing hand.
static const char AnswerScript[] = R"JS(
(function () {
  function answerOf(node) {
    const cell = node && node.closest ? node.closest('td') : null;
    const table = cell ? cell.closest('table') : null;
    if (!table || !table.rows.length) return 0;
    const head = table.rows[0].cells[cell.cellIndex];
    const match = head ? /^\s*Risposta\s+([123])\s*$/.exec(head.textContent) : null;
    return match ? Number(match[1]) : 0;
  }
  document.querySelectorAll('td').forEach(function (cell) {
    if (answerOf(cell)) cell.style.cursor = 'pointer';
  });
  document.addEventListener('click', function (event) {
    const answer = answerOf(event.target);
    if (answer) console.log(MARK + answer);
  }, true);
})();
)JS";

void RealHtmlView::installAnswerScript(QWebEngineView *view)
{
    static const QString name = QStringLiteral("sentiero-answers");
    QWebEngineScriptCollection &scripts = view->page()->scripts();
    for (const QWebEngineScript &installed : scripts.find(name))
        scripts.remove(installed);
    if (!AnswerClicked)
        return;
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(
        QString::fromLatin1(AnswerScript)
            .replace(QLatin1String("MARK"), QLatin1Char('\'') + answerMark() + QLatin1Char('\'')));
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    scripts.insert(script);
}

void RealHtmlView::goBack()
{
    if (m_view)
        m_view->history()->back();
}

void RealHtmlView::focusDocument()
{
    if (!m_view)
        return;
    m_view->setFocus();
    m_view->page()->runJavaScript(
        QStringLiteral("if (document.body) { document.body.tabIndex = -1; "
                       "document.body.focus({preventScroll: true}); }"),
        QWebEngineScript::ApplicationWorld);
}

void RealHtmlView::showFindBox()
{
    if (!m_view)
        return;
    m_findBar->show();
    m_findText->setFocus();
    m_findText->selectAll();
}

// The page's text as it is heard, from what the page exposes to assistive technologies.
static const char PageHeard[] = R"JS(
(function () {
  const lines = [];
  let line = '';
  const blocks = /^(P|DIV|H[1-6]|LI|UL|OL|DL|DT|DD|TR|TABLE|CAPTION|BR|SECTION|NAV|HEADER|FOOTER|BLOCKQUOTE|PRE|FORM)$/;
  function end() {
    const text = line.replace(/\s+/g, ' ').trim();
    if (text) lines.push(text);
    line = '';
  }
  function header(cell) {
    const table = cell.closest('table');
    const row = cell.parentElement;
    if (!table || cell.tagName !== 'TD' || !table.rows.length || table.rows[0] === row) return '';
    const head = table.rows[0].cells[cell.cellIndex];
    return head && head.tagName === 'TH' ? head.textContent.replace(/\s+/g, ' ').trim() : '';
  }
  function walk(node) {
    if (node.nodeType === Node.TEXT_NODE) { line += node.data; return; }
    if (node.nodeType !== Node.ELEMENT_NODE) return;
    if (node.getAttribute('aria-hidden') === 'true' || /^(SCRIPT|STYLE|TITLE|HEAD)$/.test(node.tagName)) return;
    const style = getComputedStyle(node);
    if (style.display === 'none' || style.visibility === 'hidden') return;
    const label = node.getAttribute('aria-label');
    if (node.tagName === 'IMG' || (node.getAttribute('role') === 'img' && label)) {
      line += ' ' + (label || node.getAttribute('alt') || '') + ' ';
      return;
    }
    const block = blocks.test(node.tagName);
    if (block) end();
    if (node.tagName === 'TD' || node.tagName === 'TH') {
      const named = header(node);
      line += (line.trim() ? ', ' : ' ') + (named ? named + ': ' : '');
    }
    for (const child of node.childNodes) walk(child);
    if (block) end();
  }
  if (document.body) walk(document.body);
  end();
  const title = document.title.replace(/\s+/g, ' ').trim();
  if (title && lines[0] !== title) lines.unshift(title);
  // One line of speech, each block ended as a sentence, so that the reader pauses there.
  return lines.map(function (l) { return /[.!?:;]$/.test(l) ? l : l + '.'; }).join(' ');
})()
)JS";

void RealHtmlView::readPage(const std::function<void(const QString &)> &done)
{
    if (!m_view)
        return;
    const QPointer<RealHtmlView> self(this);
    m_view->page()->runJavaScript(
        QString::fromLatin1(PageHeard), QWebEngineScript::ApplicationWorld,
        [self, done](const QVariant &result) {
            if (self)
                done(result.toString());
        });
}

QString RealHtmlView::currentUrl() const
{
    return m_view ? m_view->url().toString() : m_lastUrl;
}

void RealHtmlView::find(bool backward)
{
    if (!m_view)
        return;
    QWebEnginePage::FindFlags flags;
    if (backward)
        flags |= QWebEnginePage::FindBackward;
    m_view->findText(m_findText->text(), flags);
}

void RealHtmlView::findNextFromBox()
{
    if (!std::exchange(m_findTyped, false))
        find(false);
}

void RealHtmlView::hideFindBar()
{
    // The page stays at the match: the view takes the focus back without the document
    // being refocused, which would scroll it to its first link.
    m_findBar->hide();
    if (m_view)
        m_view->setFocus();
}
