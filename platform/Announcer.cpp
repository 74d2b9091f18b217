// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Announcer.h"

#include "platform/HtmlView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>

namespace {

class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<Announcer *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *announcerInterface(const QString &, QObject *object)
{
    if (object->property("sentieroAnnouncer").toBool())
        return new AnnouncerAccessible(static_cast<Announcer *>(object));
    return nullptr;
}

// Time for the screen reader to say a window just activated before what the window says.
constexpr int AfterActivationMs = 400;
// Texts said within this time go out as one.
constexpr int GatherMs = 60;

} // namespace

Announcer *Announcer::of(QWidget *window)
{
    window = window->window();
    for (QObject *child : window->children()) {
        if (auto *made = dynamic_cast<Announcer *>(child))
            return made;
    }
    return new Announcer(window);
}

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    static const bool installed = [] {
        // Installed after the application's own factories, so that it is asked first.
        QAccessible::installFactory(announcerInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setProperty("sentieroAnnouncer", true);
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
    // An interface made while the widget was being built is a plain one: the next is ours.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(this))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    window->installEventFilter(this);
}

void Announcer::say(const QString &text)
{
    if (text.trimmed().isEmpty() || !QAccessible::isActive())
        return;
    m_pending << text.trimmed();
    if (window()->isActiveWindow())
        schedule(GatherMs);
}

void Announcer::schedule(int delayMs)
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    QTimer::singleShot(delayMs, this, [this] {
        m_scheduled = false;
        flush();
    });
}

void Announcer::flush()
{
    if (m_pending.isEmpty() || !window()->isActiveWindow())
        return;
    m_text = m_pending.join(QLatin1Char(' '));
    m_pending.clear();
    // Shown again with its new name: the screen reader says a notification as it shows.
    hide();
    show();
    raise();
}

bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window()) {
        if (event->type() == QEvent::WindowActivate && !m_pending.isEmpty())
            schedule(AfterActivationMs);
        else if (event->type() == QEvent::Hide)
            m_pending.clear();
    }
    return QWidget::eventFilter(watched, event);
}

void sayEachPage(HtmlView *view)
{
    QObject::connect(view, &HtmlView::downloadComplete, view, [view] {
        if (!QAccessible::isActive())
            return;
        view->readPage([view](const QString &heard) { Announcer::of(view)->say(heard); });
    });
}
