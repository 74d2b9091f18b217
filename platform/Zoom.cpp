// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Zoom.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// The sizes a browser steps through, the normal size among them.
constexpr double Steps[] = {0.25, 0.33, 0.5, 0.67, 0.75, 0.8, 0.9, 1.0,
                            1.1,  1.25, 1.5, 1.75, 2.0,  2.5, 3.0, 4.0, 5.0};
constexpr int NormalStep = 7;
constexpr int StepCount = int(std::size(Steps));
// The settings file's key: the zoom in percent of the normal size.
const char SettingsKey[] = "vista/zoom";

enum class ZoomKey
{
    None,
    In,
    Out,
    Reset,
};

ZoomKey zoomKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier)))
        return ZoomKey::None;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: // the plus key's own place on keyboards where + needs Shift
        return ZoomKey::In;
    case Qt::Key_Minus:
        return ZoomKey::Out;
    case Qt::Key_0:
        return ZoomKey::Reset;
    default:
        return ZoomKey::None;
    }
}

} // namespace

Zoom &Zoom::instance()
{
    static Zoom *zoom = new Zoom;
    return *zoom;
}

Zoom &zoom()
{
    return Zoom::instance();
}

void Zoom::setStep(int step)
{
    step = std::clamp(step, 0, StepCount - 1);
    if (step == m_step + NormalStep)
        return;
    m_step = step - NormalStep;
    m_factor = Steps[step];
    scaleApplicationFont();
    save();
    for (qsizetype i = m_followers.size() - 1; i >= 0; --i) {
        if (!m_followers[i].widget)
            m_followers.removeAt(i);
    }
    for (const Follower &follower : std::as_const(m_followers))
        follower.apply(m_factor);
    emit changed(m_factor);
}

void Zoom::scaleApplicationFont()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    if (!m_normalFont)
        m_normalFont = QApplication::font();
    QFont font = *m_normalFont;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * m_factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * m_factor)));
    QApplication::setFont(font);
}

void Zoom::save() const
{
    if (m_settingsFile.isEmpty())
        return;
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.setValue(QLatin1String(SettingsKey), qRound(m_factor * 100));
}

void Zoom::remember(const QString &path)
{
    m_settingsFile.clear(); // nothing to write back while the kept zoom is taken
    bool read = false;
    const int percent =
        QSettings(path, QSettings::IniFormat).value(QLatin1String(SettingsKey)).toInt(&read);
    if (read && percent > 0) {
        // The nearest of the steps: a file written by hand may hold any number.
        int nearest = NormalStep;
        for (int step = 0; step < StepCount; ++step) {
            if (std::abs(Steps[step] * 100 - percent) < std::abs(Steps[nearest] * 100 - percent))
                nearest = step;
        }
        setStep(nearest);
    }
    m_settingsFile = path;
}

bool Zoom::follows(const QWidget *widget) const
{
    return std::any_of(m_followers.cbegin(), m_followers.cend(),
                       [widget](const Follower &follower) { return follower.widget == widget; });
}

void Zoom::zoomIn()
{
    setStep(m_step + NormalStep + 1);
}

void Zoom::zoomOut()
{
    setStep(m_step + NormalStep - 1);
}

void Zoom::reset()
{
    setStep(NormalStep);
}

void Zoom::follow(QWidget *widget, std::function<void(double)> apply)
{
    if (!m_filtering && QCoreApplication::instance()) {
        // Before any widget sees the keys: a page would take them as its own.
        QCoreApplication::instance()->installEventFilter(this);
        m_filtering = true;
    }
    apply(m_factor);
    m_followers.append({widget, std::move(apply)});
}

bool Zoom::zoomsIn(const QWidget *widget) const
{
    const QWidget *window = widget->window();
    for (const Follower &follower : m_followers) {
        if (follower.widget && follower.widget->window() == window)
            return true;
    }
    return false;
}

bool Zoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride
        && event->type() != QEvent::Wheel)
        return false;
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier) || !zoomsIn(widget))
            return false;
        // Ctrl and the wheel zoom every view and box together, as the keys do; a wheel that
        // turns in small parts steps once a notch.
        static int turned = 0;
        turned += wheel->angleDelta().y();
        while (turned >= 120) {
            zoomIn();
            turned -= 120;
        }
        while (turned <= -120) {
            zoomOut();
            turned += 120;
        }
        return true;
    }
    auto *key = static_cast<QKeyEvent *>(event);
    const ZoomKey what = zoomKey(key);
    if (what == ZoomKey::None || !zoomsIn(widget))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Ours, not a shortcut's: the key press follows.
        event->accept();
        return true;
    }
    if (what == ZoomKey::In)
        zoomIn();
    else if (what == ZoomKey::Out)
        zoomOut();
    else
        reset();
    return true;
}
