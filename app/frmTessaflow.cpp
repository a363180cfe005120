#include "app/frmTessaflow.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdio>

#include "Version.h"
#include "platform/Twips.h"
#include "platform/WindowGeometry.h"

namespace app {

namespace {
// Client area as designed, in twips.
constexpr double kDesignedClientWidth = 5190;
constexpr double kDesignedClientHeight = 3480;
} // namespace

QIcon frmTessaflow::applicationIcon()
{
    QIcon icon(QStringLiteral(":/tessaflow/tessaflow-64.png"));
    icon.addFile(QStringLiteral(":/tessaflow/tessaflow.svg"));
    return icon;
}

QString frmTessaflow::designedTitle()
{
    return QStringLiteral("%1 by %2").arg(QLatin1String(kProductName), QLatin1String(kWebHost));
}

frmTessaflow::frmTessaflow(const QString &profilePath, Services services, QWidget *parent)
    : QWidget(parent),
      m_services(services),
      m_ini(profilePath),
      m_lstButtons(new platform::ListView(m_iconList, m_iconListSml, this)),
      m_icons(services.iconLookup),
      m_list{*m_lstButtons, m_lstPrograms, m_iconList, m_iconListSml, m_icons}
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
    m_lstButtons->setToolTip(QStringLiteral("Drag & Drop files to Add"));
    QPalette palette = m_lstButtons->palette();
    palette.setColor(QPalette::Base, Qt::white);
    m_lstButtons->setPalette(palette);
    m_lstButtons->setFocus();
}

frmTessaflow::~frmTessaflow()
{
    // A window destroyed without being closed still takes its tray icon along.
    if (!m_unloaded)
        m_services.tray.remove();
}

void frmTessaflow::Form_Load()
{
    // On screen at the designed size before anything is loaded. Stored geometry
    // is applied once the window manager has framed the window: before that
    // the frame's size is unknown and the window would creep on every run.
    show();
    if (QWindow *window = windowHandle()) {
        QElapsedTimer waited;
        waited.start();
        while (!window->isExposed() && waited.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    repaint();

    Load_Config();

    m_trayIconData = makeTrayIconData(windowIcon(), QLatin1String(kProductName));
    m_services.tray.add(m_trayIconData.hIcon, m_trayIconData.szTip, [this](int code) { Form_MouseMove(code); });

    setWindowTitle(windowTitle() + QStringLiteral(" - v%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
}

void frmTessaflow::Load_Config() { config::Load_Config(m_ini, *this, m_list); }

bool frmTessaflow::Save_Config()
{
    QString reason;
    if (config::Save_Config(m_ini, *this, m_list, &reason))
        return true;
    reportSaveFailure(reason);
    return false;
}

void frmTessaflow::reportSaveFailure(const QString &reason)
{
    const QString text = QStringLiteral("The shortcuts could not be saved to %1: %2").arg(m_ini.path(), reason);
    if (m_endingOnSignal) {
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(text));
        return;
    }
    // Once per run: the shortcuts stay in the window and the next save that
    // works writes them all.
    if (m_saveFailureShown)
        return;
    m_saveFailureShown = true;
    m_services.dialogs.showError(QLatin1String(kProductName), text);
}

bool frmTessaflow::AddButton(const QString &sFileName, const QString &sName, int sCount, const QString &szLeft,
                             const QString &szTop)
{
    return shortcuts::AddButton(m_list, sFileName, sName, sCount, szLeft, szTop);
}

void frmTessaflow::Form_MouseMove(int code) { Q_UNUSED(code); }

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
    close();
    // A window hidden to the tray gets no close event from close().
    if (!m_unloaded)
        Form_Unload();
}

void frmTessaflow::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Save_Config();
    m_services.tray.remove();
    emit unloaded();
}

int frmTessaflow::windowState() const
{
    if (isMinimized())
        return 1;
    if (isMaximized() || isFullScreen())
        return 2;
    return 0;
}

double frmTessaflow::frameTop() const { return platform::toTwips(platform::outerGeometry(*this).top(), *this); }
double frmTessaflow::frameLeft() const { return platform::toTwips(platform::outerGeometry(*this).left(), *this); }
double frmTessaflow::frameHeight() const
{
    return platform::toTwips(platform::outerGeometry(*this).height(), *this);
}
double frmTessaflow::frameWidth() const { return platform::toTwips(platform::outerGeometry(*this).width(), *this); }

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
