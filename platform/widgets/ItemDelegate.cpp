#include "platform/widgets/ItemDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

namespace platform {

namespace {

// The caption's lines as they wrap at `width`, as many as fit in `height`
// (at least one); `cut` says whether text was left over.
QStringList wrappedLines(const QString &text, const QFont &font, int width, int height, bool *cut)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    qreal used = 0;
    int lastStart = 0;
    *cut = false;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (!lines.isEmpty() && used + line.height() > height) {
            *cut = true;
            break;
        }
        used += line.height();
        lastStart = line.textStart();
        QString shown = text.mid(line.textStart(), line.textLength());
        while (shown.endsWith(QChar::LineSeparator) || shown.endsWith(u'\n'))
            shown.chop(1);
        lines << shown;
    }
    layout.endLayout();
    if (*cut) {
        // The last line takes the rest, ending in an ellipsis.
        QString rest = text.mid(lastStart);
        rest.replace(QChar::LineSeparator, u' ').replace(u'\n', u' ');
        lines.last() = QFontMetrics(font).elidedText(rest, Qt::ElideRight, width);
    }
    return lines;
}

// The room under a large icon for its caption, less the margins the style
// keeps: the style's own text rectangle is only as large as the text.
QRect captionRect(const QStyleOptionViewItem &option)
{
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const int top = style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget).top();
    return QRect(QPoint(option.rect.left() + margin, top), option.rect.bottomRight() - QPoint(margin + 1, 0));
}

bool wraps(const QStyleOptionViewItem &option)
{
    return (option.features & QStyleOptionViewItem::WrapText) && option.rect.isValid();
}

} // namespace

QString withFileNameBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        out += c;
        if (c == u'.' || c == u'_' || c == u'-')
            out += QChar(0x200B);
    }
    return out;
}

QString fittedLines(const QString &text, const QFont &font, int width, int height)
{
    if (text.isEmpty() || width <= 0)
        return text;
    bool cut = false;
    return wrappedLines(text, font, width, height, &cut).join(QChar::LineSeparator);
}

void ItemDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if ((option->state & QStyle::State_Selected) && !option->icon.isNull()) {
        // The style draws a selected icon in the highlight's colour, which
        // turns a picture into a coloured block: the selection shows behind
        // the caption, the icon stays as it is.
        const qreal ratio = option->widget ? option->widget->devicePixelRatioF() : qApp->devicePixelRatio();
        const QPixmap plain = option->icon.pixmap(option->decorationSize, ratio, QIcon::Normal);
        QIcon icon;
        icon.addPixmap(plain, QIcon::Normal);
        icon.addPixmap(plain, QIcon::Selected);
        option->icon = icon;
    }
    if (!wraps(*option))
        return;
    option->text = withFileNameBreaks(option->text);
    const QRect room = captionRect(*option);
    option->text = fittedLines(option->text, option->font, room.width(), room.height());
}

void ItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem shown(option);
    if (!m_keyboardUsed && !(shown.state & QStyle::State_Selected))
        shown.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, shown, index);
}

void ItemDelegate::paintWholeCaption(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    QStyleOptionViewItem whole(option);
    QStyledItemDelegate::initStyleOption(&whole, index);
    if (!wraps(whole))
        return;
    whole.text = withFileNameBreaks(whole.text);
    const QRect room = captionRect(whole);
    bool cut = false;
    wrappedLines(whole.text, whole.font, room.width(), room.height(), &cut);
    if (!cut)
        return;
    const QStringList lines = wrappedLines(whole.text, whole.font, room.width(), INT_MAX, &cut);
    const QFontMetrics metrics(whole.font);
    const QRect box(whole.rect.left(), room.top(), whole.rect.width(), int(lines.size()) * metrics.lineSpacing() + 2);
    painter->save();
    painter->fillRect(box, whole.palette.brush(QPalette::Active, QPalette::Highlight));
    painter->setPen(whole.palette.color(QPalette::Active, QPalette::HighlightedText));
    painter->setFont(whole.font);
    painter->drawText(box, Qt::AlignHCenter | Qt::AlignTop, lines.join(QChar::LineSeparator));
    painter->restore();
}

} // namespace platform
