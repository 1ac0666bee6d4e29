#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

class QXmlStreamReader;
class QXmlStreamWriter;

// The file form shared by the shopping lists and the catalogues: qCompress output (a 4-byte
// big-endian length, then a zlib stream) of a UTF-8 XML document without declaration.
class kpCompressedXmlFile
{
public:
    enum class ReadResult { Unreadable, Empty, Damaged, Ok };

    // Refuse documents that claim or unpack to more than this: no real list or catalogue comes
    // near it, and a hostile file must not make the program allocate gigabytes.
    static constexpr qsizetype MaxDocumentSize = 64 * 1024 * 1024;

    static ReadResult read(const QString &pPath, QByteArray *pDocument);
    static QByteArray uncompress(const QByteArray &pCompressed);

    // Written through a temporary file that replaces the old one only once it is complete.
    static bool write(const QString &pPath, const QByteArray &pDocument, int pCompressionLevel);

    // Any file of the program: the old content stays until the new one is complete on disk.
    static bool writeAtomically(const QString &pPath, const QByteArray &pBytes);

    static QHash<QString, QString> attributes(const QXmlStreamReader &pReader);
    // Known keys first, in the given order, then any other key alphabetically, so that equal
    // records always give equal bytes.
    static void writeAttributes(QXmlStreamWriter &pWriter, const QHash<QString, QString> &pValues,
                                const QStringList &pKeyOrder);
};
