// The plain scanner against the XML reader on the same bytes: every start element the scanner
// gives, the reader gives alike, and where the scanner finds the end of the document, the reader
// finds it too, without an error. Where the scanner gives up, the reader takes over anyway.
#include "kpFuzzSupport.h"
#include "kpPlainElementScanner.h"

#include <QXmlStreamReader>

using kpFuzzSupport::require;
using Step = kpPlainElementScanner::Step;

namespace {

bool readStartElement(QXmlStreamReader &pReader)
{
    while (!pReader.atEnd()) {
        if (pReader.readNext() == QXmlStreamReader::StartElement)
            return true;
    }
    return false;
}

QHash<QString, QString> attributesOf(const QXmlStreamReader &pReader)
{
    QHash<QString, QString> values;
    for (const QXmlStreamAttribute &attribute : pReader.attributes())
        values.insert(attribute.qualifiedName().toString(), attribute.value().toString());
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    const QByteArray document(reinterpret_cast<const char *>(pData), qsizetype(pSize));
    kpPlainElementScanner scanner(document);
    // Given its data as the element reader gives it.
    QXmlStreamReader reader;
    reader.addData(document);
    Step step = scanner.readNextStartElement();
    for (; step == Step::StartElement; step = scanner.readNextStartElement()) {
        require(readStartElement(reader), "the reader gives every element the scanner gives");
        require(reader.name() == scanner.name(), "both read the same element name");
        require(attributesOf(reader) == scanner.attributes(), "both read the same attributes");
    }
    if (step == Step::End) {
        require(!readStartElement(reader), "the reader gives no element past the scanner's end");
        require(!reader.hasError(), "a document the scanner reads to its end is sound XML");
    }
    return 0;
}
