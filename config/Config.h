#pragma once

#include <QRectF>
#include <QString>
#include <optional>

#include "config/IniFile.h"
#include "config/StoredEntries.h"
#include "shortcuts/ShortcutList.h"

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

// Applies the stored geometry, then the arrangement, then the view, then adds
// every stored shortcut in key order. An entry that cannot be shown (past the
// image limit, fewer than four fields, no usable target) goes to
// list.unshown, for the save to keep; an empty or one-character value is
// absent. Returns the number of shortcuts added.
// A profile that cannot be read adds nothing and gives its reason.
int Load_Config(const IniFile &ini, WindowFrame &window, shortcuts::ShortcutList &list, QString *error = nullptr);

// Rewrites the section from the window and the list, exactly as a sequence of
// single-key writes would, but committed to disk once and atomically. False
// with a reason when the file could not be written; the old file then stays.
bool Save_Config(const IniFile &ini, const WindowFrame &window, const shortcuts::ShortcutList &list,
                 QString *error = nullptr);

} // namespace config
