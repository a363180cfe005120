#include "platform/widgets/Dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace platform {

Dialogs::Answer WidgetDialogs::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    // Captions are user text: never let one render as markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Yes : No;
}

void WidgetDialogs::showError(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void WidgetDialogs::notify(const QString &title, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, m_parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

std::optional<QString> WidgetDialogs::inputText(const QString &title, const QString &prompt,
                                                const QString &defaultAnswer)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultAnswer);
    // Room for an address, and for the title: window managers cut it short
    // on a dialog as narrow as its prompt ("Tessafl…d URL"). The dialog
    // takes its size from its field.
    if (auto *field = dialog.findChild<QLineEdit *>())
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 44);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace platform
