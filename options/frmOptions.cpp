#include "options/frmOptions.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QVBoxLayout>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "Version.h"
#include "platform/widgets/ListView.h"
#include "platform/widgets/Twips.h"

namespace options {

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    // Reached by Tab: shown as a focused link is.
    if (hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

frmOptions::frmOptions(platform::ListView &lstButtons, std::function<void()> saveConfig,
                       std::function<void(const QString &)> launch, StartAtLogin login, ShowHideKey key,
                       FindApplications find, ImportExport transfer)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_lstButtons(lstButtons),
      m_saveConfig(std::move(saveConfig)),
      m_launch(std::move(launch)),
      m_login(std::move(login)),
      m_key(std::move(key)),
      m_find(std::move(find)),
      m_cmbArrange(new QComboBox(this)),
      m_cmbView(new QComboBox(this)),
      m_cmdWWW(new LinkLabel(QLatin1String(version::kWebHost), this)),
      m_chkLogin(new QCheckBox(tr("Start at &login"), this)),
      m_chkFindApplications(new QCheckBox(this)),
      m_txtKey(new OneKeyEdit(this)),
      m_lblKeyProblem(new QLabel(this)),
      m_cmdClose(new QPushButton(tr("&Close"), this)),
      m_cmdImport(new QPushButton(tr("&Import\u2026"), this)),
      m_cmdExport(new QPushButton(tr("E&xport\u2026"), this))
{
    m_cmdImport->setObjectName(QStringLiteral("cmdImport"));
    m_cmdExport->setObjectName(QStringLiteral("cmdExport"));
    auto *importMenu = new QMenu(m_cmdImport);
    importMenu->addAction(tr("A &profile or bookmarks file\u2026"), this, transfer.importFile);
    importMenu->addAction(tr("A &folder of desktop entries\u2026"), this, transfer.importFolder);
    //: Imports the launchers of other docks and panels found in the home folder.
    importMenu->addAction(tr("&Docks and panels"), this, transfer.importDocks);
    m_cmdImport->setMenu(importMenu);
    m_cmdImport->setVisible(bool(transfer.importFile));
    auto *exportMenu = new QMenu(m_cmdExport);
    //: A copy of the profile file, tsw.ini.
    exportMenu->addAction(tr("A &copy of the profile\u2026"), this, transfer.exportProfile);
    //: The shortcuts' web addresses, as a file browsers import.
    exportMenu->addAction(tr("The &web addresses as bookmarks\u2026"), this, transfer.exportBookmarks);
    m_cmdExport->setMenu(exportMenu);
    m_cmdExport->setVisible(bool(transfer.exportProfile));
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Tessaflow - Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Escape closes the dialog as its close button does, saving the choices.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    m_cmbArrange->setObjectName(QStringLiteral("cmbArrange"));
    //: How the icons are arranged: placed by hand.
    m_cmbArrange->addItems({tr("Manual Icons"),
                            //: Arranged automatically, in columns from the left.
                            tr("Auto Arrange Icons Left"),
                            //: Arranged automatically, in rows from the top.
                            tr("Auto Arrange Icons Top")});
    m_cmbArrange->setToolTip(tr("Select Shortcut Arrangement"));

    m_cmbView->setObjectName(QStringLiteral("cmbView"));
    //: A view of the shortcuts.
    m_cmbView->addItems({tr("Large Icons"), tr("Small Icons"), tr("List View")});
    m_cmbView->setToolTip(tr("Select Shortcut View"));

    m_cmdWWW->setObjectName(QStringLiteral("cmdWWW"));
    //: %1 is the program's web site.
    m_cmdWWW->setToolTip(tr("Visit %1").arg(QLatin1String(version::kWebUrl)));
    m_cmdWWW->setFocusPolicy(Qt::StrongFocus);
    m_cmdWWW->setAccessibleName(m_cmdWWW->text());
    m_cmdWWW->setAccessibleDescription(m_cmdWWW->toolTip());
    m_cmdWWW->setCursor(Qt::PointingHandCursor);
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    m_cmdWWW->setFont(font);
    QPalette link = m_cmdWWW->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 192));
    m_cmdWWW->setPalette(link);

    m_chkLogin->setObjectName(QStringLiteral("chkLogin"));
    m_chkLogin->setVisible(bool(m_login.enabled));
    m_chkFindApplications->setObjectName(QStringLiteral("chkFindApplications"));
    m_chkFindApplications->setVisible(bool(m_find.enabled));
    m_txtKey->setObjectName(QStringLiteral("txtKey"));
    m_txtKey->setClearButtonEnabled(true);
    // The field a screen reader reaches is the edit inside, and the clear
    // button beside it has no text of its own.
    if (auto *inner = m_txtKey->findChild<QLineEdit *>()) {
        for (QToolButton *clear : inner->findChildren<QToolButton *>())
            //: What a screen reader calls the button that clears the show/hide key.
            clear->setAccessibleName(tr("Clear the key"));
    }
    m_txtKey->setToolTip(tr("Press the keys that show and hide Tessaflow from anywhere"));
    m_txtKey->setVisible(bool(m_key.set));
    m_lblKeyProblem->setObjectName(QStringLiteral("lblKeyProblem"));
    m_lblKeyProblem->setWordWrap(true);
    m_lblKeyProblem->setTextFormat(Qt::PlainText);
    m_lblKeyProblem->setHidden(true);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    layOut();

    connect(m_cmbArrange, &QComboBox::currentIndexChanged, this, &frmOptions::arrangementChosen);
    connect(m_cmbView, &QComboBox::currentIndexChanged, this, &frmOptions::viewChosen);
    connect(m_cmdWWW, &LinkLabel::clicked, this, &frmOptions::openWebSite);
    connect(m_chkLogin, &QCheckBox::clicked, this, &frmOptions::loginToggled);
    connect(m_chkFindApplications, &QCheckBox::toggled, this, [this](bool on) {
        if (m_find.setEnabled)
            m_find.setEnabled(on);
    });
    connect(m_cmdClose, &QPushButton::clicked, this, &QWidget::close);
    showCurrentValues();
    // Connected after the current key is shown, so showing it sets nothing.
    connect(m_txtKey, &QKeySequenceEdit::keySequenceChanged, this, &frmOptions::keyChosen);
}

void frmOptions::layOut()
{
    // Spaced in fixed twips, whatever the screen's dpi; sized by the
    // texts, so none is cut at any font size.
    const int edge = platform::toPixels(120, *this);
    const int gap = platform::toPixels(60, *this);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(edge, edge, edge, edge);
    grid->setHorizontalSpacing(edge);
    grid->setVerticalSpacing(gap);
    auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(tr("&Arrangement:"), m_cmbArrange), 0, 0);
    grid->addWidget(m_cmbArrange, 0, 1);
    grid->addWidget(label(tr("&View:"), m_cmbView), 1, 0);
    grid->addWidget(m_cmbView, 1, 1);
    // Its access key is the arrangement's too: named after that label, it
    // comes second, so Alt+A reaches the arrangement first and the box next.
    //: Typing in the main window offers installed applications after the shortcuts it finds.
    m_chkFindApplications->setText(tr("Find &applications too"));
    auto *boxes = new QVBoxLayout;
    boxes->setSpacing(gap);
    boxes->addWidget(m_chkLogin);
    boxes->addWidget(m_chkFindApplications);
    grid->addLayout(boxes, 2, 1);
    if (m_key.set) {
        // Below the other rows, on a line of its own: the label column
        // keeps its width and every other control its place.
        auto *key = new QHBoxLayout;
        QLabel *keyLabel = label(tr("Show/hide &key:"), m_txtKey);
        key->setSpacing(edge);
        key->addWidget(keyLabel);
        // The edit inside is what has the focus: it goes by the label's name.
        if (auto *inner = m_txtKey->findChild<QLineEdit *>())
            inner->setAccessibleName(QString(keyLabel->text()).remove(u'&'));
        key->addWidget(m_txtKey, 1);
        // Qt's own hint in the empty field ("Press shortcut") is longer in
        // some languages than the field's default width.
        if (const auto *edit = m_txtKey->findChild<QLineEdit *>()) {
            const int hint = edit->fontMetrics().horizontalAdvance(edit->placeholderText());
            m_txtKey->setMinimumWidth(hint + edit->sizeHint().height() + 2 * gap);
        }
        grid->addLayout(key, 3, 0, 1, 2);
        grid->addWidget(m_lblKeyProblem, 4, 0, 1, 2);
    }
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_cmdWWW, 1);
    bottom->addWidget(m_cmdImport);
    bottom->addWidget(m_cmdExport);
    bottom->addWidget(m_cmdClose);
    grid->addLayout(bottom, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    // A fixed size, with room for the whole title in the window manager's
    // title bar beside its icon and buttons.
    QFont titleFont = font();
    titleFont.setBold(true);
    const int title = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) * 5 / 4 + 8 * edge;
    setFixedSize(std::max(sizeHint().width(), title), sizeHint().height());
    setTabOrder(m_cmbArrange, m_cmbView);
    setTabOrder(m_cmbView, m_chkLogin);
    setTabOrder(m_chkLogin, m_chkFindApplications);
    setTabOrder(m_chkFindApplications, m_txtKey);
    setTabOrder(m_txtKey, m_cmdImport);
    setTabOrder(m_cmdImport, m_cmdExport);
    setTabOrder(m_cmdExport, m_cmdClose);
}

void frmOptions::showCurrentValues()
{
    // The entries mirror the list's current values; choosing writes them back.
    // A report view (only a hand-edited profile makes one) has no entry: none
    // is shown selected and the list stays as it is until the user picks one.
    m_cmbArrange->setCurrentIndex(m_lstButtons.Arrange());
    const int view = m_lstButtons.View();
    m_cmbView->setCurrentIndex(view < m_cmbView->count() ? view : -1);
    showLogin();
    if (m_find.enabled)
        m_chkFindApplications->setChecked(m_find.enabled());
    if (m_key.current)
        m_txtKey->setKeySequence(m_key.current());
    showKeyProblem();
}

void frmOptions::showKeyProblem()
{
    QString text = m_key.problem ? m_key.problem() : QString();
    const QString trigger = m_key.trigger ? m_key.trigger() : QString();
    if (text.isEmpty() && !trigger.isEmpty())
        //: %1 is how the desktop names the key it runs the show/hide key with, e.g. "Ctrl+Alt+K".
        text = tr("The desktop has bound it to %1.").arg(trigger);
    showKeyText(text);
}

void frmOptions::showKeyText(const QString &text)
{
    m_lblKeyProblem->setText(text);
    m_lblKeyProblem->setHidden(text.isEmpty());
    // A fixed size: the box grows by the lines of the problem and back.
    if (layout()) {
        layout()->activate();
        setFixedHeight(layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width()) : sizeHint().height());
    }
}

bool OneKeyEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier)
            return QWidget::event(event);
    }
    return QKeySequenceEdit::event(event);
}

void OneKeyEdit::keyPressEvent(QKeyEvent *event)
{
    // A modifier alone is no key yet: the one shown stays until the key comes.
    switch (event->key()) {
    case Qt::Key_Control: case Qt::Key_Shift: case Qt::Key_Alt: case Qt::Key_Meta: case Qt::Key_AltGr:
    case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_unknown:
        event->accept();
        return;
    case Qt::Key_Escape:
        if (event->modifiers() == Qt::NoModifier) {
            event->ignore();
            return;
        }
        break;
    default:
        break;
    }
    QKeySequence pressed;
    {
        // Recorded quietly, then reported once as one key; the next press starts anew.
        const QSignalBlocker quiet(this);
        QKeySequenceEdit::keyPressEvent(event);
        pressed = keySequence();
        setKeySequence(QKeySequence());
    }
    if (!pressed.isEmpty())
        setKeySequence(QKeySequence(pressed[0]));
}

void frmOptions::keyChosen()
{
    const QString refusal = m_key.refusal ? m_key.refusal(m_txtKey->keySequence()) : QString();
    if (!refusal.isEmpty()) {
        // The key set before stays, in the field too; the reason is shown
        // until the next key.
        {
            const QSignalBlocker quiet(m_txtKey);
            m_txtKey->setKeySequence(m_key.current ? m_key.current() : QKeySequence());
        }
        showKeyText(refusal);
        return;
    }
    if (m_key.set)
        m_key.set(m_txtKey->keySequence());
    // Taken: the keys that follow (Alt+C, Tab) act on the dialog again.
    if (!m_txtKey->keySequence().isEmpty())
        m_cmdClose->setFocus(Qt::TabFocusReason);
}

void frmOptions::showLogin()
{
    if (m_login.enabled)
        m_chkLogin->setChecked(m_login.enabled());
}

void frmOptions::arrangementChosen(int index)
{
    if (index >= 0)
        m_lstButtons.setArrange(index);
}

void frmOptions::viewChosen(int index)
{
    if (index >= 0)
        m_lstButtons.setView(index);
}

void frmOptions::openWebSite()
{
    if (m_launch)
        m_launch(QLatin1String(version::kWebUrl));
}

void frmOptions::loginToggled(bool checked)
{
    if (m_login.setEnabled)
        m_login.setEnabled(checked);
    // What the entry does now, also when changing it failed.
    showLogin();
}

void frmOptions::closeEvent(QCloseEvent *event)
{
    if (m_saveConfig)
        m_saveConfig();
    event->accept();
}

} // namespace options
