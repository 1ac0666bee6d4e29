#pragma once

#include "kpPlainElementScanner.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>
#include <optional>

class QXmlStreamWriter;

// The file form shared by the shopping lists and the catalogues: qCompress output (a 4-byte
// big-endian length, then a zlib stream) of a UTF-8 XML document without declaration.
class kpCompressedXmlFile
{
public:
    enum class ReadResult { Unreadable, Empty, Damaged, Ok };

    // Bounds of every file the program reads, far beyond what it writes itself but low enough
    // that a hostile file costs at most some tens of megabytes and a second of reading.
    // A document may claim or unpack to this many bytes: a catalogue of 10,000 products takes
    // some 1.3 MB.
    static constexpr qsizetype MaxDocumentSize = 4 * 1024 * 1024;
    // Every element read becomes a record of a few hundred bytes of hash nodes and rows, so it is
    // the element count, not the size, that bounds the memory of a document of tiny items. Twice
    // the largest catalogue.
    static constexpr int MaxElementCount = 20000;
    // The XML reader compares the attributes of an element pairwise: thousands of them would hang
    // it. Counted as the "=" signs between two "<", which can only overstate them.
    static constexpr int MaxAttributeCount = 256;

    // Start elements of a document one after the other, within the bounds above. A document type
    // declaration counts as beyond them: the program writes none, and its entities can make a
    // small file expand to gigabytes. Documents in the plain form the program writes are scanned;
    // the XML reader takes over where a document leaves that form.
    class ElementReader
    {
    public:
        explicit ElementReader(const QByteArray &pDocument);

        // False at the end of the document, at a syntax error and where a bound is exceeded.
        bool readNextStartElement();
        bool exceededBounds() const { return mExceededBounds; }
        QStringView name() const { return mScanning ? mScanner.name() : mReader.name(); }
        QHash<QString, QString> attributes();

    private:
        void startXmlReader();
        bool readNextXmlStartElement();

        QByteArray mDocument;
        kpPlainElementScanner mScanner;
        bool mScanning = true;
        QXmlStreamReader mReader;
        // The XML reader passes over the start elements the scanner has given.
        int mElementsToSkip = 0;
        // The document is only read up to its first element of too many attributes.
        bool mTruncated = false;
        int mElementCount = 0;
        bool mExceededBounds = false;
    };

    [[nodiscard]] static ReadResult read(const QString &pPath, QByteArray *pDocument);
    [[nodiscard]] static QByteArray uncompress(const QByteArray &pCompressed);

    // Written through a temporary file that replaces the old one only once it is complete. A
    // document beyond the bounds is not written, as it could not be read back: the old file stays.
    [[nodiscard]] static bool write(const QString &pPath, const QByteArray &pDocument,
                                    int pCompressionLevel);

    // Any file of the program: the old content stays until the new one is complete on disk.
    [[nodiscard]] static bool writeAtomically(const QString &pPath, const QByteArray &pBytes);

    // Known keys first, in the given order, then any other key alphabetically, so that equal
    // records always give equal bytes.
    static void writeAttributes(QXmlStreamWriter &pWriter, const QHash<QString, QString> &pValues,
                                const QStringList &pKeyOrder);
};
