// A stand-in file manager for the end-to-end run: it offers the files named on
// its command line as a drag, so the launcher receives a drop through the
// window system's own drag-and-drop protocol rather than a synthetic event.
//
//   tessaflow_dragsource [--timeout SECONDS] [--link-title TITLE] FILE-OR-LINK...
//   tessaflow_dragsource [--timeout SECONDS] --text TEXT
//
// An argument with "://" is offered as a browser offers a link: in the
// uri-list, and with TITLE as text/x-moz-url and _NETSCAPE_URL (not
// "--title": Qt takes that for itself). --text offers plain text only, which
// a launcher has no use for.
//
// Pressing a mouse button on the window and moving starts the drag. Prints the
// action the drop target chose and exits 0 once an accepted drop has fetched
// the file list, 1 when the drop was refused or cancelled, 2 on a usage error
// or when the drag did not end before the timeout.

#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// An X drop is asynchronous: QDrag::exec() returns as soon as the drop message
// is sent, and the target asks for the data afterwards. The drag only ends for
// real when that request has been answered, so the program must live until
// then.
class DropData : public QMimeData {
public:
    // Runs once the data has been asked for (at once if it already was).
    void whenFetched(std::function<void()> run)
    {
        m_run = std::move(run);
        if (m_fetched)
            QTimer::singleShot(0, m_run);
    }

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override
    {
        // The request may be answered before QDrag::exec() has returned.
        if (!m_fetched && m_run)
            QTimer::singleShot(0, m_run);
        m_fetched = true;
        return QMimeData::retrieveData(mimeType, type);
    }

private:
    std::function<void()> m_run;
    mutable bool m_fetched = false;
};

class DragSource : public QLabel {
public:
    DragSource(const QList<QUrl> &urls, const QString &title, const QString &text)
        : m_urls(urls), m_title(title), m_text(text)
    {
        QStringList names;
        for (const QUrl &url : urls)
            names << (url.isLocalFile() ? QFileInfo(url.toLocalFile()).fileName() : url.toString());
        setText(urls.isEmpty() ? text : names.join(QLatin1Char('\n')));
        setAlignment(Qt::AlignCenter);
        setMargin(12);
        setMinimumSize(240, 120);
        setWindowTitle(QStringLiteral("Tessaflow drag source"));
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        m_pressed = event->buttons() != Qt::NoButton;
        event->accept();
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        // The first move with a button down starts the drag: the test moves
        // the pointer in coarse steps, so no minimum distance is asked for.
        if (!m_pressed || m_dragging || event->buttons() == Qt::NoButton)
            return;
        m_dragging = true;
        auto *drag = new QDrag(this);
        auto *data = new DropData;
        if (!m_urls.isEmpty())
            data->setUrls(m_urls);
        QString moz;
        for (const QUrl &url : m_urls)
            if (!url.isLocalFile())
                moz += url.toString(QUrl::FullyEncoded) + QLatin1Char('\n') + m_title + QLatin1Char('\n');
        if (!moz.isEmpty()) {
            // As browsers write them: "url\ntitle" per link, in UTF-16 and in
            // UTF-8 (Qt's X11 layer hands a receiver only the first line of
            // the former).
            moz.chop(1);
            data->setData(QStringLiteral("text/x-moz-url"),
                          QByteArray(reinterpret_cast<const char *>(moz.utf16()), moz.size() * 2));
            data->setData(QStringLiteral("_NETSCAPE_URL"), moz.toUtf8());
        }
        if (!m_text.isEmpty())
            data->setText(m_text);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(Qt::CopyAction, Qt::CopyAction);
        if (action != Qt::CopyAction) {
            std::printf("dragsource: refused\n");
            std::fflush(stdout);
            QCoreApplication::exit(1);
            return;
        }
        // The drag object and its data stay alive (Qt keeps them for the
        // pending transfer); leave a moment after the data has been sent so
        // the target's "finished" message still finds this window.
        auto done = [] {
            std::printf("dragsource: copied\n");
            std::fflush(stdout);
            QTimer::singleShot(200, [] { QCoreApplication::exit(0); });
        };
        data->whenFetched(done);
    }

private:
    QList<QUrl> m_urls;
    QString m_title;
    QString m_text;
    bool m_pressed = false;
    bool m_dragging = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    int timeoutSeconds = 30;
    if (args.size() >= 2 && args.first() == QLatin1String("--timeout")) {
        bool ok = false;
        timeoutSeconds = args.at(1).toInt(&ok);
        if (!ok || timeoutSeconds <= 0) {
            std::fprintf(stderr, "dragsource: bad timeout %s\n", qPrintable(args.at(1)));
            return 2;
        }
        args = args.mid(2);
    }
    QString title, text;
    while (args.size() >= 2 && (args.first() == QLatin1String("--link-title") || args.first() == QLatin1String("--text"))) {
        (args.first() == QLatin1String("--link-title") ? title : text) = args.at(1);
        args = args.mid(2);
    }
    if (args.isEmpty() == text.isEmpty()) {
        std::fprintf(stderr, "usage: tessaflow_dragsource [--timeout SECONDS] [--link-title TITLE] FILE-OR-LINK...\n"
                             "       tessaflow_dragsource [--timeout SECONDS] --text TEXT\n");
        return 2;
    }
    QList<QUrl> urls;
    for (const QString &arg : args)
        urls << (arg.contains(QLatin1String("://")) ? QUrl(arg) : QUrl::fromLocalFile(QFileInfo(arg).absoluteFilePath()));

    // A drag stuck in its own event loop must not hold up the test run for
    // good: leave without unwinding.
    QTimer::singleShot(timeoutSeconds * 1000, [] {
        std::fprintf(stderr, "dragsource: timed out\n");
        std::fflush(stderr);
        std::_Exit(2);
    });

    DragSource window(urls, title, text);
    window.show();
    return application.exec();
}
