// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/RichText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> lines = richTextLines(input);
    // Callers rely on lines without terminators, whatever escapes produced them.
    for (const QByteArray &line : lines) {
        if (line.contains('\r') || line.contains('\n'))
            std::abort();
    }
    return 0;
}
