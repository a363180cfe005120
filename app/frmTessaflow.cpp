#include "app/frmTessaflow.h"

#include <QCloseEvent>
#include <QCursor>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdio>

#include "Version.h"
#include "config/HotKey.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/WindowGeometry.h"
#include "shortcuts/Paste.h"

namespace app {

namespace {
// The client area of a first start, in twips.
constexpr double kDesignedClientWidth = 5190;
constexpr double kDesignedClientHeight = 3480;
} // namespace

QIcon frmTessaflow::applicationIcon()
{
    // The PNG's pixels kept raw beside it: any image reader, even one told
    // the format, first looks through every image plugin Qt has, and that
    // and the decoding are a good part of a millisecond of each start. The
    // SVG of the same picture is not added: in an icon made of pixmaps it was
    // only ever drawn at its 64 pixels too, and reading it loaded Qt's SVG module.
    constexpr int side = 64;
    const QByteArray rgb = QResource(QStringLiteral(":/tessaflow/tessaflow-64.rgb")).uncompressedData();
    if (rgb.size() != side * side * 3)
        return {};
    const QImage image(reinterpret_cast<const uchar *>(rgb.constData()), side, side, side * 3, QImage::Format_RGB888);
    // Converted into an image of its own: the bytes above go away on return.
    return QIcon(QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
}

QString frmTessaflow::designedTitle()
{
    //: The window title: %1 is the program's name, %2 its web site.
    return tr("%1 by %2").arg(QLatin1String(kProductName), QLatin1String(kWebHost));
}

frmTessaflow::frmTessaflow(const QString &profilePath, Services services, QWidget *parent)
    : QWidget(parent),
      m_services(services),
      m_ini(profilePath),
      m_lstButtons(new platform::ListView(this)),
      m_icons(services.iconLookup),
      m_model(m_icons),
      m_list{m_model, *m_lstButtons},
      m_mPopupSys(new QMenu(tr("&SysTray"), this)),
      m_restoreBounds(new platform::RestoreBounds(*this)),
      m_showHide(new ShowHide(*this, *m_restoreBounds, services.tray, services.globalKey, services.activation,
                              {[this] { m_finder.clear(); },
                               // Targets may have gone missing or come back while the window was away.
                               [this] { m_model.refreshIcons(); },
                               [this] { m_lstButtons->setFocus(Qt::ActiveWindowFocusReason); }}))
{
    setObjectName(QStringLiteral("frmTessaflow"));
    setWindowTitle(designedTitle());
    setWindowIcon(applicationIcon());
    resize(platform::toPixels(kDesignedClientWidth, *this), platform::toPixels(kDesignedClientHeight, *this));

    // The list covers the client area exactly, so its scroll bars are never cut off.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lstButtons);
    m_lstButtons->setObjectName(QStringLiteral("lstButtons"));
    // The shortcuts; dragged out, they carry their targets.
    m_lstButtons->setItems(&m_model);
    m_lstButtons->setToolTip(tr("Drag & Drop files to Add"));
    m_lstButtons->setPlaceholderText(
        tr("Drop files, folders or links here — or press Insert or Ctrl+V"));
    //: What a screen reader calls the list of shortcuts.
    m_lstButtons->setAccessibleName(tr("Shortcuts"));
    m_lstButtons->setCountText(shortcuts::countText);
    QPalette palette = m_lstButtons->palette();
    palette.setColor(QPalette::Base, Qt::white);
    m_lstButtons->setPalette(palette);
    m_lstButtons->setFocus();
    connect(m_lstButtons, &platform::ListView::DblClick, this, &frmTessaflow::lstButtons_DblClick);
    connect(m_lstButtons, &platform::ListView::linksDropped, this, &frmTessaflow::lstButtons_linksDropped);
    connect(m_lstButtons, &platform::ListView::MouseDown, this,
            [this](int button) { lstButtons_MouseDown(button); });
    // A caption renamed in place is kept at once, as after a delete.
    connect(m_lstButtons, &platform::ListView::AfterLabelEdit, this, [this] { Save_Config(); });
    m_commands = new Commands(*m_lstButtons, commandTable(), [this] { return m_lstButtons->selectedRow() >= 0; });
    // Escape with nothing typed: away as the show/hide key sends it.
    connect(&m_finder, &shortcuts::Finder::dismissed, m_showHide, [this] { m_showHide->hideAway(); });

    // The tray menu: shown only as a pop-up at the tray icon.
    m_mPopupSys->setObjectName(QStringLiteral("mPopupSys"));
    QAction *restore = m_mPopupSys->addAction(tr("&Restore"), this, &frmTessaflow::mPopRestore_Click);
    restore->setObjectName(QStringLiteral("mPopRestore"));
    addTrayCommands();
    m_mPopupSys->addSeparator()->setObjectName(QStringLiteral("mnulinetray"));
    QAction *exit = m_mPopupSys->addAction(tr("&Exit"), this, &frmTessaflow::mPopExit_Click);
    exit->setObjectName(QStringLiteral("mPopExit"));
}

frmTessaflow::~frmTessaflow()
{
    // A window destroyed without being closed still takes its tray icon along.
    if (!m_unloaded)
        m_services.tray.remove();
    delete m_frmOptions;
    // The list goes with the window, after the shortcuts it shows.
    m_lstButtons->setItems(nullptr);
    // A caption still open for renaming is handed in as the list goes, after
    // the shortcuts it would be saved with are gone: no save then.
    disconnect(m_lstButtons, nullptr, this, nullptr);
}

void frmTessaflow::Form_Load()
{
    // Complete copies left by saves that were killed before their rename.
    platform::removeStaleTemporaries(m_ini.path());

    // On screen at the designed size before anything is loaded. Stored geometry
    // is applied once the window manager has framed the window: before that
    // the frame's size is unknown and the window would creep on every run.
    show();
    if (QWindow *window = windowHandle()) {
        QElapsedTimer waited;
        waited.start();
        while (!window->isExposed() && waited.elapsed() < 1000 && !m_unloaded)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    // Ended (SIGTERM at log-out) before anything was loaded: nothing to save,
    // nothing more to start.
    if (m_unloaded)
        return;
    repaint();

    Load_Config();
    m_profileLoaded = true;
    connect(m_showHide, &ShowHide::keyProblemChanged, this, [this] {
        if (m_frmOptions)
            m_frmOptions->showKeyProblem();
    });
    m_showHide->useKey(config::hotKeyOf(m_hotKeyText));

    m_services.tray.setHostChanged([this] { trayHostChanged(); });
    m_services.tray.add(windowIcon(), QLatin1String(kProductName),
                        [this](platform::TrayClick click) { trayClicked(click); });

    //: Appended to the window title: the version number.
    setWindowTitle(windowTitle() + tr(" - v%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
}

void frmTessaflow::Load_Config()
{
    QString reason;
    config::ListLook look{m_lstButtons->Arrange(), m_lstButtons->View()};
    std::vector<shortcuts::Shortcut> loaded;
    const int added = config::Load_Config(m_ini, *this, look, loaded, m_list.unshown, &reason);
    m_lstButtons->setArrange(look.arrange);
    m_lstButtons->setView(look.view);
    m_model.add(std::move(loaded));
    if (!added && !reason.isEmpty()) {
        // Without a box to wait on: the program goes on, and a later save
        // that fails for the same reason says nothing more.
        //: %1 is the profile's path, %2 why it could not be read.
        report(tr("The shortcuts could not be read from %1: %2").arg(m_ini.path(), reason), false);
        m_saveFailureShown = true;
    }
}

bool frmTessaflow::Save_Config()
{
    QString reason;
    const bool saved =
        config::Save_Config(m_ini, *this, {m_lstButtons->Arrange(), m_lstButtons->View()}, m_model.shortcuts(),
                            [this](int row) { return m_lstButtons->placeOf(row); }, m_list.unshown, &reason);
    if (!saved)
        reportSaveFailure(reason);
    // Each kept version has a file of its own, and the user hears of each.
    const QString backup = m_ini.file().takeBackupNotice();
    if (!backup.isEmpty()) {
        //: %1 is the profile's path, %2 the file that keeps the version found on disk.
        report(tr("%1 was changed by another program since Tessaflow read it. That version was kept "
                  "as %2 before the shortcuts shown here were saved.")
                   .arg(m_ini.path(), backup),
               false);
    }
    return saved;
}

void frmTessaflow::reportSaveFailure(const QString &reason)
{
    //: %1 is the profile's path, %2 why it could not be written.
    const QString text = tr("The shortcuts could not be saved to %1: %2").arg(m_ini.path(), reason);
    // Once per run: the shortcuts stay in the window and the next save that
    // works writes them all.
    if (m_saveFailureShown && !m_endingOnSignal)
        return;
    m_saveFailureShown = true;
    report(text, true);
}

void frmTessaflow::report(const QString &text, bool failure)
{
    // Ending on a signal, nobody may be there to read a box.
    if (m_endingOnSignal) {
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(text));
        return;
    }
    if (failure)
        m_services.dialogs.showError(QLatin1String(kProductName), text);
    else
        m_services.dialogs.notify(QLatin1String(kProductName), text);
}

void frmTessaflow::showFromAnotherStart(const QStringList &targets, const QString &token)
{
    m_showHide->bringBack(token);
    addTargets(targets);
}

void frmTessaflow::startMinimized()
{
    if (m_services.tray.available())
        hide();
}

void frmTessaflow::trayClicked(platform::TrayClick click)
{
    switch (click) {
    case platform::TrayClick::Activate:
        m_showHide->bringBack();
        break;
    case platform::TrayClick::Context:
        // The window stays as it is, hidden or not, while the menu is up. The
        // menu runs after the tray's own event handler has returned: "&Exit"
        // removes the tray icon, which must not happen inside its handler.
        activateWindow();
        QTimer::singleShot(0, this, [this] { m_mPopupSys->exec(QCursor::pos()); });
        break;
    case platform::TrayClick::Middle:
        break;
    }
}

void frmTessaflow::trayHostChanged()
{
    // Hidden in a tray that has gone: minimised instead, so it can be reached.
    if (!m_unloaded && isHidden() && !m_services.tray.available())
        showMinimized();
}

void frmTessaflow::mPopRestore_Click() { m_showHide->bringBack(); }

void frmTessaflow::mPopExit_Click() { unload(); }

void frmTessaflow::unload()
{
    close();
    // A window hidden in the tray gets no close event from close().
    if (!m_unloaded)
        Form_Unload();
}

void frmTessaflow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmTessaflow::Form_Resize()
{
    // Minimising hides the window to the tray. Without a tray host there would
    // be no way back, so the window is then minimised as usual.
    if (isMinimized() && m_services.tray.available())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                hide();
        });
}

void frmTessaflow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmTessaflow::closeOnSignal()
{
    m_endingOnSignal = true;
    unload();
}

void frmTessaflow::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    // An open options dialog closes first, and saves as it closes.
    if (m_frmOptions)
        m_frmOptions->close();
    // Only a list loaded from the profile may replace it.
    if (m_profileLoaded)
        Save_Config();
    m_services.tray.remove();
    emit unloaded();
}

int frmTessaflow::frameState() const
{
    if (isMinimized())
        return 1;
    if (isMaximized() || isFullScreen())
        return 2;
    return 0;
}

double frmTessaflow::frameTop() const { return platform::toTwips(m_restoreBounds->bounds().top(), *this); }
double frmTessaflow::frameLeft() const { return platform::toTwips(m_restoreBounds->bounds().left(), *this); }
double frmTessaflow::frameHeight() const { return platform::toTwips(m_restoreBounds->bounds().height(), *this); }
double frmTessaflow::frameWidth() const { return platform::toTwips(m_restoreBounds->bounds().width(), *this); }

void frmTessaflow::setFrame(std::optional<double> top, std::optional<double> left, std::optional<double> height,
                            std::optional<double> width)
{
    auto pixels = [this](std::optional<double> twips) -> std::optional<int> {
        if (!twips)
            return std::nullopt;
        return platform::toPixels(*twips, *this);
    };
    platform::setOuterGeometry(*this, pixels(left), pixels(top), pixels(width), pixels(height));
}

} // namespace app
