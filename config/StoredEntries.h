#pragma once

#include <QString>
#include <QStringList>

#include "platform/profile/ProfileDocument.h"

namespace config {

// The one section of the profile, named after the product.
inline const QString kSection = QStringLiteral("Tessaflow");
// Entries up to this key are always written; emptied ones as "key=".
inline constexpr int kLastWrittenKey = 100;

// The numbered keys of the [Tessaflow] section as a list, without widgets:
// what Load_Config reads and Save_Config writes, and what the fuzz target
// checks round trips.

// The value of every numbered key the section holds ("0", "17", never "01"),
// in ascending order of the numbers, whatever the gaps.
QStringList storedEntryValues(const platform::ProfileDocument &doc);

// Writes `values` as the keys 0, 1, 2, ... and empties every other numbered
// key: those up to kLastWrittenKey are always written, those beyond only when
// the file has them, so a shortened list never leaves an old entry behind.
// Every value read from a profile can be written back; one the document
// could not hold (a line feed) would be left out, never left under an old
// line of its key.
void writeEntryValues(platform::ProfileDocument &doc, const QStringList &values);

} // namespace config
