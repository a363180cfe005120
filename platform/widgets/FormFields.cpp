#include "platform/widgets/FormFields.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

namespace platform {

QWidget *fieldWithButtons(QWidget *field, std::initializer_list<QAbstractButton *> buttons)
{
    auto *row = new QWidget(field->parentWidget());
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 1);
    for (QAbstractButton *button : buttons)
        layout->addWidget(button);
    return row;
}

FieldNote::FieldNote(QWidget &field, QLabel &note) : m_field(field), m_note(note)
{
    // A value is user text: never rendered as markup.
    m_note.setTextFormat(Qt::PlainText);
    m_note.setWordWrap(true);
    m_note.hide();
}

void FieldNote::show(const QString &why)
{
    m_note.setText(why);
    m_note.show();
    m_field.setAccessibleDescription(why);
    m_field.setFocus();
}

void FieldNote::clear()
{
    if (!shown())
        return;
    m_note.clear();
    m_note.hide();
    m_field.setAccessibleDescription(QString());
}

bool FieldNote::shown() const { return !m_note.isHidden(); }

} // namespace platform
