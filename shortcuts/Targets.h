#pragma once

#include <QString>

class QUrl;

// The one rule for what a text or URL names: a web address, another link the
// desktop opens, a local file or folder, or nothing this program can use.
// Every place that takes a target asks it: the command line and a later
// start's hand-over, a pasted line, a drop, the Add URL prompt, the stored
// list, opening and the icons.
namespace shortcuts {

struct Target {
    enum class Kind {
        Nothing,
        // "scheme://…" in any letter case, "www.…", or a host typed by hand
        // ("example.org", "localhost:3000").
        WebAddress,
        // A link the desktop opens written without "//": "mailto:…", "tel:…",
        // "magnet:?…", or any scheme with a handler.
        OtherUri,
        // A file or folder, whether or not anything is there.
        LocalPath,
    };
    Kind kind = Kind::Nothing;
    // A link as given, with "http://" in front of "www.…" (typed: "https://",
    // also in front of a bare host); a
    // path made absolute and clean; empty for nothing.
    QString text;

    bool isLink() const { return kind == Kind::WebAddress || kind == Kind::OtherUri; }
    // A link's scheme in lower case ("http" for "www.…"); empty for the rest.
    QString scheme() const;
    // Whether a local path names something: a file, a folder, or a symbolic
    // link even when it leads nowhere (it may be repaired). Reads the file
    // system; false for a link.
    bool present() const;
};

// Whether a text has a blank anywhere (tabs and line breaks too): a web
// address never does.
bool hasBlank(const QString &text);

// Where a text comes from, which says how shorthand and relative names are read.
enum class Source {
    // An argument: a relative name is taken against the given folder.
    CommandLine,
    // What a later start hands over: its folder is not known here, so a
    // relative name names nothing.
    HandOver,
    // Typed into the Add URL prompt or pasted, blanks around it dropped by
    // the caller: "~" is the home folder, a host such as "example.org" is a
    // web address, and a relative name is a path (in the current folder) only
    // when something is there.
    Typed,
    // A shortcut's target as stored: a relative name is taken against the
    // current folder.
    Stored,
};

// What `text` names. In this order: an empty text (or one holding NUL) is
// nothing; a "file:" URI is its local path; "scheme://…" is a web address and
// "www.…" one with "http://" (typed: "https://") in front, even when a file of that name is in
// the folder; a path with something there comes next, so an existing
// "notes:2024.txt" or "mailto:me" is that file; then a link without "//"
// ("mailto:…"), a typed host, and last a path with nothing there (never for a
// typed relative name). Reads the file system only where the text could be
// read two ways.
Target readTarget(const QString &text, Source source, const QString &folder = QString());

// What a dropped or copied URL names: a local file's path (there or not), or
// a link the desktop opens; nothing for a relative or invalid URL and for a
// scheme nothing opens. Never reads the file system.
Target readUrl(const QUrl &url);

// What a shortcut stores for a target text: a link or a file:// URI as given
// ("www.…" stays so), any other path made absolute; empty when the text
// names nothing.
QString storedTarget(const QString &text);

} // namespace shortcuts
