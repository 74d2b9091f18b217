// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Paradox.h"

#include "rules/Cp1252.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace {

// Every offset is checked against the size before a byte is touched; 64-bit arithmetic
// keeps the checks themselves from overflowing.
// Little-endian integers, as the headers and blob references of Paradox files hold them.
std::uint16_t le16(const std::uint8_t *p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

std::uint32_t le32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16)
           | (std::uint32_t(p[3]) << 24);
}

class Bytes
{
public:
    explicit Bytes(const QByteArray &data)
        : m_data(reinterpret_cast<const std::uint8_t *>(data.constData())), m_size(data.size())
    {
    }
    std::int64_t size() const { return m_size; }
    bool has(std::int64_t offset, std::int64_t length) const
    {
        return offset >= 0 && length >= 0 && offset <= m_size && length <= m_size - offset;
    }
    const std::uint8_t *at(std::int64_t offset) const { return m_data + offset; }
    std::uint8_t u8(std::int64_t offset) const { return m_data[offset]; }
    std::uint16_t le16(std::int64_t offset) const { return ::le16(m_data + offset); }
    std::uint32_t le32(std::int64_t offset) const { return ::le32(m_data + offset); }

private:
    const std::uint8_t *m_data;
    std::int64_t m_size;
};

bool allZero(const std::uint8_t *p, int size)
{
    for (int i = 0; i < size; ++i)
        if (p[i] != 0)
            return false;
    return true;
}

constexpr int kMbBlockSize = 4096;
constexpr int kSubAllocSlots = 64;
constexpr int kSubAllocTableEnd = 12 + kSubAllocSlots * 5;

struct TypeInfo
{
    FieldType type;
    int fixedSize; // 0: any size within the bounds below
    int minSize;
    int maxSize;
};

bool typeInfo(std::uint8_t code, TypeInfo &info)
{
    switch (code) {
    case 0x01:
        info = {FieldType::Alpha, 0, 1, 255};
        return true;
    case 0x02:
        info = {FieldType::Date, 4, 4, 4};
        return true;
    case 0x03:
        info = {FieldType::ShortInt, 2, 2, 2};
        return true;
    case 0x04:
        info = {FieldType::LongInt, 4, 4, 4};
        return true;
    case 0x05:
        info = {FieldType::Currency, 8, 8, 8};
        return true;
    case 0x06:
        info = {FieldType::Number, 8, 8, 8};
        return true;
    case 0x09:
        info = {FieldType::Logical, 1, 1, 1};
        return true;
    case 0x0C:
        info = {FieldType::Memo, 0, 10, 255};
        return true;
    case 0x0D:
        info = {FieldType::Blob, 0, 10, 255};
        return true;
    case 0x0E:
        info = {FieldType::FmtMemo, 0, 10, 255};
        return true;
    case 0x0F:
        info = {FieldType::Ole, 0, 10, 255};
        return true;
    case 0x10:
        info = {FieldType::Graphic, 0, 10, 255};
        return true;
    case 0x14:
        info = {FieldType::Time, 4, 4, 4};
        return true;
    case 0x15:
        info = {FieldType::Timestamp, 8, 8, 8};
        return true;
    case 0x16:
        info = {FieldType::AutoInc, 4, 4, 4};
        return true;
    case 0x17:
        info = {FieldType::Bcd, 17, 17, 17};
        return true;
    case 0x18:
        info = {FieldType::Bytes, 0, 1, 255};
        return true;
    default:
        return false;
    }
}

bool isBlobType(FieldType type)
{
    switch (type) {
    case FieldType::Memo:
    case FieldType::Blob:
    case FieldType::FmtMemo:
    case FieldType::Ole:
    case FieldType::Graphic:
        return true;
    default:
        return false;
    }
}

// Paradox stores numbers big-endian with the sign bit flipped so that they sort as bytes;
// all zero bytes mean null.
QVariant decodeInteger(const std::uint8_t *p, int size)
{
    if (allZero(p, size))
        return {};
    std::uint32_t raw = 0;
    for (int i = 0; i < size; ++i)
        raw = (raw << 8) | p[i];
    if (size == 2)
        return int(std::int16_t(std::uint16_t(raw ^ 0x8000u)));
    return int(std::int32_t(raw ^ 0x80000000u));
}

QVariant decodeDouble(const std::uint8_t *p)
{
    if (allZero(p, 8))
        return {};
    std::uint64_t raw = 0;
    for (int i = 0; i < 8; ++i)
        raw = (raw << 8) | p[i];
    // Positive values have the sign bit set; negative ones are stored with every bit inverted.
    if (raw & 0x8000000000000000ull)
        raw &= 0x7FFFFFFFFFFFFFFFull;
    else
        raw = ~raw;
    double value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

// The bytes of a file: mapped into memory where the system can map it, so that a walk over
// one field of every record touches only the pages it reads, and read whole otherwise.
struct FileBytes
{
    std::shared_ptr<const QFile> file; // kept open while `bytes` points into its mapping
    QByteArray bytes;
};

// What tells a file's contents apart from what they were when it was mapped.
struct FileStamp
{
    qint64 size = -1;
    QDateTime modified;
    QDateTime changed; // its metadata: a file put in its place changes it

    explicit FileStamp(const QFileInfo &info)
        : size(info.size()),
          modified(info.lastModified()),
          changed(info.fileTime(QFileDevice::FileMetadataChangeTime))
    {
    }
    bool operator==(const FileStamp &other) const
    {
        return size == other.size && modified == other.modified && changed == other.changed;
    }
};

// Files stay mapped after their table has closed, a few of them, for the next table opened on
// them: a run of exercises opens the course's table at each command, and a new mapping costs
// a page fault every few pages read, which on some machines is most of the time of an open. A
// file that has changed since is mapped afresh. Tables are opened on the program's one thread.
class MappedFiles
{
public:
    std::optional<FileBytes> find(const QString &path, const FileStamp &stamp)
    {
        for (auto it = m_files.begin(); it != m_files.end(); ++it) {
            if (it->path != path)
                continue;
            if (!(it->stamp == stamp)) {
                m_files.erase(it);
                return std::nullopt;
            }
            return it->bytes;
        }
        return std::nullopt;
    }
    void keep(const QString &path, const FileStamp &stamp, const FileBytes &bytes)
    {
        if (m_files.size() == Kept)
            m_files.erase(m_files.begin());
        m_files.push_back({path, stamp, bytes});
    }

private:
    static constexpr size_t Kept = 8;
    struct Entry
    {
        QString path;
        FileStamp stamp;
        FileBytes bytes;
    };
    std::vector<Entry> m_files;
};

MappedFiles &mappedFiles()
{
    static MappedFiles files;
    return files;
}

// Throws TableError with `describe`'s text and the file's error.
FileBytes readFileBytes(const QString &path, const std::function<QString(const QString &)> &describe)
{
    const FileStamp stamp{QFileInfo(path)};
    if (std::optional<FileBytes> kept = mappedFiles().find(path, stamp))
        return *kept;
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        throw TableError(describe(file->errorString()));
    const qint64 size = file->size();
    if (uchar *mapped = size > 0 ? file->map(0, size) : nullptr) {
        FileBytes result{file, QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), size)};
        if (size == stamp.size)
            mappedFiles().keep(path, stamp, result);
        return result;
    }
    FileBytes result{nullptr, file->readAll()};
    if (file->error() != QFileDevice::NoError)
        throw TableError(describe(file->errorString()));
    return result;
}

class ParadoxTable final : public RecordSource
{
public:
    ParadoxTable(const QByteArray &db, const std::optional<QByteArray> &mb, const QString &dbName,
                 const QString &mbName)
        : m_db(db), m_mb(mb), m_dbName(dbName), m_mbName(mbName)
    {
        parse();
    }

    // Over the bytes of files mapped into memory, which the table keeps open.
    ParadoxTable(FileBytes db, std::optional<FileBytes> mb, const QString &dbName,
                 const QString &mbName)
        : ParadoxTable(db.bytes, mb ? std::optional<QByteArray>(mb->bytes) : std::nullopt, dbName,
                       mbName)
    {
        m_dbFile = std::move(db.file);
        if (mb)
            m_mbFile = std::move(mb->file);
    }

    const QList<FieldDef> &fields() const override { return m_fields; }
    int recordCount() const override { return int(m_records.size()); }

    QVariant value(int record, int field) const override
    {
        const std::uint8_t *p = fieldData(record, field);
        const FieldDef &def = m_fields[field];
        switch (def.type) {
        case FieldType::Alpha: {
            int length = 0;
            while (length < def.size && p[length] != 0)
                ++length;
            if (length == 0)
                return {};
            return QByteArray(reinterpret_cast<const char *>(p), length);
        }
        case FieldType::ShortInt:
        case FieldType::LongInt:
        case FieldType::AutoInc:
        case FieldType::Date:
        case FieldType::Time:
            return decodeInteger(p, def.size);
        case FieldType::Number:
        case FieldType::Currency:
        case FieldType::Timestamp:
            return decodeDouble(p);
        case FieldType::Logical:
            if (p[0] == 0)
                return {};
            return bool(p[0] & 0x7F);
        case FieldType::Bcd:
        case FieldType::Bytes:
        case FieldType::Other:
            if (allZero(p, def.size))
                return {};
            return QByteArray(reinterpret_cast<const char *>(p), def.size);
        case FieldType::Memo:
        case FieldType::Blob:
        case FieldType::FmtMemo:
        case FieldType::Ole:
        case FieldType::Graphic: {
            QByteArray data = blob(record, field, p);
            if (data.isEmpty())
                return {};
            if (def.type == FieldType::Graphic && hasGraphicHeader(data))
                data.remove(0, 8);
            return data;
        }
        }
        return {};
    }

    QByteArray rawBlob(int record, int field) const override
    {
        const std::uint8_t *p = fieldData(record, field);
        const FieldDef &def = m_fields[field];
        if (isBlobType(def.type))
            return blob(record, field, p);
        return QByteArray(reinterpret_cast<const char *>(p), def.size);
    }

    void checkBlobFile(int record) const override
    {
        for (int field = 0; field < m_fields.size(); ++field) {
            std::uint32_t reference = 0, length = 0;
            if (!isBlobType(m_fields[field].type)
                || !externalReference(fieldData(record, field), field, reference, length))
                continue;
            try {
                (void)locate(record, field, reference, length);
            } catch (const TableError &) {
                // A reference of the record itself is reported when the value is read.
                if (!recordIsAtFault(reference))
                    throw;
            }
        }
    }

private:
    [[noreturn]] void dbError(const QString &reason) const
    {
        throw TableError(
            QStringLiteral("Impossibile aprire la tabella \"%1\": %2").arg(m_dbName, reason));
    }
    [[noreturn]] void mbError(const QString &reason) const
    {
        throw TableError(QStringLiteral("Impossibile leggere il file dei campi memo \"%1\": %2")
                             .arg(m_mbName, reason));
    }

    void parse()
    {
        const Bytes db(m_db);
        if (db.size() == 0)
            dbError(QStringLiteral("file vuoto"));
        if (!db.has(0, 0x58))
            dbError(QStringLiteral("file troncato"));

        const int recordSize = db.le16(0x00);
        const int headerSize = db.le16(0x02);
        const int fileType = db.u8(0x04);
        const int maxTableSize = db.u8(0x05);
        const std::uint32_t declaredRecords = db.le32(0x06);
        const int firstBlock = db.le16(0x0E);
        const int fieldCount = db.le16(0x21);
        const int versionId = db.u8(0x39);

        // 0: keyed table, 2: table without key; the other types are index files.
        if (fileType != 0 && fileType != 2)
            dbError(QStringLiteral("non è una tabella Paradox"));
        if (versionId < 3 || versionId > 12)
            dbError(QStringLiteral("versione del formato sconosciuta"));
        const bool v4 = versionId >= 5;
        const int fieldInfoStart = v4 ? 0x78 : 0x58;
        if (headerSize < fieldInfoStart)
            dbError(QStringLiteral("intestazione non valida"));
        if (!db.has(0, headerSize))
            dbError(QStringLiteral("file troncato"));
        if (maxTableSize < 1 || maxTableSize > 32)
            dbError(QStringLiteral("dimensione dei blocchi non valida"));
        const int blockSize = maxTableSize * 1024;
        if (recordSize < 1 || 6 + recordSize > blockSize)
            dbError(QStringLiteral("dimensione dei record non valida"));
        if (fieldCount < 1 || fieldCount > 255)
            dbError(QStringLiteral("numero di campi non valido"));

        // Field types and sizes, the table name, then the field names as C strings.
        std::int64_t pos = fieldInfoStart;
        if (!db.has(pos, 2 * fieldCount))
            dbError(QStringLiteral("intestazione non valida"));
        int offset = 0;
        m_fields.reserve(fieldCount);
        m_offsets.reserve(fieldCount);
        for (int i = 0; i < fieldCount; ++i) {
            TypeInfo info;
            const int code = db.u8(pos + 2 * i);
            const int size = db.u8(pos + 2 * i + 1);
            if (!typeInfo(std::uint8_t(code), info))
                dbError(QStringLiteral("tipo di campo sconosciuto (%1)").arg(code));
            if ((info.fixedSize && size != info.fixedSize) || size < info.minSize
                || size > info.maxSize)
                dbError(QStringLiteral("dimensione di campo non valida"));
            FieldDef def;
            def.type = info.type;
            def.size = size;
            m_fields.append(def);
            m_offsets.push_back(offset);
            offset += size;
        }
        if (offset != recordSize)
            dbError(QStringLiteral("dimensione dei record non valida"));

        const int tableNameLength = versionId >= 12 ? 261 : 79;
        pos += 2 * fieldCount + 4 + 4 * std::int64_t(fieldCount) + tableNameLength;
        for (int i = 0; i < fieldCount; ++i) {
            std::int64_t end = pos;
            while (end < headerSize && db.u8(end) != 0)
                ++end;
            if (end >= headerSize)
                dbError(QStringLiteral("nomi dei campi illeggibili"));
            m_fields[i].name =
                fromCp1252(QByteArray(reinterpret_cast<const char *>(db.at(pos)), int(end - pos)));
            if (m_fields[i].name.isEmpty())
                dbError(QStringLiteral("nomi dei campi illeggibili"));
            pos = end + 1;
        }

        // Data blocks, following the chain from the first one.
        const std::int64_t blocksInFile = (db.size() - headerSize) / blockSize;
        if (declaredRecords > std::uint32_t(INT32_MAX)
            || declaredRecords
                   > std::uint64_t(blocksInFile) * std::uint64_t((blockSize - 6) / recordSize))
            dbError(declaredRecords > 0 && blocksInFile == 0
                        ? QStringLiteral("file troncato")
                        : QStringLiteral("numero di record errato"));
        m_records.reserve(declaredRecords);
        std::vector<bool> visited(size_t(blocksInFile) + 1, false);
        int block = firstBlock;
        if (declaredRecords > 0 && block == 0)
            dbError(QStringLiteral("catena dei blocchi dati interrotta"));
        while (block != 0) {
            if (block > blocksInFile)
                dbError(QStringLiteral("file troncato"));
            if (visited[size_t(block)])
                dbError(QStringLiteral("catena dei blocchi dati circolare"));
            visited[size_t(block)] = true;
            const std::int64_t base = headerSize + std::int64_t(block - 1) * blockSize;
            const int next = db.le16(base);
            const int lastOffset = std::int16_t(db.le16(base + 4));
            // The last word holds the offset of the last record; an empty block has a
            // negative one.
            int count = 0;
            if (lastOffset >= 0) {
                if (lastOffset % recordSize != 0 || 6 + lastOffset + recordSize > blockSize)
                    dbError(QStringLiteral("blocco dati %1 non valido").arg(block));
                count = lastOffset / recordSize + 1;
            }
            if (m_records.size() + size_t(count) > declaredRecords)
                dbError(QStringLiteral("numero di record errato"));
            for (int i = 0; i < count; ++i)
                m_records.push_back(std::uint32_t(base + 6 + std::int64_t(i) * recordSize));
            block = next;
        }
        if (m_records.size() != declaredRecords)
            dbError(QStringLiteral("numero di record errato"));
    }

    const std::uint8_t *fieldData(int record, int field) const
    {
        if (record < 0 || record >= recordCount() || field < 0 || field >= m_fields.size())
            throw TableError(QStringLiteral("Tabella \"%1\": record %2, campo %3 inesistente")
                                 .arg(m_dbName)
                                 .arg(record)
                                 .arg(field));
        return reinterpret_cast<const std::uint8_t *>(m_db.constData()) + m_records[size_t(record)]
               + m_offsets[size_t(field)];
    }

    // The field ends with 10 bytes: the place in the .MB (4), the length (4) and a
    // modification number (2). Short values live entirely in the leader before them.
    // Whether the value lies in the .MB, and where.
    bool externalReference(const std::uint8_t *p, int field, std::uint32_t &reference,
                           std::uint32_t &length) const
    {
        const int leader = m_fields[field].size - 10;
        reference = le32(p + leader);
        length = le32(p + leader + 4);
        return length > std::uint32_t(leader);
    }

    QByteArray blob(int record, int field, const std::uint8_t *p) const
    {
        std::uint32_t reference = 0, length = 0;
        const bool external = externalReference(p, field, reference, length);
        if (length == 0)
            return {};
        if (!external)
            return QByteArray(reinterpret_cast<const char *>(p), int(length));
        // A copy: the value may outlive the mapping of the file.
        return QByteArray(m_mb->constData() + locate(record, field, reference, length),
                          qsizetype(length));
    }

    // Where a value of the .MB begins. When it cannot be read, the error names the file at
    // fault: the .DB when the record's reference cannot be right, the .MB otherwise.
    std::int64_t locate(int record, int field, std::uint32_t reference, std::uint32_t length) const
    {
        try {
            return blobStart(reference, length);
        } catch (const TableError &) {
            if (!recordIsAtFault(reference))
                throw;
            throw TableError(QStringLiteral("Impossibile leggere il campo \"%1\" del record %2 "
                                            "della tabella \"%3\": il riferimento al file dei "
                                            "campi memo non è valido")
                                 .arg(m_fields[field].name)
                                 .arg(record + 1)
                                 .arg(m_dbName));
        }
    }

    std::int64_t blobStart(std::uint32_t reference, std::uint32_t length) const
    {
        if (!m_mb)
            mbError(QStringLiteral("file mancante"));
        const Bytes mb(*m_mb);
        const int index = int(reference & 0xFF);
        const std::int64_t block = reference & 0xFFFFFF00u;
        if (block == 0)
            mbError(QStringLiteral("riferimento a un blocco non valido"));
        if (!mb.has(block, 3))
            mbError(QStringLiteral("file troncato"));
        const int type = mb.u8(block);
        const std::int64_t blockBytes = std::int64_t(mb.le16(block + 1)) * kMbBlockSize;

        std::int64_t start = 0;
        if (index == 0xFF) {
            // A block of its own: type, size in 4k units, length, modification number.
            if (type != 2)
                mbError(QStringLiteral("blocco di tipo inatteso"));
            if (!mb.has(block, 9))
                mbError(QStringLiteral("file troncato"));
            if (mb.le32(block + 3) != length || 9 + std::int64_t(length) > blockBytes)
                mbError(QStringLiteral("lunghezza del blob non valida"));
            start = block + 9;
        } else {
            // A block shared by up to 64 small blobs, each with a 5-byte slot: offset and
            // length in 16-byte units, modification number, length modulo 16.
            if (type != 3 || index >= kSubAllocSlots)
                mbError(QStringLiteral("blocco di tipo inatteso"));
            const std::int64_t slot = block + 12 + 5 * index;
            if (!mb.has(slot, 5))
                mbError(QStringLiteral("file troncato"));
            const std::int64_t dataOffset = std::int64_t(mb.u8(slot)) * 16;
            const std::int64_t capacity = std::int64_t(mb.u8(slot + 1)) * 16;
            if (dataOffset < kSubAllocTableEnd || std::int64_t(length) > capacity
                || dataOffset + std::int64_t(length) > blockBytes)
                mbError(QStringLiteral("blob non valido"));
            start = block + dataOffset;
        }
        if (!mb.has(start, length))
            mbError(QStringLiteral("file troncato"));
        return start;
    }

    // Whether a reference that could not be followed is wrong in itself, rather than the
    // .MB being damaged: it does not name a block (the header, a place inside a block, a
    // slot number no block has), or the .MB is sound in its blocks and the reference names
    // a free block, or lies beyond the end while no reference names the block where the
    // file stops (a file cut short at a block's edge leaves exactly that one dangling).
    bool recordIsAtFault(std::uint32_t reference) const
    {
        if (!m_mb)
            return false;
        const std::int64_t block = reference & 0xFFFFFF00u;
        const int index = int(reference & 0xFF);
        if (block == 0 || block % kMbBlockSize != 0 || (index >= kSubAllocSlots && index != 0xFF))
            return true;
        const BlockMap &blocks = blockMap();
        if (!blocks.sound)
            return false;
        if (block >= m_mb->size())
            return !blocks.cutShort;
        const auto found = blocks.types.find(block);
        return found == blocks.types.end() || found->second == 0 || found->second == 4;
    }

    // The blocks of the .MB from its start: the header block, then blocks of the known types
    // (2 a single blob, 3 sub-allocated, 4 free), each of whole 4k units up to the end.
    struct BlockMap
    {
        bool sound = false;
        std::map<std::int64_t, int> types;
        bool cutShort = false; // a reference names the block where the file stops
    };

    const BlockMap &blockMap() const
    {
        if (m_blocks)
            return *m_blocks;
        BlockMap map;
        const Bytes mb(*m_mb);
        std::int64_t pos = 0;
        map.sound = mb.size() > 0;
        while (map.sound && pos < mb.size()) {
            const int type = mb.has(pos, 3) ? mb.u8(pos) : -1;
            const std::int64_t units = mb.has(pos, 3) ? mb.le16(pos + 1) : 0;
            map.sound = (pos == 0 ? type == 0 : type >= 2 && type <= 4) && units > 0
                        && mb.has(pos, units * kMbBlockSize);
            map.types[pos] = type;
            pos += units * kMbBlockSize;
        }
        for (int record = 0; map.sound && record < recordCount(); ++record) {
            for (int field = 0; field < m_fields.size(); ++field) {
                std::uint32_t reference = 0, length = 0;
                if (!isBlobType(m_fields[field].type)
                    || !externalReference(fieldData(record, field), field, reference, length))
                    continue;
                if (std::int64_t(reference & 0xFFFFFF00u) == mb.size())
                    map.cutShort = true;
            }
        }
        m_blocks = std::move(map);
        return *m_blocks;
    }

    QByteArray m_db;
    std::optional<QByteArray> m_mb;
    QString m_dbName;
    QString m_mbName;
    QList<FieldDef> m_fields;
    std::vector<int> m_offsets;
    std::vector<std::uint32_t> m_records; // offset of each record in m_db
    mutable std::optional<BlockMap> m_blocks;
    // The files that m_db and m_mb map, when they were opened from disk.
    std::shared_ptr<const QFile> m_dbFile;
    std::shared_ptr<const QFile> m_mbFile;
};

} // namespace

// A BMP that Paradox wrapped: 8 bytes in front of the "BM" signature.
bool hasGraphicHeader(const QByteArray &data)
{
    if (data.size() < 10 || data.startsWith("BM"))
        return false;
    if (data.at(8) == 'B' && data.at(9) == 'M')
        return true;
    const auto *p = reinterpret_cast<const std::uint8_t *>(data.constData());
    return (std::uint32_t(p[4]) | (std::uint32_t(p[5]) << 8) | (std::uint32_t(p[6]) << 16)
            | (std::uint32_t(p[7]) << 24))
           == std::uint32_t(data.size() - 8);
}

QString paradoxBlobPathFor(const QString &dbPath)
{
    const QFileInfo info(dbPath);
    const QString suffix = info.suffix();
    const bool lower = !suffix.isEmpty() && suffix.at(suffix.size() - 1).isLower();
    return info.dir().filePath(info.completeBaseName()
                               + (lower ? QStringLiteral(".mb") : QStringLiteral(".MB")));
}

QString paradoxBlobPath(const QString &dbPath)
{
    const QFileInfo info(dbPath);
    const QString base = info.completeBaseName();
    const QDir dir = info.dir();
    const QString preferred = paradoxBlobPathFor(dbPath);
    if (QFileInfo(preferred).isFile())
        return preferred;
    const QString wanted = base + QStringLiteral(".mb");
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.size() == wanted.size() && entry.startsWith(base)
            && entry.endsWith(QStringLiteral(".mb"), Qt::CaseInsensitive))
            return dir.filePath(entry);
    }
    return {};
}

std::unique_ptr<RecordSource> openParadoxTableData(const QByteArray &db,
                                                   const std::optional<QByteArray> &mb,
                                                   const QString &dbName, const QString &mbName)
{
    return std::make_unique<ParadoxTable>(db, mb, dbName, mbName);
}

std::unique_ptr<RecordSource> openParadoxTable(const QString &path)
{
    if (!QFile::exists(path))
        throw TableError(
            QStringLiteral("Impossibile aprire la tabella \"%1\": file non trovato").arg(path));
    FileBytes db = readFileBytes(path, [&](const QString &error) {
        return QStringLiteral("Impossibile aprire la tabella \"%1\": %2").arg(path, error);
    });

    std::optional<FileBytes> mb;
    QString mbPath = paradoxBlobPath(path);
    if (!mbPath.isEmpty()) {
        mb = readFileBytes(mbPath, [&](const QString &error) {
            return QStringLiteral("Impossibile leggere il file dei campi memo \"%1\": %2")
                .arg(mbPath, error);
        });
    } else {
        const QFileInfo info(path);
        mbPath = info.dir().filePath(info.completeBaseName() + QStringLiteral(".MB"));
    }
    return std::make_unique<ParadoxTable>(std::move(db), std::move(mb), path, mbPath);
}
