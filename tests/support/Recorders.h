#pragma once

#include <functional>

#include "support/QtPrinters.h"
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/widgets/Dialogs.h"
#include "platform/process/Opener.h"
#include "platform/tray/Tray.h"

namespace testing_support {

// A tray that records what the window asks of it; `hostPresent` plays the
// desktop with or without a tray host.
class RecordingTray : public platform::Tray {
public:
    bool hostPresent = true;
    int adds = 0;
    int removes = 0;
    bool shown = false;
    QString tip;
    Callback callback;
    std::function<void()> hostChanged;

    bool available() const override { return hostPresent; }
    void setHostChanged(std::function<void()> changed) override { hostChanged = std::move(changed); }
    // The desktop's tray host comes or goes.
    void setHost(bool present)
    {
        hostPresent = present;
        if (hostChanged)
            hostChanged();
    }
    bool add(const QIcon &, const QString &t, Callback cb) override
    {
        ++adds;
        shown = true;
        tip = t;
        callback = std::move(cb);
        return true;
    }
    // The icon taken away from inside its own event handler: the real tray
    // icon would be destroyed under the handler that is still running.
    int removedDuringCallback = 0;

    bool remove() override
    {
        ++removes;
        shown = false;
        if (inCallback)
            ++removedDuringCallback;
        return true;
    }
    // A click on the icon, as the tray reports it.
    void click(platform::TrayClick click)
    {
        inCallback = true;
        if (callback)
            callback(click);
        inCallback = false;
    }

private:
    bool inCallback = false;
};

// Answers boxes and prompts from a script and records what was shown.
class RecordingDialogs : public platform::Dialogs {
public:
    struct Shown {
        QString kind, title, text;
    };
    std::vector<Shown> shown;
    Answer nextAnswer = Yes;
    std::optional<QString> nextInput;
    // Typed in turn after each answer the prompt's check refused; when they
    // run out the user cancels.
    std::vector<std::optional<QString>> laterInputs;

    // Runs while a question is up, before it is answered: what the program
    // does meanwhile (a hand-over from a later start).
    std::function<void()> whileAsking;

    // The answer Enter would have given to the last question.
    std::optional<Answer> preselected;
    Answer askYesNo(const QString &title, const QString &text, Answer enterGives = Yes) override
    {
        shown.push_back({QStringLiteral("question"), title, text});
        preselected = enterGives;
        if (whileAsking)
            whileAsking();
        return nextAnswer;
    }
    void showError(const QString &title, const QString &text) override
    {
        shown.push_back({QStringLiteral("error"), title, text});
    }
    void notify(const QString &title, const QString &text) override
    {
        shown.push_back({QStringLiteral("notice"), title, text});
    }
    // The example shown in the empty field, of the last prompt.
    QString example;
    std::optional<QString> inputText(const QString &title, const QString &prompt, const QString &def,
                                     const QString &shownExample, const Check &check) override
    {
        example = shownExample;
        shown.push_back({QStringLiteral("input"), title, prompt + QLatin1Char('\n') + def});
        std::optional<QString> answer = nextInput;
        for (size_t later = 0; answer && check; ++later) {
            const QString why = check(*answer);
            if (why.isEmpty())
                break;
            shown.push_back({QStringLiteral("refused"), title, why});
            answer = later < laterInputs.size() ? laterInputs[later] : std::nullopt;
        }
        return answer;
    }
};

// Records every target handed to the desktop's open.
class RecordingOpener : public platform::Opener {
public:
    // Every target opened, in order, and those of them handed over as URIs.
    QStringList opened;
    QStringList uris;
    void openPath(const QString &path) override { opened << path; }
    // Every program or script run with options, in order (also in `opened`),
    // and the Command the desktop's opener would start for it here.
    struct Run {
        QString path;
        platform::RunOptions how;
        std::optional<platform::Command> command;
    };
    std::vector<Run> runs;
    void runPath(const QString &path, const platform::RunOptions &how) override
    {
        opened << path;
        runs.push_back({path, how, platform::DesktopOpener::commandFor(path, how)});
    }
    void openUri(const QString &uri) override
    {
        opened << uri;
        uris << uri;
    }
    // Every path shown in its folder, in order.
    QStringList shownInFolder;
    void showInFolder(const QString &path) override { shownInFolder << path; }
    // Every desktop entry started, in order.
    struct Started {
        QString entry, action;
        QStringList targets;
        bool operator==(const Started &) const = default;
    };
    std::vector<Started> started;
    void startEntry(const QString &entryPath, const QString &actionId, const QStringList &targets) override
    {
        started.push_back({entryPath, actionId, targets});
    }
};

} // namespace testing_support
