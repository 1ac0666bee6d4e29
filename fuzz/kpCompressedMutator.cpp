// Fuzzing the compressed file form byte by byte would almost only find broken zlib streams: most
// mutations are applied to the XML inside instead, and the result is compressed again, so that
// the readers behind the uncompressing get well-formed, nearly well-formed and hostile documents.
#include "kpCompressedXmlFile.h"

#include <QByteArray>
#include <cstdint>
#include <cstring>

extern "C" size_t LLVMFuzzerMutate(uint8_t *pData, size_t pSize, size_t pMaxSize);

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t *pData, size_t pSize, size_t pMaxSize,
                                          unsigned int pSeed)
{
    const QByteArray input(reinterpret_cast<const char *>(pData), qsizetype(pSize));
    QByteArray document = kpCompressedXmlFile::uncompress(input);
    // One mutation in eight is applied to the compressed bytes themselves.
    if (pSeed % 8 == 0 || document.isEmpty())
        return LLVMFuzzerMutate(pData, pSize, pMaxSize);

    // Room given to the document while it is mutated: mostly a few times a real list, which keeps
    // the runs quick; now and then just past the readers' limit, which a repeated pattern reaches
    // while it still compresses to an input of a few kilobytes.
    const size_t documentSize = size_t(document.size());
    const qsizetype room = pSeed % 16 == 1 ? kpCompressedXmlFile::MaxDocumentSize + 4096 : 65536;
    document.resize(qMax(qsizetype(documentSize), room));
    const size_t mutatedSize = LLVMFuzzerMutate(reinterpret_cast<uint8_t *>(document.data()),
                                                documentSize, size_t(document.size()));
    document.truncate(qsizetype(mutatedSize));
    const QByteArray compressed = qCompress(document, pSeed % 2 ? 9 : -1);
    if (compressed.isEmpty() || size_t(compressed.size()) > pMaxSize)
        return LLVMFuzzerMutate(pData, pSize, pMaxSize);
    std::memcpy(pData, compressed.constData(), size_t(compressed.size()));
    return size_t(compressed.size());
}
