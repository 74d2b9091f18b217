#pragma once

#include <QByteArray>
#include <QList>

// The paragraphs of a rich-text value, as cp1252 lines. RTF as a RichEdit control saves it
// is read for its text; any other value is plain text split at CR LF, CR or LF.
// Any byte string is accepted.
QList<QByteArray> richTextLines(const QByteArray &value);
