// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ZoomLayout.h"

#include "platform/Platform.h"
#include "platform/Zoom.h"

#include <QEvent>
#include <QHash>
#include <QLayout>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int Unfixed = -1;

// A control as it was made, at the normal zoom.
struct NormalLook
{
    QRect geometry; // null when a layout places it
    int fixedWidth = Unfixed;
    int fixedHeight = Unfixed;
    std::optional<QFont> font; // only a font of its own
};

class WindowZoom : public QObject
{
public:
    explicit WindowZoom(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
        zoom().follow(window, [this](double factor) { apply(factor); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show)
            apply(zoom().factor());
        return false;
    }

private:
    // Whether a control lies in one that follows the zoom on its own.
    bool followsOnItsOwn(const QWidget *widget) const
    {
        for (; widget && widget != m_window; widget = widget->parentWidget()) {
            if (zoom().follows(widget))
                return true;
        }
        return false;
    }

    static NormalLook lookOf(const QWidget *widget)
    {
        NormalLook look;
        const QWidget *parent = widget->parentWidget();
        if (parent && !parent->layout())
            look.geometry = widget->geometry();
        if (widget->minimumWidth() == widget->maximumWidth())
            look.fixedWidth = widget->minimumWidth();
        if (widget->minimumHeight() == widget->maximumHeight())
            look.fixedHeight = widget->minimumHeight();
        if (widget->testAttribute(Qt::WA_SetFont))
            look.font = widget->font();
        return look;
    }

    static void scale(QWidget *widget, const NormalLook &look, double factor)
    {
        const auto scaled = [factor](int pixels) { return qRound(pixels * factor); };
        if (look.font) {
            QFont font = *look.font;
            if (font.pixelSize() > 0)
                font.setPixelSize(std::max(1, scaled(font.pixelSize())));
            else if (font.pointSizeF() > 0)
                font.setPointSizeF(font.pointSizeF() * factor);
            widget->setFont(font);
        }
        if (look.fixedWidth != Unfixed)
            widget->setFixedWidth(scaled(look.fixedWidth));
        if (look.fixedHeight != Unfixed)
            widget->setFixedHeight(scaled(look.fixedHeight));
        if (!look.geometry.isNull())
            widget->setGeometry(scaled(look.geometry.x()), scaled(look.geometry.y()),
                                scaled(look.geometry.width()), scaled(look.geometry.height()));
    }

    void apply(double factor)
    {
        if (!m_window)
            return;
        // The window's own size is fixed or free: a free one (a maximised window) keeps it.
        if (!m_seenWindow) {
            m_windowLook = lookOf(m_window);
            m_windowLook.geometry = {};
            m_seenWindow = true;
        }
        // What is already at this zoom is left alone: setting a font or a size again costs a
        // layout and a new drawing surface at each showing.
        const bool changed = factor != m_applied;
        m_applied = factor;
        const QList<QWidget *> controls = m_window->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (control->isWindow() || followsOnItsOwn(control))
                continue;
            auto it = m_looks.find(control);
            const bool known = it != m_looks.end();
            if (!known) {
                it = m_looks.insert(control, lookOf(control));
                // A control gone is forgotten with it.
                connect(control, &QObject::destroyed, this,
                        [this, control] { m_looks.remove(control); });
            }
            // A control made after the last change is at the normal zoom.
            if (known ? changed : factor != 1.0)
                scale(control, it.value(), factor);
        }
        if (!changed)
            return;
        const QPoint centre = m_window->frameGeometry().center();
        scale(m_window, m_windowLook, factor);
        if (m_windowLook.fixedWidth != Unfixed && m_windowLook.fixedHeight != Unfixed) {
            // A dialog stays in the middle: of the screen before it shows, of where it was.
            if (m_window->isVisible())
                m_window->move(m_window->pos() + centre - m_window->frameGeometry().center());
            else
                centreOnScreen(m_window);
        }
    }

    QPointer<QWidget> m_window;
    bool m_seenWindow = false;
    double m_applied = 1.0; // the zoom the window and its known controls are at
    NormalLook m_windowLook;
    QHash<QWidget *, NormalLook> m_looks;
};

} // namespace

void growWithZoom(QWidget *window)
{
    new WindowZoom(window);
}
