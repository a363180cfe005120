#include "platform/xdg/OpenedStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <cmath>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/xdg/RegularFile.h"

namespace platform {

namespace {
const QByteArray kHeader = QByteArrayLiteral("tessaflow-opened 1");
const QByteArray kProfile = QByteArrayLiteral("profile ");
// Far beyond what opening by hand reaches, short of what breaks the arithmetic.
constexpr double kMaxScore = 1e9;
constexpr qint64 kMaxTime = 100'000'000'000LL;

bool sane(double score, qint64 at)
{
    return std::isfinite(score) && score >= 0 && score <= kMaxScore && at >= 0 && at <= kMaxTime;
}

QString absolute(const QString &path)
{
    return path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

OpenedStore::OpenedStore(QString path, QString profilePath)
    : m_path(std::move(path)), m_profilePath(absolute(profilePath))
{
}

QString OpenedStore::pathFor(const QString &profilePath)
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QLatin1String("/.local/state");
    const QByteArray hash =
        QCryptographicHash::hash(absolute(profilePath).toUtf8(), QCryptographicHash::Sha256).toHex().left(12);
    return state + QLatin1String("/tessaflow/opened-") + QLatin1String(hash) + QLatin1String(".txt");
}

QString OpenedStore::escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair) {
            out += c;
            out += text[++i];
        } else if (c.unicode() < 0x21 || c == u'%' || c.unicode() == 0x7f || c.isSurrogate()) {
            out += u'%' + QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

bool OpenedStore::unescape(QStringView text, QString *out)
{
    out->clear();
    out->reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x21 || c.unicode() == 0x7f)
            return false;
        if (c != u'%') {
            *out += c;
            continue;
        }
        if (i + 4 >= text.size())
            return false;
        uint unit = 0;
        for (qsizetype k = i + 1; k <= i + 4; ++k) {
            const qsizetype digit = QStringView(u"0123456789abcdef").indexOf(text[k]);
            if (digit < 0)
                return false;
            unit = unit * 16 + uint(digit);
        }
        if (unit == 0)
            return false;
        *out += QChar(char16_t(unit));
        i += 4;
    }
    return true;
}

std::vector<OpenedRecord> OpenedStore::read() const
{
    QByteArray bytes;
    // One byte past the limit tells a file that is too big.
    if (readRegularFile(m_path, kMaxBytes + 1, &bytes) != FileRead::Done || bytes.size() > kMaxBytes)
        return {};
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 2 || lines[0] != kHeader || !lines[1].startsWith(kProfile))
        return {};
    QString profile;
    if (!unescape(QString::fromUtf8(lines[1].mid(kProfile.size())), &profile))
        return {};
    if (!m_profilePath.isEmpty() && profile != m_profilePath)
        return {};
    std::vector<OpenedRecord> records;
    QSet<QString> seen;
    for (qsizetype n = 2; n < lines.size() && records.size() < size_t(kMaxRecords); ++n) {
        const QByteArray &line = lines[n];
        const qsizetype first = line.indexOf(' ');
        const qsizetype second = first < 0 ? -1 : line.indexOf(' ', first + 1);
        if (second < 0)
            continue;
        bool scoreOk = false, atOk = false;
        const double score = line.left(first).toDouble(&scoreOk);
        const qint64 at = line.mid(first + 1, second - first - 1).toLongLong(&atOk);
        if (!scoreOk || !atOk || !sane(score, at))
            continue;
        OpenedRecord record{QString(), score, at};
        const QByteArray target = line.mid(second + 1);
        // Escaped text is valid UTF-8: a line that decodes with replacements was not written here.
        const QString decoded = QString::fromUtf8(target);
        if (decoded.toUtf8() != target || !unescape(decoded, &record.target) || record.target.isEmpty())
            continue;
        if (seen.contains(record.target))
            continue;
        seen.insert(record.target);
        records.push_back(std::move(record));
    }
    return records;
}

bool OpenedStore::write(const std::vector<OpenedRecord> &records) const
{
    const QFileInfo info(m_path);
    const QString folder = info.absolutePath();
    const QByteArray folderName = QFile::encodeName(folder);
    if (!QFileInfo(folder).isDir()) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        if (::mkdir(folderName.constData(), 0700) != 0 && !QFileInfo(folder).isDir())
            return false;
    }
    // A link (one in a loop included), FIFO or socket in its place is not
    // followed: QSaveFile would write through a link, and a FIFO would wait.
    struct stat st;
    const QByteArray name = QFile::encodeName(m_path);
    if (::lstat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        ::unlink(name.constData());
    QByteArray bytes = kHeader + '\n' + kProfile + escaped(m_profilePath).toUtf8() + '\n';
    int written = 0;
    for (const OpenedRecord &record : records) {
        if (written == kMaxRecords)
            break;
        if (record.target.isEmpty() || !sane(record.score, record.at))
            continue;
        bytes += QByteArray::number(record.score, 'g', 10) + ' ' + QByteArray::number(record.at) + ' ' +
                 escaped(record.target).toUtf8() + '\n';
        ++written;
    }
    QSaveFile file(m_path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
