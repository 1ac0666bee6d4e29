#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a data location of its own, the application object the readers
// expect, and a way to hand the input to them as the file they read.
namespace kpFuzzSupport {

// Writes the input as the file pRelativePath below the per-user data location, which the first
// call prepares, and returns the file's full path.
QString writeInput(const QString &pRelativePath, const uint8_t *pData, size_t pSize);

// A broken promise of the program: reported and aborted on, so the fuzzer keeps the input.
void require(bool pCondition, const char *pPromise);

} // namespace kpFuzzSupport
