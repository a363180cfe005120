#pragma once

#include <QStyledItemDelegate>

namespace platform {

// Draws the list's items.
//
// Qt gives the first item keyboard focus as the list gets focus, and draws a
// focus frame on it that looks like a selection while Enter and Delete have
// nothing to act on. The frame is drawn on a selected item, or once the user
// has begun moving with the keyboard.
//
// Under a large icon a caption takes as many whole lines as its cell has room
// for, the last one ending in an ellipsis when the caption goes on; a long
// file name may also break after its dots, dashes and underscores there.
class ItemDelegate : public QStyledItemDelegate {
public:
    ItemDelegate(const bool &keyboardUsed, QObject *parent) : QStyledItemDelegate(parent), m_keyboardUsed(keyboardUsed)
    {
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The whole caption of a selected large icon whose cell shows it cut
    // short, drawn below the icon over whatever lies there; nothing for a
    // caption that fits.
    void paintWholeCaption(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    const bool &m_keyboardUsed;
};

// `text` in at most as many whole lines of `width` pixels as fit in `height`
// (never fewer than one), joined by line separators; when it does not fit,
// the last line ends in an ellipsis. Lines break between words and, failing
// that, anywhere.
QString fittedLines(const QString &text, const QFont &font, int width, int height);

// `text` with a zero-width break after each dot, dash and underscore.
QString withFileNameBreaks(const QString &text);

} // namespace platform
