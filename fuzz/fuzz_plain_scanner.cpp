// The plain scanner against the XML reader on the same bytes: whatever the scanner reads, the
// reader reads alike.
#include "kpFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    const QByteArray document(reinterpret_cast<const char *>(pData), qsizetype(pSize));
    const QString broken = kpFuzzSupport::scannerBrokenPromise(document);
    kpFuzzSupport::require(broken.isEmpty(), qPrintable(broken));
    return 0;
}
