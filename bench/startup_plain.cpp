// A plain Qt launcher of the same files: a QListWidget in icon mode filled
// with QFileIconProvider icons, one item per line of the list file given.
// Offscreen, QFileIconProvider gives the style's generic pictures; with
// --theme-icons each file gets its type's icon from the icon theme instead,
// as on a desktop, so both programs draw the same pictures.
#include <QApplication>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeDatabase>
#include <QVBoxLayout>

#include "FirstPaint.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    // The same icon theme Tessaflow picks, so both draw the same pictures.
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QStringLiteral("/usr/share/icons"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *list = new QListWidget(&window);
    list->setViewMode(QListView::IconMode);
    list->setIconSize(QSize(32, 32));
    list->setGridSize(QSize(80, 70));
    list->setWordWrap(true);
    list->setResizeMode(QListView::Adjust);
    layout->addWidget(list);
    window.resize(346, 232);

    QFile paths(QString::fromLocal8Bit(argv[1]));
    if (!paths.open(QIODevice::ReadOnly))
        return 2;
    const bool themeIcons = QApplication::arguments().contains(QStringLiteral("--theme-icons"));
    QFileIconProvider provider;
    QMimeDatabase types;
    auto iconOf = [&](const QFileInfo &info) {
        if (!themeIcons)
            return provider.icon(info);
        if (info.isDir())
            return QIcon::fromTheme(QStringLiteral("folder"));
        const QMimeType type = types.mimeTypeForFile(info);
        return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    };
    while (!paths.atEnd()) {
        const QString path = QString::fromUtf8(paths.readLine()).trimmed();
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        list->addItem(new QListWidgetItem(iconOf(info), info.fileName().isEmpty() ? path : info.fileName()));
    }
    bench::FirstPaint firstPaint(list->viewport(), [] { bench::quitNow(); });
    window.show();
    return application.exec();
}
