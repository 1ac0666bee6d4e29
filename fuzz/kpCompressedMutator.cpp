// Fuzzing the compressed file form byte by byte would almost only find broken zlib streams: most
// mutations are applied to the XML inside instead, and the result is compressed again, so that
// the readers behind the uncompressing get well-formed, nearly well-formed and hostile documents.
#include "kpCompressedXmlFile.h"

#include <QByteArray>
#include <cstdint>
#include <cstring>

extern "C" size_t LLVMFuzzerMutate(uint8_t *pData, size_t pSize, size_t pMaxSize);

namespace {

// Room given to the document while it is mutated: mostly a few times a real list, which keeps
// the runs quick; now and then just past the readers' limit, which a repeated pattern reaches
// while it still compresses to an input of a few kilobytes.
constexpr size_t UsualMutatedDocument = 64 * 1024;
constexpr size_t LargestMutatedDocument = kpCompressedXmlFile::MaxDocumentSize + 4096;
constexpr unsigned LargestMutationShare = 16;
// One mutation in this many is applied to the compressed bytes themselves.
constexpr unsigned RawMutationShare = 8;

} // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t *pData, size_t pSize, size_t pMaxSize,
                                          unsigned int pSeed)
{
    const QByteArray input(reinterpret_cast<const char *>(pData), qsizetype(pSize));
    QByteArray document = kpCompressedXmlFile::uncompress(input);
    if (pSeed % RawMutationShare == 0 || document.isEmpty())
        return LLVMFuzzerMutate(pData, pSize, pMaxSize);

    const size_t documentSize = size_t(document.size());
    const size_t room
        = pSeed % LargestMutationShare == 1 ? LargestMutatedDocument : UsualMutatedDocument;
    document.resize(qsizetype(qMax(documentSize, room)));
    const size_t mutatedSize = LLVMFuzzerMutate(reinterpret_cast<uint8_t *>(document.data()),
                                                documentSize, size_t(document.size()));
    document.truncate(qsizetype(mutatedSize));
    const QByteArray compressed = qCompress(document, pSeed % 2 ? 9 : -1);
    if (compressed.isEmpty() || size_t(compressed.size()) > pMaxSize)
        return LLVMFuzzerMutate(pData, pSize, pMaxSize);
    std::memcpy(pData, compressed.constData(), size_t(compressed.size()));
    return size_t(compressed.size());
}
