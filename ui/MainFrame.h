#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "config/Config.h"
#include "platform/widgets/WindowGeometry.h"

class QWidget;

namespace ui {

// The main window's frame and show/hide key as the profile stores them.
// Stored geometry waits until the window manager has framed the window:
// before that the frame's size is unknown and the window would creep on
// every run. Until then the frame reads back as it was stored, so a save in
// between keeps it.
class MainFrame : public QObject, public config::WindowFrame {
public:
    MainFrame(QWidget &window, platform::RestoreBounds &bounds);

    int frameState() const override;
    double frameTop() const override;
    double frameLeft() const override;
    double frameHeight() const override;
    double frameWidth() const override;
    bool framePositionKnown() const override { return platform::windowPositionKnown(); }
    void setFrame(std::optional<double> top, std::optional<double> left, std::optional<double> height,
                  std::optional<double> width) override;
    std::optional<QString> hotKey() const override { return m_hotKeyText; }
    void setHotKey(const QString &stored) override { m_hotKeyText = stored; }

    // Geometry from the profile still waits for the window to be framed.
    bool waiting() const { return m_stored.has_value(); }

    QKeySequence key() const;
    void setKey(const QKeySequence &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Stored {
        std::optional<double> top, left, height, width;
    };
    void applyStored();
    // A stored value still waiting, else the window's own, in twips.
    double storedOr(std::optional<double> Stored::*field, int pixels) const;

    QWidget &m_window;
    platform::RestoreBounds &m_bounds;
    // Geometry read from the profile, not applied yet.
    std::optional<Stored> m_stored;
    // A window never exposed (hidden at once) takes it after this.
    QTimer m_notExposed;
    QString m_hotKeyText;
};

} // namespace ui
