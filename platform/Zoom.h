// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QWidget;

// The zoom the learner chose, one for the whole program: every page view and answer box
// follows it, and so does the text of every window, dialog, message box and button (the
// application's font). Kept between starts once remember() has named the file. Ctrl+plus (also
// Ctrl+= and the keypad's plus), Ctrl+minus and Ctrl+0 change it in any window that holds a
// follower, and so does Ctrl with the mouse wheel over a follower.
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
    // Whether `widget` follows the zoom through follow().
    bool follows(const QWidget *widget) const;

    // Takes the zoom kept in the settings file `path` (none there: the normal size) and
    // keeps every later change there.
    void remember(const QString &path);

signals:
    void changed(double factor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Zoom() = default;
    void setStep(int step);
    // The application's font at the zoom; its size at the normal zoom is taken the first time.
    void scaleApplicationFont();
    void save() const;
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
    QString m_settingsFile;
    std::optional<QFont> m_normalFont;
};

Zoom &zoom();
