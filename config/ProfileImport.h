#pragma once

#include <QString>

#include "shortcuts/Importing.h"

namespace config {

// The shortcuts and groups of another profile file (any path), to import:
// entries this version cannot show are skipped. Nothing found, with the
// reason in *error, when the file cannot be read as a profile.
shortcuts::Found readProfileToImport(const QString &path, QString *error);

} // namespace config
