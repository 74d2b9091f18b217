// SPDX-License-Identifier: GPL-3.0-or-later
// sentiero-course SOURCE.txt OUTPUT.DB: writes the exercise table OUTPUT.DB and its blob
// file OUTPUT.MB from a course source text (docs/course-format.md). Only pxlib's writer is
// used: its reader is not safe on real blob files.

#include "rules/Paradox.h"
#include "tools/CourseSource.h"

// The header declares no C linkage of its own.
extern "C" {
#include <paradox.h>
}

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <vector>

namespace {

void collectError(pxdoc_t *, int, const char *message, void *data)
{
    static_cast<QStringList *>(data)->append(QString::fromLocal8Bit(message).trimmed());
}

char pxType(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::ShortInt:
        return pxfShort;
    case ColumnKind::LongInt:
        return pxfLong;
    case ColumnKind::Alpha:
        return pxfAlpha;
    case ColumnKind::Logical:
        return pxfLogical;
    case ColumnKind::RichText:
        return pxfFmtMemoBLOb;
    case ColumnKind::Memo:
        return pxfMemoBLOb;
    case ColumnKind::Graphic:
        return pxfGraphic;
    }
    return pxfAlpha;
}

// A blob file left from an earlier run under another letter case would be found by the
// reader instead of the new one.
void removeOldBlobFiles(const QString &dbPath)
{
    const QFileInfo info(dbPath);
    const QString wanted = info.completeBaseName() + QStringLiteral(".mb");
    const QDir dir = info.dir();
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden))
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0
            && entry.startsWith(info.completeBaseName()))
            QFile::remove(dir.filePath(entry));
}

// Paradox lays a blob file out in whole blocks of 4,096 bytes; pxlib stops writing a block
// that holds one large blob right after its data, so the last block is filled up here.
constexpr qint64 kBlobBlockSize = 4096;

QString padBlobFile(const QString &mbPath)
{
    QFile mb(mbPath);
    if (!mb.exists())
        return {};
    if (!mb.open(QIODevice::ReadWrite))
        return mb.errorString();
    const qint64 size = mb.size();
    const qint64 rest = size % kBlobBlockSize;
    if (rest == 0)
        return {};
    if (!mb.seek(size) || mb.write(QByteArray(kBlobBlockSize - rest, '\0')) != kBlobBlockSize - rest)
        return mb.errorString();
    return {};
}

// pxlib writes a new data block of the table one byte at a time, and asks the file for its
// position and moves it around each byte: two system calls a byte, minutes for a table of
// 200,000 records. The position is kept here instead, and the file is moved to it only when
// something is really read or written. One table is written at a time.
struct TrackedPosition
{
    long at = 0;
    bool inFile = true; // the file itself is at `at`
    bool writing = false; // the last transfer wrote: a read must move the file first
};
TrackedPosition tablePosition;

int trackedSeek(pxdoc_t *, pxstream_t *stream, long offset, int whence)
{
    if (whence == SEEK_END) {
        if (std::fseek(stream->s.fp, offset, SEEK_END) < 0)
            return -1;
        tablePosition = {std::ftell(stream->s.fp), true, false};
        return 0;
    }
    const long target = whence == SEEK_CUR ? tablePosition.at + offset : offset;
    if (target < 0)
        return -1;
    if (target != tablePosition.at)
        tablePosition = {target, false, false};
    return 0;
}

long trackedTell(pxdoc_t *, pxstream_t *)
{
    return tablePosition.at;
}

// The C library wants the file moved between a write and a read, or a read and a write.
bool moveFileToPosition(pxstream_t *stream, bool writing)
{
    if (tablePosition.inFile && tablePosition.writing == writing)
        return true;
    tablePosition.inFile = std::fseek(stream->s.fp, tablePosition.at, SEEK_SET) == 0;
    tablePosition.writing = writing;
    return tablePosition.inFile;
}

size_t trackedRead(pxdoc_t *, pxstream_t *stream, size_t count, void *buffer)
{
    if (!moveFileToPosition(stream, false))
        return 0;
    const size_t read = std::fread(buffer, 1, count, stream->s.fp);
    tablePosition.at += long(read);
    // A short read leaves the file where the C library says.
    if (read < count)
        tablePosition.at = std::ftell(stream->s.fp);
    return read;
}

size_t trackedWrite(pxdoc_t *, pxstream_t *stream, size_t count, void *buffer)
{
    if (!moveFileToPosition(stream, true))
        return 0;
    const size_t written = std::fwrite(buffer, 1, count, stream->s.fp);
    tablePosition.at += long(written);
    return written;
}

// From here on the table's file is read and written through the kept position.
void trackPosition(pxdoc_t *doc)
{
    pxstream_t *stream = doc->px_stream;
    std::fflush(stream->s.fp);
    tablePosition = {std::ftell(stream->s.fp), false, false};
    stream->seek = trackedSeek;
    stream->tell = trackedTell;
    stream->read = trackedRead;
    stream->write = trackedWrite;
}

class PxDocument
{
public:
    PxDocument() : m_doc(PX_new3(collectError, nullptr, nullptr, nullptr, &m_messages)) {}
    ~PxDocument()
    {
        if (m_doc) {
            if (m_created)
                PX_close(m_doc);
            PX_delete(m_doc);
        }
    }
    PxDocument(const PxDocument &) = delete;
    PxDocument &operator=(const PxDocument &) = delete;

    pxdoc_t *doc() const { return m_doc; }
    void setCreated() { m_created = true; }
    QString lastMessage() const
    {
        return m_messages.isEmpty() ? QStringLiteral("errore di pxlib") : m_messages.last();
    }
    void close()
    {
        if (m_created)
            PX_close(m_doc);
        m_created = false;
    }

private:
    QStringList m_messages;
    pxdoc_t *m_doc;
    bool m_created = false;
};

// Returns an empty text on success, else what went wrong.
QString writeTable(const CourseSource &source, const QString &dbPath, const QString &mbPath)
{
    PxDocument px;
    if (!px.doc())
        return QStringLiteral("pxlib non si avvia");
    pxdoc_t *doc = px.doc();

    const int count = int(source.columns.size());
    auto *fields = static_cast<pxfield_t *>(doc->malloc(doc, sizeof(pxfield_t) * count, "fields"));
    if (!fields)
        return QStringLiteral("memoria esaurita");
    std::vector<int> offsets;
    int recordSize = 0;
    for (int i = 0; i < count; ++i) {
        const Column &column = source.columns[i];
        fields[i].px_fname = PX_strdup(doc, column.name);
        fields[i].px_ftype = pxType(column.kind);
        fields[i].px_flen = column.size;
        fields[i].px_fdc = 0;
        offsets.push_back(recordSize);
        recordSize += column.size;
    }
    const QByteArray dbName = QFile::encodeName(dbPath);
    if (PX_create_file(doc, fields, count, dbName.constData(), pxfFileTypNonIndexDB) < 0)
        return px.lastMessage();
    px.setCreated();
    trackPosition(doc);
    PX_set_value(doc, "codepage", 1252);
    const QByteArray mbName = QFile::encodeName(mbPath);
    if (PX_set_blob_file(doc, mbName.constData()) < 0)
        return px.lastMessage();
    if (PX_get_recordsize(doc) != recordSize)
        return QStringLiteral("dimensione dei record inattesa");

    std::vector<char> record(size_t(recordSize), 0);
    for (const CourseRecord &course : source.records) {
        std::fill(record.begin(), record.end(), 0);
        for (int i = 0; i < count; ++i) {
            const CourseValue &value = course.values[i];
            if (!value.present)
                continue;
            const Column &column = source.columns[i];
            char *field = record.data() + offsets[size_t(i)];
            QByteArray bytes = value.bytes;
            switch (column.kind) {
            case ColumnKind::ShortInt:
                PX_put_data_short(doc, field, column.size, short(value.number));
                break;
            case ColumnKind::LongInt:
                PX_put_data_long(doc, field, column.size, value.number);
                break;
            case ColumnKind::Logical:
                PX_put_data_byte(doc, field, column.size, char(value.number));
                break;
            case ColumnKind::Alpha:
                PX_put_data_alpha(doc, field, column.size, bytes.data());
                break;
            case ColumnKind::RichText:
            case ColumnKind::Memo:
            case ColumnKind::Graphic:
                if (PX_put_data_blob(doc, field, column.size, bytes.data(), int(bytes.size())) < 0)
                    return QStringLiteral("record della riga %1: %2")
                        .arg(course.line)
                        .arg(px.lastMessage());
                break;
            }
        }
        if (PX_put_record(doc, record.data()) < 0)
            return QStringLiteral("record della riga %1: %2")
                .arg(course.line)
                .arg(px.lastMessage());
    }
    px.close();
    const QString padding = padBlobFile(mbPath);
    if (!padding.isEmpty())
        return QStringLiteral("%1: %2").arg(mbPath, padding);
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "uso: sentiero-course SORGENTE.txt USCITA.DB\n");
        return 2;
    }
    const QString sourcePath = args[1];
    const QString dbPath = args[2];

    QFile sourceFile(sourcePath);
    if (!sourceFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(sourcePath),
                     qPrintable(sourceFile.errorString()));
        return 1;
    }
    CourseSource source;
    try {
        source = parseCourseSource(sourceFile.readAll(), sourcePath,
                                   QFileInfo(sourcePath).absolutePath());
    } catch (const CourseError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }

    const QString mbPath = paradoxBlobPathFor(dbPath);
    QFile::remove(dbPath);
    removeOldBlobFiles(dbPath);
    PX_boot();
    const QString failure = writeTable(source, dbPath, mbPath);
    PX_shutdown();
    if (!failure.isEmpty()) {
        QFile::remove(dbPath);
        QFile::remove(mbPath);
        std::fprintf(stderr, "%s: %s\n", qPrintable(dbPath), qPrintable(failure));
        return 1;
    }
    return 0;
}
