#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace platform {

// Modal boxes and prompts, behind an interface so tests can answer them.
class Dialogs {
public:
    enum Answer { Yes = 6, No = 7 };
    virtual ~Dialogs() = default;
    // Yes/No question; `preselected` is the answer Enter gives. A question
    // whose Yes gives up the user's data preselects No. Text is shown as
    // plain text.
    virtual Answer askYesNo(const QString &title, const QString &text, Answer preselected = Yes) = 0;
    // A failure report with an OK button. Text is shown as plain text.
    virtual void showError(const QString &title, const QString &text) = 0;
    // A report that does not wait for the user: the window stays usable.
    virtual void notify(const QString &title, const QString &text) = 0;
    // Why an answer cannot be taken; empty when it can.
    using Check = std::function<QString(const QString &answer)>;
    // Text prompt, its field holding `defaultAnswer` and showing `example`
    // while empty; nothing when cancelled. An answer `check` refuses is not
    // taken: the prompt says why under its text and stays open with it.
    virtual std::optional<QString> inputText(const QString &title, const QString &prompt,
                                             const QString &defaultAnswer, const QString &example,
                                             const Check &check) = 0;
};

// A callback that shows each report as a notice, for a service that reports
// through a callback and shows nothing itself (the opener).
inline std::function<void(const QString &title, const QString &text)> notifyThrough(Dialogs &dialogs)
{
    return [&dialogs](const QString &title, const QString &text) { dialogs.notify(title, text); };
}

class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    // Boxes are centred on this window.
    void setParent(QWidget *parent) { m_parent = parent; }
    Answer askYesNo(const QString &title, const QString &text, Answer preselected = Yes) override;
    void showError(const QString &title, const QString &text) override;
    void notify(const QString &title, const QString &text) override;
    std::optional<QString> inputText(const QString &title, const QString &prompt, const QString &defaultAnswer,
                                     const QString &example, const Check &check) override;

private:
    QWidget *m_parent;
};

} // namespace platform
