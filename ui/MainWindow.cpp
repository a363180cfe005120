#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "Version.h"
#include "platform/widgets/Twips.h"
#include "shortcuts/ShortcutList.h"
#include "ui/AddApplications.h"
#include "ui/CommandTable.h"
#include "ui/EarlierVersions.h"
#include "ui/GroupTabs.h"
#include "ui/Properties.h"
#include "ui/TrayGroups.h"

namespace ui {

namespace {
// The client area of a first start, in twips.
constexpr double kFirstClientWidth = 5190;
constexpr double kFirstClientHeight = 3480;
} // namespace

QString MainWindow::plainTitle()
{
    //: The window title: %1 is the program's name, %2 its web site.
    return tr("%1 by %2").arg(QLatin1String(version::kProductName), QLatin1String(version::kWebHost));
}

MainWindow::MainWindow(const QString &profilePath, Services services, QWidget *parent)
    : QWidget(parent),
      m_services(services),
      m_lstButtons(new platform::ListView(this)),
      m_restoreBounds(new platform::RestoreBounds(*this)),
      m_frame(new MainFrame(*this, *m_restoreBounds)),
      m_controller(profilePath,
                   {services.dialogs, services.opener, services.clipboard, services.fileChooser, services.autostart,
                    services.iconLookup},
                   *m_lstButtons, *m_frame, *this),
      m_targetCheck(new TargetCheck(*m_lstButtons->viewport(), m_controller.model(), this)),
      m_mPopupSys(new QMenu(tr("&SysTray"), this)),
      m_showHide(new ShowHide(*this, *m_restoreBounds, services.tray, services.globalKey, services.activation,
                              services.monitors,
                              {[this] { finder().clear(); },
                               // Targets may have gone missing or come back while the window was away.
                               [this] { m_targetCheck->start(); },
                               [this] { m_lstButtons->setFocus(Qt::ActiveWindowFocusReason); }}))
{
    setObjectName(QStringLiteral("frmTessaflow"));
    setWindowTitle(plainTitle());
    setWindowIcon(applicationIcon());
    resize(platform::toPixels(kFirstClientWidth, *this), platform::toPixels(kFirstClientHeight, *this));
    setUpList();
    setUpTrayMenu();
    // A window called up by the key goes away once a shortcut is opened.
    connect(&m_controller, &launcher::Controller::shortcutOpened, m_showHide, &ShowHide::openedShortcut);
    connect(&m_controller, &launcher::Controller::startAtLoginChanged, this, [this] {
        m_mPopLogin->setChecked(m_services.autostart.enabled());
        if (m_frmOptions)
            m_frmOptions->showLogin(); // its box says the same
    });
    // Escape with nothing typed: away as the show/hide key sends it.
    connect(&finder(), &shortcuts::Finder::dismissed, m_showHide, [this] { m_showHide->hideAway(); });
    connect(m_showHide, &ShowHide::keyProblemChanged, this, [this] {
        if (m_frmOptions)
            m_frmOptions->showKeyProblem();
    });
}

void MainWindow::setUpList()
{
    // The list covers the client area exactly, so its scroll bars are never cut off.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The groups' tabs above it, while there are two or more.
    layout->addWidget(new GroupTabs(m_controller, *m_lstButtons, this));
    layout->addWidget(m_lstButtons);
    m_lstButtons->setObjectName(QStringLiteral("lstButtons"));
    m_lstButtons->setToolTip(tr("Drag & Drop files to Add"));
    m_lstButtons->setPlaceholderText(tr("Drop files, folders or links here — or press Insert or Ctrl+V, "
                                       "or right-click for Add Application\u2026"));
    //: What a screen reader calls the list of shortcuts.
    m_lstButtons->setAccessibleName(tr("Shortcuts"));
    m_lstButtons->setCountText(shortcuts::countText);
    // How many match is told by the finder, which knows whether they are close matches only.
    QPalette palette = m_lstButtons->palette();
    palette.setColor(QPalette::Base, Qt::white);
    m_lstButtons->setPalette(palette);
    m_lstButtons->setFocus();
    launcher::Controller *controller = &m_controller;
    connect(m_lstButtons, &platform::ListView::doubleClickedAnywhere, controller,
            &launcher::Controller::openSelected);
    // The item is selected by then: opened as a double-click opens it.
    connect(m_lstButtons, &platform::ListView::openRequested, controller, &launcher::Controller::openSelected);
    connect(m_lstButtons, &platform::ListView::linksDropped, controller,
            [controller](const QList<QUrl> &urls, const QStringList &titles) { controller->addDropped(urls, titles); });
    connect(m_lstButtons, &platform::ListView::captionEdited, controller, &launcher::Controller::renamed);
    connect(m_lstButtons, &platform::ListView::itemsDroppedOnto, controller, &launcher::Controller::moveOnto);
    m_commands = new Commands(*m_lstButtons,
                              commandTable(m_controller, *m_lstButtons, [this] { showOptions(); },
                                           [this] { AddApplications::openOver(*this, m_controller); },
                                           [this] {
                                               Properties::editSelected(*this, m_controller, m_services.fileChooser);
                                           },
                                           [this](const QString &target) {
                                               AddApplications::openWithOver(*this, m_controller, target);
                                           }),
                              [this] { return m_lstButtons->selectedRow() >= 0; });
    connect(m_lstButtons, &platform::ListView::offerSelectionChanged, m_commands, &Commands::refresh);
    // Undo and Redo name the step they act on, and their keys work only while there is one.
    connect(&m_controller, &launcher::Controller::historyChanged, m_commands, &Commands::refresh);
    connect(m_lstButtons, &platform::ListView::buttonPressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            m_commands->popUp(QCursor::pos());
    });
}

void MainWindow::setUpTrayMenu()
{
    // Shown only as a pop-up at the tray icon.
    m_mPopupSys->setObjectName(QStringLiteral("mPopupSys"));
    m_mPopupSys->addAction(tr("&Restore"), this, [this] { m_showHide->bringBack(); })
        ->setObjectName(QStringLiteral("mPopRestore"));
    // The check mark says what the login entry does now, whoever changed it.
    m_mPopLogin = m_mPopupSys->addAction(tr("Start at &Login"));
    m_mPopLogin->setObjectName(QStringLiteral("mPopLogin"));
    m_mPopLogin->setCheckable(true);
    connect(m_mPopLogin, &QAction::triggered, &m_controller, &launcher::Controller::setStartAtLogin);
    connect(m_mPopupSys, &QMenu::aboutToShow, this,
            [this] { m_mPopLogin->setChecked(m_services.autostart.enabled()); });
    //: Opens the list of the shortcuts as they were before earlier changes.
    m_mPopupSys
        ->addAction(tr("Earlier &Versions\u2026"), this, [this] { EarlierVersions::openOver(*this, m_controller); })
        ->setObjectName(QStringLiteral("mPopVersions"));
    // The groups, between bringing the window back and the rest.
    new TrayGroups(*m_mPopupSys, m_mPopLogin, m_controller, [this] { m_showHide->bringBack(); }, this);
    m_mPopupSys->addSeparator()->setObjectName(QStringLiteral("mnulinetray"));
    m_mPopupSys->addAction(tr("&Exit"), this, &MainWindow::exit)->setObjectName(QStringLiteral("mPopExit"));
}

MainWindow::~MainWindow()
{
    // A window destroyed without being closed still takes its tray icon along.
    if (!m_unloaded)
        m_services.tray.remove();
    delete m_frmOptions;
    // A caption still open for renaming is handed in as the list goes, after
    // the shortcuts it would be saved with are gone: no save then.
    disconnect(m_lstButtons, nullptr, &m_controller, nullptr);
    // The list goes with the window, after the shortcuts it shows.
    m_lstButtons->setItems(nullptr);
}

void MainWindow::start()
{
    // Ended (SIGTERM at log-out) before it started: nothing to save, nothing more to start.
    if (m_unloaded)
        return;
    // On screen at once; the stored geometry follows once the window is framed.
    show();
    m_controller.load();
    m_showHide->useStoredKey(m_frame->hotKey().value_or(QString()));
    m_services.tray.setHostChanged([this] { trayHostChanged(); });
    m_services.tray.add(windowIcon(), QLatin1String(version::kProductName),
                        [this](platform::TrayClick click) { trayClicked(click); });
    //: Appended to the window title: the version number.
    setWindowTitle(windowTitle() + tr(" - v%1.%2.%3").arg(version::kVersionMajor).arg(version::kVersionMinor).arg(version::kVersionRevision));
}

void MainWindow::startMinimized()
{
    if (m_services.tray.available())
        hide();
}

void MainWindow::showFromAnotherStart(const QStringList &targets, const QString &token)
{
    m_showHide->bringBack(token);
    m_controller.addTargets(targets);
}

void MainWindow::trayClicked(platform::TrayClick click)
{
    switch (click) {
    case platform::TrayClick::Activate:
        m_showHide->bringBack();
        break;
    case platform::TrayClick::Context:
        // The window stays as it is, hidden or not, while the menu is up.
        // No loop of its own: the program keeps answering the bus and
        // signals, a host asking again gets the menu that is up, and "&Exit"
        // (which removes the tray icon) runs after the tray's handler.
        activateWindow();
        if (!m_mPopupSys->isVisible())
            m_mPopupSys->popup(QCursor::pos());
        break;
    case platform::TrayClick::Middle:
        break;
    }
}

void MainWindow::showOptions()
{
    if (!m_frmOptions) {
        launcher::Controller *c = &m_controller;
        m_frmOptions = new options::frmOptions(
            *m_lstButtons, [c] { c->save(); }, [c](const QString &url) { c->launch(url); },
            {[c] { return c->startsAtLogin(); }, [c](bool on) { c->setStartAtLogin(on); }},
            {[this] { return m_frame->key(); },
             [this](const QKeySequence &key) {
                 m_frame->setKey(key);
                 m_showHide->useKey(key);
             },
             [this] { return m_showHide->keyProblem(); }, [this] { return m_showHide->keyTrigger(); },
             platform::keyRefusal},
            {[c] { return c->findsApplications(); }, [c](bool on) { c->setFindApplications(on); }},
            {[c] { c->importChosen(launcher::Controller::ImportKind::File); },
             [c] { c->importChosen(launcher::Controller::ImportKind::Folder); },
             [c] { c->importChosen(launcher::Controller::ImportKind::Docks); },
             [c] { c->exportChosen(launcher::Controller::ExportKind::Profile); },
             [c] { c->exportChosen(launcher::Controller::ExportKind::Bookmarks); }});
        platform::placeCentredOver(*m_frmOptions, *this);
    }
    m_frmOptions->setWindowIcon(windowIcon());
    m_frmOptions->show();
    m_frmOptions->raise();
    m_frmOptions->activateWindow();
}

void MainWindow::trayHostChanged()
{
    // Hidden in a tray that has gone: minimised instead, so it can be reached.
    if (!m_unloaded && isHidden() && !m_services.tray.available())
        showMinimized();
}

void MainWindow::exit()
{
    close();
    // A window hidden in the tray gets no close event from close().
    if (!m_unloaded)
        unload();
}

void MainWindow::closeOnSignal()
{
    m_controller.reporter().toStandardError();
    exit();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Minimising hides the window to the tray. Without a tray host there would
    // be no way back, so the window is then minimised as usual.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && m_services.tray.available())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                hide();
        });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void MainWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    // An open options dialog closes first, and saves as it closes.
    if (m_frmOptions)
        m_frmOptions->close();
    m_controller.end();
    m_services.tray.remove();
    emit unloaded();
}

} // namespace ui
