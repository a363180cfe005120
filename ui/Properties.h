#pragma once

#include <QDialog>
#include <QIcon>
#include <functional>
#include <optional>

#include "launcher/Controller.h"
#include "platform/session/FileChooser.h"
#include "platform/widgets/FormFields.h"
#include "shortcuts/Shortcut.h"

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// "Tessaflow - Properties": one shortcut's caption, target, how its program
// runs (arguments, working folder, terminal: only for a target that opens by
// running it), its own icon and its comment. OK (Enter) takes the values
// unless the caption is blank or the target names nothing usable, which
// keeps the window open with the reason under the field; Cancel changes
// nothing.
class Properties : public QDialog {
    Q_OBJECT
public:
    // The icon a target shows with an own icon's name (empty: its kind's).
    using IconOf = std::function<QIcon(const QString &target, const QString &iconName)>;
    Properties(const shortcuts::Shortcut &shortcut, platform::FileChooser &chooser, IconOf iconOf,
               QWidget *parent = nullptr);

    // The selected shortcut of `controller` edited in a modal window over
    // `window`, applied as one change when it is accepted.
    static void editSelected(QWidget &window, launcher::Controller &controller, platform::FileChooser &chooser);

    // The shortcut as the fields have it; call after the window was accepted.
    shortcuts::Shortcut edited() const;
    // Whether the fields of a target that runs (arguments, working folder,
    // terminal) are offered for what the target field holds.
    bool offersRunning() const;

    QLineEdit &caption() const { return *m_caption; }
    QLineEdit &target() const { return *m_target; }
    QLineEdit &arguments() const { return *m_arguments; }
    QLineEdit &folder() const { return *m_folder; }
    QCheckBox &terminal() const { return *m_terminal; }
    QLineEdit &icon() const { return *m_icon; }
    QLineEdit &comment() const { return *m_comment; }
    // The reason under the target field; hidden while there is none.
    QLabel &targetNote() const { return *m_targetNoteLabel; }

    void done(int result) override;

private:
    // What the target field names as it would be stored; empty, with the
    // reason, when it names nothing usable.
    QString storedTarget(QString *why = nullptr) const;
    void targetChanged();
    void showIcon();
    void chooseFolder();
    void chooseImage();

    shortcuts::Shortcut m_shortcut;
    platform::FileChooser &m_chooser;
    IconOf m_iconOf;
    QLineEdit *m_caption;
    QLineEdit *m_target;
    QLineEdit *m_arguments;
    QLineEdit *m_folder;
    QCheckBox *m_terminal;
    QLineEdit *m_icon;
    QLabel *m_iconPreview;
    QLineEdit *m_comment;
    QLabel *m_captionNoteLabel;
    QLabel *m_targetNoteLabel;
    std::optional<platform::FieldNote> m_captionNote, m_targetNote;
    QFormLayout *m_form;
    // The rows only a target that runs shows, by their fields.
    std::vector<QWidget *> m_runningRows;
};

} // namespace ui
