#pragma once

#include "platform/profile/ProfileFile.h"

#include <QString>

namespace config {

// The single-key profile access the rest of the program uses.
class IniFile {
public:
    explicit IniFile(QString path) : m_file(std::move(path)) {}
    const QString &path() const { return m_file.path(); }

    QString ReadIni(const QString &section, const QString &key) const { return m_file.read(section, key); }
    bool WriteIni(const QString &section, const QString &key, const QString &value, QString *error = nullptr) const
    {
        return m_file.write(section, key, value, error);
    }

    const platform::ProfileFile &file() const { return m_file; }

private:
    platform::ProfileFile m_file;
};

} // namespace config
