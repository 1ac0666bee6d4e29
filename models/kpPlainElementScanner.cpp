#include "kpPlainElementScanner.h"

#include "kpCompressedXmlFile.h"
#include "kpItemRecord.h"

#include <QUtf8StringView>

namespace {

// The references the program's writer makes in attribute values; any other is left to the XML
// reader.
struct Reference
{
    QByteArrayView text;
    char character;
};

constexpr Reference References[] = {
    {"&lt;", '<'},    {"&gt;", '>'},  {"&amp;", '&'},  {"&quot;", '"'},
    {"&apos;", '\''}, {"&#9;", '\t'}, {"&#10;", '\n'}, {"&#13;", '\r'},
};

const Reference *referenceAt(QByteArrayView pText)
{
    for (const Reference &reference : References) {
        if (pText.startsWith(reference.text))
            return &reference;
    }
    return nullptr;
}

bool isNameStart(char pCharacter)
{
    return (pCharacter >= 'a' && pCharacter <= 'z') || (pCharacter >= 'A' && pCharacter <= 'Z')
        || pCharacter == '_';
}

bool isNameCharacter(char pCharacter)
{
    return isNameStart(pCharacter) || (pCharacter >= '0' && pCharacter <= '9') || pCharacter == '-'
        || pCharacter == '.';
}

bool isWhiteSpace(char pCharacter)
{
    return pCharacter == ' ' || pCharacter == '\n' || pCharacter == '\t' || pCharacter == '\r';
}

// Characters beyond the basic plane, the non-characters U+FFFE and U+FFFF, which the XML reader
// refuses, and U+FEFF, which a conversion from UTF-8 drops at the start of a value, are left to the
// XML reader. The document is known to be sound UTF-8.
bool isPlainMultiByteCharacter(QByteArrayView pText)
{
    const auto lead = uchar(pText.at(0));
    if (lead >= 0xF0)
        return false;
    if (lead != 0xEF || pText.size() < 3)
        return true;
    const auto second = uchar(pText.at(1));
    const auto third = uchar(pText.at(2));
    const bool isNonCharacter = second == 0xBF && third >= 0xBE;
    const bool isByteOrderMark = second == 0xBB && third == 0xBF;
    return !isNonCharacter && !isByteOrderMark;
}

// Values that never repeat gain nothing from sharing: the table stays small.
constexpr qsizetype MaxSharedValues = 4096;

} // namespace

kpPlainElementScanner::kpPlainElementScanner(const QByteArray &pDocument)
    : mDocument(pDocument)
    , mPosition(mDocument.constData())
    , mEnd(mDocument.constData() + mDocument.size())
    // The XML reader refuses a document with a broken UTF-8 sequence anywhere in it before it
    // gives any element.
    , mGaveUp(!QUtf8StringView(mDocument).isValidUtf8())
{
}

kpPlainElementScanner::Step kpPlainElementScanner::readNextStartElement()
{
    while (!mGaveUp) {
        skipWhiteSpace();
        if (mPosition == mEnd) {
            if (mRootClosed)
                return Step::End;
            break;
        }
        // Text, and anything after the root element, is not of the plain form.
        if (*mPosition != '<' || mRootClosed)
            break;
        if (mEnd - mPosition > 1 && mPosition[1] == '/') {
            if (!readEndTag())
                break;
        } else if (readStartTag()) {
            return Step::StartElement;
        } else {
            break;
        }
    }
    mGaveUp = true;
    return Step::GaveUp;
}

bool kpPlainElementScanner::readStartTag()
{
    ++mPosition;
    const QByteArrayView name = readName();
    if (name.isEmpty())
        return false;
    mAttributes.clear();
    mEqualSigns = 0;
    for (;;) {
        const bool isSpaced = skipWhiteSpace();
        if (isAt('>')) {
            ++mPosition;
            mOpenElements.append(name);
            // The XML reader holds back the root of a document that ends right after its start
            // tag; whichever element ends a document, it is the reader's to give or not.
            if (mPosition == mEnd)
                return false;
            break;
        }
        if (isAt('/')) {
            ++mPosition;
            if (!isAt('>'))
                return false;
            ++mPosition;
            mRootClosed = mOpenElements.isEmpty();
            break;
        }
        if (!isSpaced || !readAttribute(readName()))
            return false;
    }
    // The XML reader is given no element of too many "=", not even inside its values.
    if (mEqualSigns > kpCompressedXmlFile::MaxAttributeCount)
        return false;
    if (name != mNameBytes) {
        mNameBytes = name;
        mName = QString::fromLatin1(name);
    }
    return true;
}

bool kpPlainElementScanner::readEndTag()
{
    mPosition += 2;
    const QByteArrayView name = readName();
    skipWhiteSpace();
    if (name.isEmpty() || !isAt('>') || mOpenElements.isEmpty() || mOpenElements.last() != name)
        return false;
    ++mPosition;
    mOpenElements.removeLast();
    mRootClosed = mOpenElements.isEmpty();
    return true;
}

bool kpPlainElementScanner::readAttribute(QByteArrayView pName)
{
    if (pName.isEmpty() || !isAt('='))
        return false;
    ++mPosition;
    ++mEqualSigns;
    if (!isAt('"'))
        return false;
    ++mPosition;
    Attribute attribute{pName, {}};
    const char *valueStart = mPosition;
    while (mPosition < mEnd && *mPosition != '"') {
        const auto character = uchar(*mPosition);
        // The XML reader turns white space inside a value into blanks and refuses control
        // characters and "<".
        if (character < 0x20 || character == '<')
            return false;
        if (character == '&') {
            if (!skipReference(&attribute))
                return false;
            continue;
        }
        if (character == '=') {
            ++mEqualSigns;
        } else if (character >= 0x80) {
            if (!isPlainMultiByteCharacter(QByteArrayView(mPosition, mEnd)))
                return false;
            attribute.isAscii = false;
        }
        ++mPosition;
    }
    if (mPosition == mEnd || mAttributes.size() == MaxPlainAttributes)
        return false;
    attribute.value = QByteArrayView(valueStart, mPosition);
    ++mPosition;
    for (const Attribute &other : std::as_const(mAttributes)) {
        if (other.name == pName)
            return false;
    }
    mAttributes.append(attribute);
    return true;
}

bool kpPlainElementScanner::skipReference(Attribute *pAttribute)
{
    const Reference *reference = referenceAt(QByteArrayView(mPosition, mEnd));
    if (!reference)
        return false;
    mPosition += reference->text.size();
    pAttribute->hasReference = true;
    return true;
}

// Names of the "xml" family have meanings of their own to the XML reader, among them namespaces.
QByteArrayView kpPlainElementScanner::readName()
{
    const char *start = mPosition;
    if (mPosition < mEnd && isNameStart(*mPosition)) {
        ++mPosition;
        while (mPosition < mEnd && isNameCharacter(*mPosition))
            ++mPosition;
    }
    const QByteArrayView name(start, mPosition);
    if (name.size() >= 3 && qstrnicmp(start, "xml", 3) == 0)
        return {};
    return name;
}

bool kpPlainElementScanner::skipWhiteSpace()
{
    const char *start = mPosition;
    while (mPosition < mEnd && isWhiteSpace(*mPosition))
        ++mPosition;
    return mPosition != start;
}

QHash<QString, QString> kpPlainElementScanner::attributes()
{
    QHash<QString, QString> values;
    for (const Attribute &attribute : std::as_const(mAttributes)) {
        const QString name = kpItemRecord::sharedKey(QLatin1StringView(attribute.name));
        // Names are mostly of one product each: sharing them would only cost.
        values.insert(name,
                      name == kpItemRecord::Name ? valueText(attribute) : sharedValue(attribute));
    }
    return values;
}

QString kpPlainElementScanner::sharedValue(const Attribute &pAttribute)
{
    // The key points into the document, which the scanner holds.
    const QByteArray raw
        = QByteArray::fromRawData(pAttribute.value.data(), pAttribute.value.size());
    const auto shared = mSharedValues.constFind(raw);
    if (shared != mSharedValues.cend())
        return shared.value();
    const QString text = valueText(pAttribute);
    if (mSharedValues.size() < MaxSharedValues)
        mSharedValues.insert(raw, text);
    return text;
}

QString kpPlainElementScanner::valueText(const Attribute &pAttribute)
{
    const QByteArrayView value = pAttribute.value;
    if (!pAttribute.hasReference)
        return pAttribute.isAscii ? QString::fromLatin1(value) : QString::fromUtf8(value);
    QByteArray text;
    text.reserve(value.size());
    for (qsizetype offset = 0; offset < value.size();) {
        const Reference *reference
            = value.at(offset) == '&' ? referenceAt(value.sliced(offset)) : nullptr;
        if (reference) {
            text += reference->character;
            offset += reference->text.size();
        } else {
            text += value.at(offset++);
        }
    }
    return QString::fromUtf8(text);
}
