#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "config/IniFile.h"
#include "config/StoredEntries.h"
#include "shortcuts/Shortcut.h"
#include "shortcuts/ShortcutModel.h"

namespace shortcuts {
struct ShortcutList;
}

namespace config {

// The main window's outer frame, in twips, as the profile stores it: while the
// window is minimised, hidden or maximised, the frame it had in the normal
// state, which restoring gives back.
class WindowFrame {
public:
    virtual ~WindowFrame() = default;
    // 0 normal, 1 minimised, 2 maximised.
    virtual int frameState() const = 0;
    virtual double frameTop() const = 0;
    virtual double frameLeft() const = 0;
    virtual double frameHeight() const = 0;
    virtual double frameWidth() const = 0;
    // False where the window system never tells a window where it is (a
    // Wayland session): the stored Top and Left are then kept as they are.
    virtual bool framePositionKnown() const { return true; }
    // Applies the values that are there; a missing one keeps the current value.
    virtual void setFrame(std::optional<double> top, std::optional<double> left,
                          std::optional<double> height, std::optional<double> width) = 0;
    // The show/hide key (see HotKey.h) as the profile stores it; nothing
    // where the window does not keep one, and the stored value stays.
    virtual std::optional<QString> hotKey() const { return std::nullopt; }
    virtual void setHotKey(const QString &) {}
};

// A frame that goes nowhere, for reading a profile that moves no window (an
// earlier version, a file to import).
class NoWindowFrame : public WindowFrame {
public:
    int frameState() const override { return 0; }
    double frameTop() const override { return 0; }
    double frameLeft() const override { return 0; }
    double frameHeight() const override { return 0; }
    double frameWidth() const override { return 0; }
    void setFrame(std::optional<double>, std::optional<double>, std::optional<double>, std::optional<double>) override
    {
    }
};

// How the list shows the shortcuts, as the profile stores it.
struct ListLook {
    // 0 icons placed by hand, 1 arranged in columns, 2 in rows.
    int arrange = 0;
    // 0 large icons, 1 small icons, 2 list, 3 report.
    int view = 0;
    // Typing in the list offers installed applications after the shortcuts.
    bool findApplications = true;
    // The groups of shortcuts in the user's order, as ShortcutModel keeps
    // them (an empty name: the first group, unnamed); one unnamed group
    // where the profile has none. A shortcut stored without a group is in
    // the first.
    QStringList groups = {QString()};
};

// Applies the stored geometry, then reads the arrangement and the view into
// `look` (a value missing, unreadable or out of range keeps what `look`
// holds), then appends every stored shortcut in key order to `shortcuts`,
// with its stored position only while icons are placed by hand
// (look.arrange 0). An entry that cannot be shown (fewer than four fields,
// no usable target) goes to `unshown`, for the save to keep; an empty or
// one-character value is absent. Returns the number of shortcuts added.
// A profile that cannot be read adds nothing and gives its reason.
int Load_Config(const IniFile &ini, WindowFrame &window, ListLook &look, std::vector<shortcuts::Shortcut> &shortcuts,
                QStringList &unshown, QString *error = nullptr);

// Where shortcut `row` stands as the profile stores it, in twips.
using PlaceOf = std::function<QPointF(int row)>;

// Rewrites the section from the window, the look and the shortcuts (placed
// as `placeOf` says), the entries in `unshown` after them, exactly as a
// sequence of single-key writes would, but committed to disk once and
// atomically. False with a reason when the file could not be written; the
// old file then stays. When the stored shortcuts or groups change, the file
// as it was is first kept as an earlier version (platform/profile/
// ProfileVersions.h); a save of the frame or the look alone keeps none.
bool Save_Config(const IniFile &ini, const WindowFrame &window, const ListLook &look,
                 const std::vector<shortcuts::Shortcut> &shortcuts, const PlaceOf &placeOf,
                 const QStringList &unshown, QString *error = nullptr);

// The shortcuts and groups stored in a profile's bytes, as Load_Config
// reads them, apart from any window: another version of the profile, to
// merge. The entries that cannot be shown go to `unshown`.
shortcuts::ListState storedState(const QByteArray &bytes, QStringList *unshown = nullptr);

// Load_Config into a list: the view takes the arrangement and the view,
// the model the shortcuts and their groups, and the first group is shown.
int loadList(const IniFile &ini, WindowFrame &window, ListLook &look, shortcuts::ShortcutList &list,
             QString *error = nullptr);
// Save_Config from a list: the look's arrangement, view and groups are the
// list's, each shortcut placed where it stands.
bool saveList(const IniFile &ini, const WindowFrame &window, ListLook look, const shortcuts::ShortcutList &list,
              QString *error = nullptr);

} // namespace config
