#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a data location of its own, the application object the readers
// expect, and a way to hand the input to them as the file they read.
namespace kpFuzzSupport {

// Prepares the process on the first call and returns the full path of pRelativePath below the
// per-user data location, with its folder created.
QString dataFile(const QString &pRelativePath);

void writeInput(const QString &pPath, const uint8_t *pData, size_t pSize);

// A broken promise of the program: reported and aborted on, so the fuzzer keeps the input.
void require(bool pCondition, const char *pPromise);

} // namespace kpFuzzSupport
