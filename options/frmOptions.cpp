#include "options/frmOptions.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QMouseEvent>
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

frmOptions::frmOptions(platform::ListView &lstButtons, std::function<void()> saveConfig,
                       std::function<void(const QString &)> launch)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_lstButtons(lstButtons),
      m_saveConfig(std::move(saveConfig)),
      m_launch(std::move(launch)),
      m_cmbArrange(new QComboBox(this)),
      m_cmbView(new QComboBox(this)),
      m_cmdWWW(new LinkLabel(QLatin1String(app::kWebHost), this))
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Tessaflow - Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Escape closes the dialog as its close button does, saving the choices.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    // Laid out in twips as designed, whatever the screen's dpi.
    auto place = [this](QWidget *w, double left, double top, double width, double height) {
        w->setGeometry(platform::toPixels(left, *this), platform::toPixels(top, *this),
                       platform::toPixels(width, *this), platform::toPixels(height, *this));
    };
    setFixedSize(platform::toPixels(3135, *this), platform::toPixels(1125, *this));

    m_cmbArrange->setObjectName(QStringLiteral("cmbArrange"));
    m_cmbArrange->addItems({QStringLiteral("Manual Icons"), QStringLiteral("Auto Arrange Icons Left"),
                            QStringLiteral("Auto Arrange Icons Top")});
    m_cmbArrange->setToolTip(QStringLiteral("Select Shortcut Arrangement"));
    place(m_cmbArrange, 120, 120, 2895, 315);

    m_cmbView->setObjectName(QStringLiteral("cmbView"));
    m_cmbView->addItems({QStringLiteral("Large Icons"), QStringLiteral("Small Icons"), QStringLiteral("List View")});
    m_cmbView->setToolTip(QStringLiteral("Select Shortcut View"));
    place(m_cmbView, 120, 480, 2895, 315);

    m_cmdWWW->setObjectName(QStringLiteral("cmdWWW"));
    m_cmdWWW->setToolTip(QStringLiteral("Visit %1").arg(QLatin1String(app::kWebUrl)));
    m_cmdWWW->setFocusPolicy(Qt::NoFocus);
    m_cmdWWW->setCursor(Qt::PointingHandCursor);
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    m_cmdWWW->setFont(font);
    QPalette link = m_cmdWWW->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 192));
    m_cmdWWW->setPalette(link);
    place(m_cmdWWW, 120, 840, 2895, 255);

    setTabOrder(m_cmbArrange, m_cmbView);

    connect(m_cmbArrange, &QComboBox::currentIndexChanged, this, &frmOptions::cmbArrange_Click);
    connect(m_cmbView, &QComboBox::currentIndexChanged, this, &frmOptions::cmbView_Click);
    connect(m_cmdWWW, &LinkLabel::clicked, this, &frmOptions::cmdWWW_Click);
    Form_Load();
}

void frmOptions::Form_Load()
{
    // The entries mirror the list's current values; choosing writes them back.
    // A report view (only a hand-edited profile makes one) has no entry: none
    // is shown selected and the list stays as it is until the user picks one.
    m_cmbArrange->setCurrentIndex(m_lstButtons.Arrange());
    const int view = m_lstButtons.View();
    m_cmbView->setCurrentIndex(view < m_cmbView->count() ? view : -1);
}

void frmOptions::cmbArrange_Click(int index)
{
    if (index >= 0)
        m_lstButtons.setArrange(index);
}

void frmOptions::cmbView_Click(int index)
{
    if (index >= 0)
        m_lstButtons.setView(index);
}

void frmOptions::cmdWWW_Click()
{
    if (m_launch)
        m_launch(QLatin1String(app::kWebUrl));
}

void frmOptions::closeEvent(QCloseEvent *event)
{
    if (m_saveConfig)
        m_saveConfig();
    event->accept();
}

} // namespace options
