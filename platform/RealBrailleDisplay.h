// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/BrailleDisplay.h"

#include <QElapsedTimer>
#include <QObject>

class QSocketNotifier;
struct brlapi_handle_t;

// BrlAPI, brltty's client library. The connection is made when the display is first asked
// for, and tried again at most every ten seconds while there is none.
class RealBrailleDisplay : public QObject, public BrailleDisplay
{
public:
    RealBrailleDisplay();
    ~RealBrailleDisplay() override;

    void show(const QByteArray &cells, int cursor) override;
    void release() override;

private:
    bool connectToDaemon();
    void disconnect();
    void readKeys();
    // The six dots that brltty's own table gives a character it handed over; -1 for none.
    int dotsOfCharacter(quint64 symbol);

    brlapi_handle_t *m_handle = nullptr;
    QSocketNotifier *m_keys = nullptr;
    unsigned int m_width = 0;
    bool m_holding = false;
    QElapsedTimer m_lastTry;
};
