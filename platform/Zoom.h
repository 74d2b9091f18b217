// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// The zoom the learner chose, one for the whole program until it ends: every page view and
// every answer box follows it. Ctrl+plus (also Ctrl+= and the keypad's plus), Ctrl+minus and
// Ctrl+0 change it in any window that holds a follower, and so does Ctrl with the mouse
// wheel over a follower.
class Zoom : public QObject
{
    Q_OBJECT
public:
    static Zoom &instance();

    // 1.0 is the normal size.
    double factor() const { return m_factor; }
    void zoomIn();
    void zoomOut();
    void reset();

    // `widget` follows the zoom: `apply` is called with the factor now and at every change,
    // while the widget lives. Its window takes the zoom keys from then on.
    void follow(QWidget *widget, std::function<void(double)> apply);

signals:
    void changed(double factor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Zoom() = default;
    void setStep(int step);
    // Whether a widget lies in a window that holds a follower.
    bool zoomsIn(const QWidget *widget) const;

    struct Follower
    {
        QPointer<QWidget> widget;
        std::function<void(double)> apply;
    };
    QList<Follower> m_followers;
    int m_step = 0;
    double m_factor = 1.0;
    bool m_filtering = false;
};

Zoom &zoom();
