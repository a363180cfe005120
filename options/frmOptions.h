#pragma once

#include <QKeySequenceEdit>
#include <QLabel>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace platform {
class ListView;
}

namespace options {

// A label that acts as a link: a click, or Enter or Space once Tab has
// reached it, reports it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// One key with its modifiers, taken as soon as it is pressed (a plain
// QKeySequenceEdit waits a second for more keys of a sequence).
class OneKeyEdit : public QKeySequenceEdit {
    Q_OBJECT
public:
    using QKeySequenceEdit::QKeySequenceEdit;

protected:
    // Escape still closes the dialog: it is never taken as the key.
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// Starting at login, as the tray menu's item sets it.
struct StartAtLogin {
    std::function<bool()> enabled;
    std::function<void(bool)> setEnabled;
};

// Whether typing in the list offers installed applications too.
struct FindApplications {
    std::function<bool()> enabled;
    std::function<void(bool)> setEnabled;
};

// The key that shows and hides the launcher from anywhere: the one set, a new
// one to take (none to release it), what went wrong with it, and how the
// desktop names what triggers it, where the desktop chose that; and why a
// key cannot be taken (empty when it can), so a refused one is never set.
struct ShowHideKey {
    std::function<QKeySequence()> current;
    std::function<void(const QKeySequence &)> set;
    std::function<QString()> problem;
    std::function<QString()> trigger;
    std::function<QString(const QKeySequence &)> refusal;
};

// The options dialog: how the shortcut list shows and places its icons,
// whether the launcher starts at login, whether typing finds applications
// too, and its show/hide key. A choice changes the list at once;
// the profile is saved when the dialog closes. Modeless, with no owner, so it
// can stay open beside the main window and while that is hidden in the tray.
// What the Import and Export buttons' menus do; a button whose callbacks
// are missing is not shown.
struct ImportExport {
    std::function<void()> importFile;
    std::function<void()> importFolder;
    std::function<void()> importDocks;
    std::function<void()> exportProfile;
    std::function<void()> exportBookmarks;
};

class frmOptions : public QWidget {
    Q_OBJECT
public:
    frmOptions(platform::ListView &lstButtons, std::function<void()> saveConfig,
               std::function<void(const QString &)> launch, StartAtLogin login = {}, ShowHideKey key = {},
               FindApplications find = {}, ImportExport transfer = {});

    QComboBox *cmbArrange() const { return m_cmbArrange; }
    QComboBox *cmbView() const { return m_cmbView; }
    LinkLabel *cmdWWW() const { return m_cmdWWW; }
    QCheckBox *chkLogin() const { return m_chkLogin; }
    QCheckBox *chkFindApplications() const { return m_chkFindApplications; }
    QPushButton *cmdClose() const { return m_cmdClose; }
    QPushButton *cmdImport() const { return m_cmdImport; }
    QPushButton *cmdExport() const { return m_cmdExport; }
    QKeySequenceEdit *txtKey() const { return m_txtKey; }
    QLabel *lblKeyProblem() const { return m_lblKeyProblem; }
    // Shows what went wrong with the show/hide key, or what the desktop bound
    // it to where the desktop chose, or nothing.
    void showKeyProblem();
    // Shows again whether the launcher starts at login, after the tray menu
    // changed it.
    void showLogin();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showCurrentValues();
    void arrangementChosen(int index);
    void viewChosen(int index);
    void openWebSite();
    void loginToggled(bool checked);
    void keyChosen();
    void showKeyText(const QString &text);
    void layOut();

    platform::ListView &m_lstButtons;
    std::function<void()> m_saveConfig;
    std::function<void(const QString &)> m_launch;
    StartAtLogin m_login;
    ShowHideKey m_key;
    FindApplications m_find;
    QComboBox *m_cmbArrange;
    QComboBox *m_cmbView;
    LinkLabel *m_cmdWWW;
    QCheckBox *m_chkLogin;
    QCheckBox *m_chkFindApplications;
    OneKeyEdit *m_txtKey;
    QLabel *m_lblKeyProblem;
    QPushButton *m_cmdClose;
    QPushButton *m_cmdImport;
    QPushButton *m_cmdExport;
};

} // namespace options
