#include "kpCompressedXmlFile.h"

#include "kpItemRecord.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QXmlStreamAttributes>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtEndian>
#include <zlib.h>

kpCompressedXmlFile::ReadResult kpCompressedXmlFile::read(const QString &pPath,
                                                          QByteArray *pDocument)
{
    pDocument->clear();
    QFile file(pPath);
    if (pPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return ReadResult::Unreadable;
    const QByteArray compressed = file.read(MaxDocumentSize + 1);
    file.close();
    if (compressed.isEmpty())
        return ReadResult::Empty;
    *pDocument = uncompress(compressed);
    return pDocument->isEmpty() ? ReadResult::Damaged : ReadResult::Ok;
}

// Same result as qUncompress for every file it accepts, but inflates in one bounded pass: the
// claimed length is only a hint, and a stream that unpacks past the limit is refused early.
QByteArray kpCompressedXmlFile::uncompress(const QByteArray &pCompressed)
{
    constexpr qsizetype headerSize = 4;
    if (pCompressed.size() <= headerSize)
        return {};
    const quint32 claimedSize = qFromBigEndian<quint32>(pCompressed.constData());
    if (claimedSize == 0 || claimedSize > MaxDocumentSize)
        return {};

    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return {};
    stream.next_in
        = reinterpret_cast<Bytef *>(const_cast<char *>(pCompressed.constData())) + headerSize;
    stream.avail_in = uInt(pCompressed.size() - headerSize);

    QByteArray document(qsizetype(claimedSize), Qt::Uninitialized);
    int status = Z_OK;
    while (status == Z_OK) {
        if (qsizetype(stream.total_out) == document.size()) {
            if (document.size() >= MaxDocumentSize)
                break;
            document.resize(qMin(document.size() * 2, MaxDocumentSize));
        }
        stream.next_out = reinterpret_cast<Bytef *>(document.data()) + stream.total_out;
        stream.avail_out = uInt(document.size() - qsizetype(stream.total_out));
        status = inflate(&stream, Z_NO_FLUSH);
        if (status == Z_BUF_ERROR && stream.avail_in > 0)
            status = Z_OK;
    }
    const qsizetype unpackedSize = qsizetype(stream.total_out);
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return {};
    document.truncate(unpackedSize);
    return document;
}

// Where the element starts that has more attributes than the reader takes, or -1: the first
// stretch from one "<" to the next with more "=" than that.
static qsizetype crowdedElementOffset(const QByteArray &pDocument)
{
    const QByteArrayView document(pDocument);
    qsizetype elementStart = 0;
    while (elementStart < document.size()) {
        qsizetype nextElement = document.indexOf('<', elementStart + 1);
        if (nextElement < 0)
            nextElement = document.size();
        const QByteArrayView element = document.sliced(elementStart, nextElement - elementStart);
        // Shorter stretches cannot hold that many "=": most are not counted at all.
        if (element.size() > kpCompressedXmlFile::MaxAttributeCount
            && element.count('=') > kpCompressedXmlFile::MaxAttributeCount)
            return elementStart;
        elementStart = nextElement;
    }
    return -1;
}

// Whether the element reader would stop short of the end of a document the program wrote. Its
// attribute values are escaped, so every "<" opens or closes an element.
static bool isBeyondTheBounds(const QByteArray &pDocument)
{
    const qsizetype elementCount = pDocument.count('<') - pDocument.count("</");
    return pDocument.size() > kpCompressedXmlFile::MaxDocumentSize
        || elementCount > kpCompressedXmlFile::MaxElementCount
        || crowdedElementOffset(pDocument) >= 0;
}

bool kpCompressedXmlFile::write(const QString &pPath, const QByteArray &pDocument,
                                int pCompressionLevel)
{
    if (isBeyondTheBounds(pDocument))
        return false;
    const QByteArray compressed = qCompress(pDocument, pCompressionLevel);
    return !compressed.isEmpty() && writeAtomically(pPath, compressed);
}

bool kpCompressedXmlFile::writeAtomically(const QString &pPath, const QByteArray &pBytes)
{
    QSaveFile file(pPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(pBytes) != pBytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

kpCompressedXmlFile::ElementReader::ElementReader(const QByteArray &pDocument)
    : mDocument(pDocument)
    , mScanner(pDocument)
{
}

bool kpCompressedXmlFile::ElementReader::readNextStartElement()
{
    if (mScanning) {
        switch (mScanner.readNextStartElement()) {
        case kpPlainElementScanner::Step::StartElement:
            // The XML reader decides at the bound, as it does on every other way out.
            if (mElementCount < MaxElementCount) {
                ++mElementCount;
                return true;
            }
            break;
        case kpPlainElementScanner::Step::End:
            return false;
        case kpPlainElementScanner::Step::GaveUp:
            break;
        }
        startXmlReader();
    }
    return readNextXmlStartElement();
}

void kpCompressedXmlFile::ElementReader::startXmlReader()
{
    mScanning = false;
    mElementsToSkip = mElementCount;
    const qsizetype crowdedElement = crowdedElementOffset(mDocument);
    mTruncated = crowdedElement >= 0;
    mReader.addData(mTruncated ? mDocument.left(crowdedElement) : mDocument);
}

bool kpCompressedXmlFile::ElementReader::readNextXmlStartElement()
{
    while (!mExceededBounds && !mReader.atEnd()) {
        const QXmlStreamReader::TokenType token = mReader.readNext();
        if (token == QXmlStreamReader::DTD) {
            mExceededBounds = true;
        } else if (token == QXmlStreamReader::StartElement) {
            if (mElementsToSkip > 0) {
                --mElementsToSkip;
                continue;
            }
            mExceededBounds = ++mElementCount > MaxElementCount;
            return !mExceededBounds;
        }
    }
    mExceededBounds = mExceededBounds || mTruncated;
    return false;
}

QHash<QString, QString> kpCompressedXmlFile::ElementReader::attributes()
{
    if (mScanning)
        return mScanner.attributes();
    QHash<QString, QString> values;
    const QXmlStreamAttributes attributes = mReader.attributes();
    for (const QXmlStreamAttribute &attribute : attributes)
        values.insert(kpItemRecord::sharedKey(attribute.qualifiedName()),
                      attribute.value().toString());
    return values;
}

void kpCompressedXmlFile::writeAttributes(QXmlStreamWriter &pWriter,
                                          const QHash<QString, QString> &pValues,
                                          const QStringList &pKeyOrder)
{
    for (const QString &key : pKeyOrder) {
        const auto value = pValues.constFind(key);
        if (value != pValues.cend())
            pWriter.writeAttribute(key, value.value());
    }
    QStringList otherKeys;
    for (auto value = pValues.cbegin(); value != pValues.cend(); ++value) {
        if (!pKeyOrder.contains(value.key()))
            otherKeys.append(value.key());
    }
    otherKeys.sort();
    for (const QString &key : std::as_const(otherKeys))
        pWriter.writeAttribute(key, pValues.value(key));
}
