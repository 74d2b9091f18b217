#include "platform/RealHtmlView.h"

#include "platform/ErrorReport.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class InterceptingPage : public QWebEnginePage
{
public:
    InterceptingPage(RealHtmlView *owner) : QWebEnginePage(owner), m_owner(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        bool cancel = false;
        if (m_owner->BeforeNavigate) {
            const QString text = url.toString();
            runGuarded([&] { m_owner->BeforeNavigate(text, cancel); });
        }
        return !cancel;
    }

private:
    RealHtmlView *m_owner;
};

} // namespace

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

    connect(m_findText, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(m_findText, &QLineEdit::textChanged, this, [this] { find(false); });
    connect(nextButton, &QPushButton::clicked, this, [this] { find(false); });
    connect(previous, &QPushButton::clicked, this, [this] { find(true); });
    connect(close, &QPushButton::clicked, this, &RealHtmlView::hideFindBar);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_findBar);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &RealHtmlView::hideFindBar);
}

QWebEngineView *RealHtmlView::view()
{
    if (m_view)
        return m_view;
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("WebView"));
    // The engine view holds the keyboard focus: it carries the name a screen reader says.
    m_view->setAccessibleName(accessibleName().isEmpty() ? tr("Pagina") : accessibleName());
    m_view->setPage(new InterceptingPage(this));
    static_cast<QVBoxLayout *>(layout())->insertWidget(0, m_view, 1);
    setFocusProxy(m_view);
    QAction *back = m_view->pageAction(QWebEnginePage::Back);
    connect(back, &QAction::enabledChanged, this, &HtmlView::backEnabledChanged);
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        // A cancelled navigation also ends in loadFinished(false): that is no page load.
        if (ok)
            emit downloadComplete();
    });
    return m_view;
}

void RealHtmlView::navigate(const QString &path)
{
    view()->setUrl(QUrl::fromLocalFile(path));
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
    m_view->page()->runJavaScript(QStringLiteral(
        "if (document.body) { document.body.tabIndex = -1; document.body.focus(); }"));
}

void RealHtmlView::showFindBox()
{
    if (!m_view)
        return;
    m_findBar->show();
    m_findText->setFocus();
    m_findText->selectAll();
}

QString RealHtmlView::currentUrl() const
{
    return m_view ? m_view->url().toString() : QString();
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

void RealHtmlView::hideFindBar()
{
    if (m_view)
        m_view->findText(QString());
    m_findBar->hide();
    focusDocument();
}
