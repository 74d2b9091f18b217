// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RealBrailleDisplay.h"

#include <QSocketNotifier>

#define BRLAPI_NO_DEPRECATED
#define BRLAPI_NO_SINGLE_SESSION
#include <brlapi.h>

#include <cstdlib>

namespace {

// BrlAPI's default handler of a failed request ends the process: here the request fails and
// the connection is dropped at the next use.
bool connectionBroken = false;

void onBrlapiException(brlapi_handle_t *, int error, brlapi_packetType_t type, const void *, size_t)
{
    qWarning("BrlAPI: error %d on request %u", error, unsigned(type));
    connectionBroken = true;
}

} // namespace

RealBrailleDisplay::RealBrailleDisplay() = default;

RealBrailleDisplay::~RealBrailleDisplay()
{
    disconnect();
}

bool RealBrailleDisplay::connectToDaemon()
{
    if (m_handle && connectionBroken)
        disconnect();
    if (m_handle)
        return true;
    if (m_lastTry.isValid() && m_lastTry.elapsed() < 10000)
        return false;
    m_lastTry.start();
    auto *handle = static_cast<brlapi_handle_t *>(std::malloc(brlapi_getHandleSize()));
    const int fd = brlapi__openConnection(handle, nullptr, nullptr);
    if (fd < 0) {
        std::free(handle);
        return false;
    }
    brlapi__setExceptionHandler(handle, onBrlapiException);
    unsigned int width = 0, height = 0;
    if (brlapi__getDisplaySize(handle, &width, &height) < 0 || width == 0) {
        brlapi__closeConnection(handle);
        std::free(handle);
        return false;
    }
    connectionBroken = false;
    m_handle = handle;
    m_width = width;
    m_keys = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_keys, &QSocketNotifier::activated, this, &RealBrailleDisplay::readKeys);
    return true;
}

void RealBrailleDisplay::disconnect()
{
    if (!m_handle)
        return;
    delete m_keys;
    m_keys = nullptr;
    brlapi__closeConnection(m_handle);
    std::free(m_handle);
    m_handle = nullptr;
    m_holding = false;
}

void RealBrailleDisplay::show(const QByteArray &cells, int cursor)
{
    if (!connectToDaemon())
        return;
    if (!m_holding) {
        if (brlapi__enterTtyModeWithPath(m_handle, nullptr, 0, nullptr) < 0)
            return;
        // The braille keyboard's chords as dots, not as the characters of brltty's text table.
        const brlapi_param_retainDots_t retain = 1;
        brlapi__setParameter(m_handle, BRLAPI_PARAM_RETAIN_DOTS, 0, BRLAPI_PARAMF_LOCAL, &retain,
                             sizeof retain);
        m_holding = true;
    }
    // The part of the line that holds the cursor.
    const int width = int(m_width);
    const int start = cursor > 0 ? cursor / width * width : 0;
    QByteArray shown = cells.mid(start, width);
    shown.resize(width, '\0');
    if (cursor >= 0 && cursor - start < width)
        shown[cursor - start] = char(quint8(shown[cursor - start]) | 0xC0); // dots 7 and 8
    brlapi__writeDots(m_handle, reinterpret_cast<const unsigned char *>(shown.constData()));
}

void RealBrailleDisplay::release()
{
    if (!m_handle || !m_holding)
        return;
    brlapi__leaveTtyMode(m_handle);
    m_holding = false;
}

int RealBrailleDisplay::dotsOfCharacter(quint64 symbol)
{
    // brltty hands a chord of the braille keyboard over as the character its own computer
    // braille table gives those dots; the same table, asked back, gives the dots pressed,
    // which then go through the course's table like a chord of six-key entry.
    quint32 character = 0;
    if ((symbol & BRLAPI_KEY_SYM_UNICODE) != 0)
        character = quint32(symbol & ~BRLAPI_KEY_SYM_UNICODE);
    else if (symbol < 0x100)
        character = quint32(symbol);
    else
        return -1;
    brlapi_param_computerBrailleRowCells_t row;
    if (brlapi__getParameter(m_handle, BRLAPI_PARAM_COMPUTER_BRAILLE_ROW_CELLS, character >> 8,
                             BRLAPI_PARAMF_GLOBAL, &row, sizeof row)
        < 0)
        return -1;
    const quint8 index = quint8(character & 0xFF);
    if (!(row.defined[index / 8] & (1 << (index % 8))))
        return -1;
    return row.cells[index] & 0x3F; // six dots: dots 7 and 8 are not the learner's
}

void RealBrailleDisplay::readKeys()
{
    brlapi_keyCode_t code;
    while (m_handle && brlapi__readKey(m_handle, 0, &code) > 0) {
        const brlapi_keyCode_t type = code & BRLAPI_KEY_TYPE_MASK;
        if (type == BRLAPI_KEY_TYPE_CMD) {
            const brlapi_keyCode_t block = code & BRLAPI_KEY_CMD_BLK_MASK;
            const brlapi_keyCode_t argument = code & BRLAPI_KEY_CMD_ARG_MASK;
            if (block == BRLAPI_KEY_CMD_PASSDOTS) {
                if (DotsTyped)
                    DotsTyped(quint8(argument & 0xFF));
            } else if (block == 0 && KeyPressed) {
                if (argument == BRLAPI_KEY_CMD_LNUP || argument == BRLAPI_KEY_CMD_FWINLT)
                    KeyPressed(Key::Previous);
                else if (argument == BRLAPI_KEY_CMD_LNDN || argument == BRLAPI_KEY_CMD_FWINRT)
                    KeyPressed(Key::Next);
            }
        } else if (type == BRLAPI_KEY_TYPE_SYM) {
            const brlapi_keyCode_t symbol = code & BRLAPI_KEY_CODE_MASK;
            if (symbol == BRLAPI_KEY_SYM_BACKSPACE && KeyPressed)
                KeyPressed(Key::Backspace);
            else if (symbol == BRLAPI_KEY_SYM_LINEFEED && KeyPressed)
                KeyPressed(Key::Enter);
            else if (symbol == ' ' && DotsTyped)
                DotsTyped(0);
            else if (const int dots = dotsOfCharacter(symbol); dots >= 0 && DotsTyped)
                DotsTyped(quint8(dots));
        }
    }
    if (connectionBroken)
        disconnect();
}
