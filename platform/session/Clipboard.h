#pragma once

class QMimeData;

namespace platform {

// What was last copied, behind an interface so tests can fill it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The copied data; null when there is none.
    virtual const QMimeData *contents() const = 0;
    // Puts `data` on the clipboard, which takes it.
    virtual void copy(QMimeData *data) = 0;
};

// The desktop's clipboard (the X "CLIPBOARD" selection).
class SystemClipboard : public Clipboard {
public:
    const QMimeData *contents() const override;
    void copy(QMimeData *data) override;
};

} // namespace platform
