#include "config/ProfileImport.h"

#include <QCoreApplication>

#include "config/Config.h"

namespace config {

namespace {

// Where the other profile's window stood is no concern of an import.
class NoFrame : public WindowFrame {
public:
    int frameState() const override { return 0; }
    double frameTop() const override { return 0; }
    double frameLeft() const override { return 0; }
    double frameHeight() const override { return 0; }
    double frameWidth() const override { return 0; }
    void setFrame(std::optional<double>, std::optional<double>, std::optional<double>,
                  std::optional<double>) override
    {
    }
};

} // namespace

shortcuts::Found readProfileToImport(const QString &path, QString *error)
{
    shortcuts::Found found;
    NoFrame frame;
    ListLook look;
    QStringList unshown;
    std::vector<shortcuts::Shortcut> read;
    QString why;
    if (!Load_Config(IniFile(path), frame, look, read, unshown, &why) && !why.isEmpty()) {
        *error = why;
        return found;
    }
    found.shortcuts = std::move(read);
    for (const QString &group : std::as_const(look.groups))
        if (!group.isEmpty() && !found.groups.contains(group))
            found.groups << group;
    for (const QString &entry : std::as_const(unshown))
        found.skipped.push_back(
            {entry.left(60), QCoreApplication::translate("Importing", "an entry this version cannot read")});
    return found;
}

} // namespace config
