#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QVarLengthArray>

// Start elements of a document in the plain form the program writes: elements with double-quoted
// attributes and white space between them, nothing else. Several times faster than the XML reader,
// which must handle every form the standard allows. At the first thing outside the plain form
// (a comment, text, a document type, a name with a namespace, a character the XML reader would
// refuse, a second root) it gives up before that element, so that the XML reader can take over
// from there: what the scanner reads of a document is exactly what the XML reader reads of it.
class kpPlainElementScanner
{
public:
    enum class Step { StartElement, End, GaveUp };

    explicit kpPlainElementScanner(const QByteArray &pDocument);

    Step readNextStartElement();
    QStringView name() const { return mName; }
    // Values that repeat from element to element (statuses, units, categories) share one string.
    QHash<QString, QString> attributes();

private:
    // The program writes at most seven attributes to an element. One of many more is left to the
    // XML reader, which bounds them; comparing them pairwise here would cost as much.
    static constexpr qsizetype MaxPlainAttributes = 16;

    struct Attribute
    {
        QByteArrayView name;
        QByteArrayView value;
        bool isAscii = true;
        bool hasReference = false;
    };

    bool readStartTag();
    bool readEndTag();
    bool readAttribute(QByteArrayView pName);
    bool skipReference(Attribute *pAttribute);
    QByteArrayView readName();
    bool skipWhiteSpace();
    bool isAt(char pCharacter) const { return mPosition < mEnd && *mPosition == pCharacter; }
    QString sharedValue(const Attribute &pAttribute);
    QString valueText(const Attribute &pAttribute);

    QByteArray mDocument;
    const char *mPosition = nullptr;
    const char *mEnd = nullptr;
    bool mGaveUp = false;
    bool mRootClosed = false;
    QList<QByteArrayView> mOpenElements;
    QByteArrayView mNameBytes;
    QString mName;
    int mEqualSigns = 0;
    QVarLengthArray<Attribute, MaxPlainAttributes> mAttributes;
    QHash<QByteArray, QString> mSharedValues;
};
