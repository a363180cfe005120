// A stand-in drop target for the end-to-end run: a window that accepts any
// drop offering text/uri-list, as a file manager or terminal would, prints
// what it got and exits 0. Exits 2 when nothing was dropped in time.
//
//   tessaflow_droptarget [--timeout SECONDS]
//
// Output: "uri: URI" per URI, then "text: TEXT" when plain text came along,
// then "action: copy|link|move".

#include <QApplication>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace {

class DropTarget : public QLabel {
public:
    DropTarget()
    {
        setText(QStringLiteral("Drop here"));
        setAlignment(Qt::AlignCenter);
        setMinimumSize(240, 120);
        setAcceptDrops(true);
        setWindowTitle(QStringLiteral("Tessaflow drop target"));
    }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override
    {
        if (event->mimeData()->hasUrls())
            event->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent *event) override
    {
        if (event->mimeData()->hasUrls())
            event->acceptProposedAction();
    }
    void dropEvent(QDropEvent *event) override
    {
        for (const QUrl &url : event->mimeData()->urls())
            std::printf("uri: %s\n", url.toEncoded().constData());
        if (event->mimeData()->hasText())
            std::printf("text: %s\n", qPrintable(event->mimeData()->text()));
        event->acceptProposedAction();
        const Qt::DropAction action = event->dropAction();
        std::printf("action: %s\n", action == Qt::MoveAction ? "move" : action == Qt::LinkAction ? "link" : "copy");
        std::fflush(stdout);
        // Long enough for the source to hear the drop has finished.
        QTimer::singleShot(1000, [] { QCoreApplication::exit(0); });
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    int timeoutSeconds = 30;
    if (args.size() == 2 && args.first() == QLatin1String("--timeout"))
        timeoutSeconds = args.at(1).toInt();
    if (timeoutSeconds <= 0) {
        std::fprintf(stderr, "usage: tessaflow_droptarget [--timeout SECONDS]\n");
        return 2;
    }
    QTimer::singleShot(timeoutSeconds * 1000, [] {
        std::fprintf(stderr, "droptarget: timed out\n");
        std::fflush(stderr);
        std::_Exit(2);
    });
    DropTarget window;
    window.show();
    return application.exec();
}
