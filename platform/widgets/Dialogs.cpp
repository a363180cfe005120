#include "platform/widgets/Dialogs.h"

#include <algorithm>

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace platform {

namespace {
// A prompt that keeps an answer its check refuses, saying why under its text.
class CheckedInputDialog : public QInputDialog {
public:
    CheckedInputDialog(QWidget *parent, const QString &prompt, const Dialogs::Check &check)
        : QInputDialog(parent), m_prompt(prompt), m_check(check)
    {
        setLabelText(prompt);
    }
    void done(int result) override
    {
        if (result == Accepted && m_check) {
            if (const QString why = m_check(textValue()); !why.isEmpty()) {
                // The reason wraps within the width the box has: a box
                // that grows under the typing hand looks like another one.
                // (A wrapped label asks for more width the longer its text.)
                if (auto *label = findChild<QLabel *>())
                    label->setFixedWidth(label->width());
                setLabelText(m_prompt + QStringLiteral("\n\n") + why);
                if (auto *field = findChild<QLineEdit *>()) {
                    // Where the focus stays, so that a screen reader reads why.
                    field->setAccessibleDescription(why);
                    field->setFocus();
                }
                return;
            }
        }
        QInputDialog::done(result);
    }

private:
    QString m_prompt;
    Dialogs::Check m_check;
};
} // namespace

Dialogs::Answer WidgetDialogs::askYesNo(const QString &title, const QString &text, Answer preselected)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    // Captions are user text: never let one render as markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(preselected == Yes ? QMessageBox::Yes : QMessageBox::No);
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
                                                const QString &defaultAnswer, const QString &example,
                                                const Check &check)
{
    CheckedInputDialog dialog(m_parent, prompt, check);
    dialog.setWindowTitle(title);
    dialog.setTextValue(defaultAnswer);
    // A reason shown under the prompt wraps instead of widening the box.
    if (auto *label = dialog.findChild<QLabel *>())
        label->setWordWrap(true);
    // Room for an address, and for the title in any language: window
    // managers cut it short on a dialog as narrow as its prompt
    // ("Tessafl…d URL"). The dialog takes its size from its field.
    if (auto *field = dialog.findChild<QLineEdit *>()) {
        field->setPlaceholderText(example);
        QFont titleFont = dialog.font();
        titleFont.setBold(true);
        const int forTitle = QFontMetrics(titleFont).horizontalAdvance(title) * 5 / 4 + 4 * field->sizeHint().height();
        field->setMinimumWidth(std::max(field->fontMetrics().averageCharWidth() * 44, forTitle));
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace platform
