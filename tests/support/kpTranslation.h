#pragma once

#include <QString>

namespace kpTestSupport {

// Installs the program's compiled catalogue of the language ("en" or "ru") for the rest of the
// test, replacing the one installed before.
void useLanguage(const QString &pCode);

} // namespace kpTestSupport
