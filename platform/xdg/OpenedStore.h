#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace platform {

// One target's record of being opened: a score and when it was last brought
// up to date (seconds since the epoch). What the numbers mean is decided above.
struct OpenedRecord {
    QString target;
    double score = 0;
    qint64 at = 0;
};

// A small state file of how often and how lately each target was opened,
// one per profile, so that opening a shortcut never rewrites the profile.
//
// It lives in $XDG_STATE_HOME/tessaflow/ (~/.local/state/tessaflow/), named
// opened-<hash>.txt after a short hash of the profile's absolute path; the
// profile's path is written in its header too, and a file whose header names
// another profile is not read. The format, line by line:
//
//     tessaflow-opened 1
//     profile <escaped path>
//     <score> <seconds since the epoch> <escaped target>
//
// Escaped: '%', control characters, blanks' kin (any code unit below 0x21),
// DEL and lone surrogates become %XXXX (the UTF-16 code unit in hex), so a
// target of any characters but NUL keeps to one line. Anything else read is
// ignored line by line: a wrong header drops the whole file.
class OpenedStore {
public:
    // At most this many records are read or written; the file is never read past kMaxBytes.
    static constexpr int kMaxRecords = 2000;
    static constexpr qint64 kMaxBytes = 1 << 20;

    explicit OpenedStore(QString path, QString profilePath = QString());
    // Where the records of the profile at `profilePath` are kept.
    static QString pathFor(const QString &profilePath);
    const QString &path() const { return m_path; }

    // The sane records of the file: none when it is missing, not a regular
    // file (or a link to one), too big or of another format. A record whose
    // numbers are not finite, negative or absurdly large is left out, and
    // of two records of the same target the first is kept.
    std::vector<OpenedRecord> read() const;
    // Replaces the file atomically (a temporary file renamed over it in the
    // same folder, made 0700 when missing) with the first kMaxRecords records.
    // Whatever stood at the path (a link, a FIFO) is replaced, never followed.
    bool write(const std::vector<OpenedRecord> &records) const;

    static QString escaped(const QString &text);
    // False for text that is not escaped() output.
    static bool unescape(QStringView text, QString *out);

private:
    QString m_path;
    QString m_profilePath;
};

} // namespace platform
