#include "config/StoredEntries.h"

#include <algorithm>
#include <vector>

namespace config {

namespace {

bool isNumberedKey(const QString &key, int *number)
{
    // "0" or up to nine digits without a leading zero: "01" and "1e3" are not numbers.
    if (key.isEmpty() || key.size() > 9 || (key.size() > 1 && key[0] == u'0'))
        return false;
    for (const QChar c : key)
        if (c < u'0' || c > u'9')
            return false;
    *number = key.toInt();
    return true;
}

} // namespace

QStringList storedEntryValues(const platform::ProfileDocument &doc)
{
    std::vector<int> numbers;
    for (const QString &key : doc.keys(kSection))
        if (int number = 0; isNumberedKey(key, &number))
            numbers.push_back(number);
    std::sort(numbers.begin(), numbers.end());
    QStringList values;
    values.reserve(qsizetype(numbers.size()));
    for (const int number : numbers)
        values << doc.value(kSection, QString::number(number));
    return values;
}

void writeEntryValues(platform::ProfileDocument &doc, const QStringList &values)
{
    int n = 0;
    for (const QString &value : values)
        if (platform::ProfileDocument::unstorableReason(kSection, QString::number(n), value).isEmpty())
            doc.setValue(kSection, QString::number(n++), value);
    for (int k = n; k <= kLastWrittenKey; ++k)
        doc.setValue(kSection, QString::number(k), QString());
    // Entries of a longer list that has since shrunk must not come back at the
    // next start: empty the numbered keys beyond the list that are still there.
    for (const QString &key : doc.keys(kSection)) {
        int number = 0;
        if (isNumberedKey(key, &number) && number > kLastWrittenKey && number >= n)
            doc.setValue(kSection, key, QString());
    }
}

} // namespace config
