#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a data location of its own, the application object the readers
// expect, and a way to hand the input to them as the file they read; and the comparison of the two
// readers of the plain form, which the scanner's test runs too.
namespace kpFuzzSupport {

// Writes the input as the file pRelativePath below the per-user data location, which the first
// call prepares, and returns the file's full path.
QString writeInput(const QString &pRelativePath, const uint8_t *pData, size_t pSize);

// A broken promise of the program: reported and aborted on, so the fuzzer keeps the input.
void require(bool pCondition, const char *pPromise);

// The plain scanner against the XML reader on the same bytes: every start element the scanner
// gives, the reader gives alike, and where the scanner finds the end of the document, the reader
// finds it too, without an error. Where the scanner gives up, the reader takes over anyway. The
// first of those promises the scanner breaks on the document, empty when it keeps them all.
QString scannerBrokenPromise(const QByteArray &pDocument);

} // namespace kpFuzzSupport
