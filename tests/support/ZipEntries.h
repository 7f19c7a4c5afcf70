#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>

#include <zlib.h>

// The files of a zip archive (an .xlsx workbook), by name, read through its
// central directory; stored and deflated entries. Empty when the archive is
// unreadable. Tests only: the program never reads zip files.
inline QHash<QString, QByteArray> zipEntries(const QString &path)
{
    QHash<QString, QByteArray> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    const QByteArray zip = f.readAll();
    auto u16 = [&](qsizetype at) { return quint32(quint8(zip[at])) | quint32(quint8(zip[at + 1])) << 8; };
    auto u32 = [&](qsizetype at) { return u16(at) | u16(at + 2) << 16; };
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > zip.size())
        return out;
    const quint32 count = u16(end + 10);
    qsizetype at = qsizetype(u32(end + 16));
    for (quint32 i = 0; i < count; ++i) {
        if (at + 46 > zip.size() || u32(at) != 0x02014b50)
            return {};
        const quint32 method = u16(at + 10);
        const quint32 packed = u32(at + 20);
        const quint32 size = u32(at + 24);
        const quint32 nameLen = u16(at + 28);
        const quint32 extraLen = u16(at + 30);
        const quint32 commentLen = u16(at + 32);
        const qsizetype local = qsizetype(u32(at + 42));
        const QString name = QString::fromUtf8(zip.mid(at + 46, nameLen));
        at += 46 + nameLen + extraLen + commentLen;
        if (local + 30 > zip.size() || u32(local) != 0x04034b50)
            return {};
        const qsizetype data = local + 30 + u16(local + 26) + u16(local + 28);
        const QByteArray raw = zip.mid(data, packed);
        if (method == 0) {
            out.insert(name, raw);
            continue;
        }
        if (method != 8)
            return {};
        QByteArray plain(int(size), '\0');
        z_stream s{};
        if (inflateInit2(&s, -MAX_WBITS) != Z_OK)
            return {};
        s.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(raw.constData()));
        s.avail_in = uInt(raw.size());
        s.next_out = reinterpret_cast<Bytef *>(plain.data());
        s.avail_out = uInt(plain.size());
        const int rc = inflate(&s, Z_FINISH);
        inflateEnd(&s);
        if (rc != Z_STREAM_END)
            return {};
        out.insert(name, plain);
    }
    return out;
}
