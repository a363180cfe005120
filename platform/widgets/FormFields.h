#pragma once

#include <QString>
#include <initializer_list>

class QAbstractButton;
class QLabel;
class QWidget;

namespace platform {

// Pieces of a form dialog's rows.

// A field with a button beside it (a chooser's "Browse…"), as one widget for
// a form row; the field takes the width.
QWidget *fieldWithButtons(QWidget *field, std::initializer_list<QAbstractButton *> buttons);

// A line under a field that says why its value was refused: plain text,
// wrapped, hidden while there is nothing to say. The field's accessible
// description says it too, and the field gets the focus, so that a screen
// reader reads why.
class FieldNote {
public:
    // `note` is the label under `field`; it starts hidden.
    FieldNote(QWidget &field, QLabel &note);
    void show(const QString &why);
    void clear();
    bool shown() const;

private:
    QWidget &m_field;
    QLabel &m_note;
};

} // namespace platform
