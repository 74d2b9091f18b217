// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

// The paragraphs of a rich-text value, as cp1252 lines. RTF as a RichEdit control saves it
// is read for its text; any other value is plain text split at CR LF, CR or LF.
// Any byte string is accepted.
QList<QByteArray> richTextLines(const QByteArray &value);

// Plain text (a memo) split into lines at CR LF, CR or LF; a final line break adds no line.
QList<QByteArray> splitMemoLines(const QByteArray &text);
