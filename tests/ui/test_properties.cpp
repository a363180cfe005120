// The Properties window: which fields a kind of target shows, a refused
// target keeps the window open with the reason under the field, and from
// the main window an edit is saved once while Cancel changes nothing.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "platform/process/Spawner.h"
#include "support/ProcessEnvironment.h"
#include "support/WindowFixture.h"
#include "ui/Properties.h"

using namespace testing_support;

namespace {

class PropertiesTest : public OpenWindowFixture {
protected:
    QString script = dir.filePath(QStringLiteral("run.sh"));
    void SetUp() override
    {
        OpenWindowFixture::SetUp();
        writeScript(script, "exit 0\n");
        QApplication::setActiveWindow(window.get());
        list().setFocus();
    }
    shortcuts::Shortcut shortcutFor(const QString &target)
    {
        auto shortcut = shortcuts::makeShortcut(target);
        EXPECT_TRUE(shortcut);
        return shortcut.value_or(shortcuts::Shortcut{});
    }
    // The Properties window as it comes up: `act` runs while it is there,
    // then it is closed if `act` left it open. Runs `open` to bring it up.
    bool whileUp(const std::function<void()> &open, const std::function<void(ui::Properties &)> &act)
    {
        bool seen = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<ui::Properties *>(QApplication::activeModalWidget());
            if (!dialog || seen)
                return;
            seen = true;
            act(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        poll.start();
        open();
        return seen;
    }
};

TEST_F(PropertiesTest, OnlyATargetThatRunsShowsArgumentsFolderAndTerminal)
{
    const QString entry = dir.filePath(QStringLiteral("app.desktop"));
    writeFile(entry, "[Desktop Entry]\nType=Application\nName=App\nExec=app\n");
    const struct {
        QString target;
        bool runs;
    } kinds[] = {{script, true},
                 {QStringLiteral("https://example.org/"), false},
                 {entry, false},
                 {dir.path(), false}};
    for (const auto &kind : kinds) {
        ui::Properties dialog(shortcutFor(kind.target), fileChooser, {});
        dialog.show();
        EXPECT_EQ(dialog.arguments().isVisibleTo(&dialog), kind.runs) << kind.target.toStdString();
        EXPECT_EQ(dialog.folder().isVisibleTo(&dialog), kind.runs) << kind.target.toStdString();
        EXPECT_EQ(dialog.terminal().isVisibleTo(&dialog), kind.runs) << kind.target.toStdString();
        EXPECT_TRUE(dialog.icon().isVisibleTo(&dialog));
        EXPECT_TRUE(dialog.comment().isVisibleTo(&dialog));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tessaflow - Properties"));
    }
    // The fields follow the target as it is typed.
    ui::Properties dialog(shortcutFor(script), fileChooser, {});
    dialog.show();
    dialog.target().setText(QStringLiteral("https://example.org/"));
    EXPECT_FALSE(dialog.arguments().isVisibleTo(&dialog));
    dialog.target().setText(script);
    EXPECT_TRUE(dialog.arguments().isVisibleTo(&dialog));
    // Every field is named by its label, for screen readers and its key.
    QStringList named;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        if (label->buddy())
            named << label->text();
    EXPECT_EQ(named, (QStringList{"&Caption:", "&Target:", "&Arguments:", "&Working folder:", "&Icon:", "C&omment:"}));
}

TEST_F(PropertiesTest, ScreenReadersHearEveryFieldByItsLabel)
{
    ui::Properties dialog(shortcutFor(script), fileChooser, {});
    const std::pair<QWidget *, QString> fields[] = {
        {&dialog.caption(), "Caption:"},   {&dialog.target(), "Target:"},
        {&dialog.arguments(), "Arguments:"}, {&dialog.folder(), "Working folder:"},
        {&dialog.icon(), "Icon:"},         {&dialog.comment(), "Comment:"},
        {&dialog.terminal(), "Run in a terminal"}};
    for (const auto &[field, name] : fields) {
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->text(QAccessible::Name), name);
    }
}

TEST_F(PropertiesTest, TheIconIsChosenPreviewedAndResetToAutomatic)
{
    const QString image = dir.filePath(QStringLiteral("own.png"));
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(image));
    QStringList asked;
    ui::Properties dialog(shortcutFor(script), fileChooser, [&](const QString &target, const QString &name) {
        asked << target + QLatin1Char('|') + name;
        return name.isEmpty() ? QIcon() : QIcon(name);
    });
    dialog.show();
    auto *preview = dialog.findChild<QLabel *>(QStringLiteral("lblIconPreview"));
    ASSERT_TRUE(preview);
    EXPECT_TRUE(preview->pixmap().isNull()) << "automatic: the kind's icon, none in this test";
    fileChooser.answer = {image};
    dialog.findChild<QPushButton *>(QStringLiteral("cmdChooseIcon"))->click();
    EXPECT_EQ(dialog.icon().text(), image);
    EXPECT_FALSE(preview->pixmap().isNull());
    EXPECT_EQ(asked.last(), script + QLatin1Char('|') + image);
    EXPECT_EQ(dialog.edited().iconName, image);
    dialog.findChild<QPushButton *>(QStringLiteral("cmdResetIcon"))->click();
    EXPECT_TRUE(dialog.icon().text().isEmpty());
    EXPECT_TRUE(preview->pixmap().isNull());
    EXPECT_EQ(dialog.edited().iconName, QString());
}

TEST_F(PropertiesTest, ARefusedTargetOrCaptionKeepsTheWindowOpenWithTheReasonUnderTheField)
{
    ui::Properties dialog(shortcutFor(script), fileChooser, {});
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.caption().setFocus();
    dialog.target().setText(dir.filePath(QStringLiteral("nothing here")));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.targetNote().isVisible());
    EXPECT_FALSE(dialog.targetNote().text().isEmpty());
    EXPECT_EQ(dialog.target().accessibleDescription(), dialog.targetNote().text());
    EXPECT_EQ(QApplication::focusWidget(), &dialog.target()) << "where a screen reader reads why";

    // Typing again takes the reason away; a blank caption is refused too.
    dialog.target().setText(QStringLiteral("example.org"));
    EXPECT_FALSE(dialog.targetNote().isVisible());
    dialog.caption().setText(QStringLiteral("  "));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    dialog.caption().setText(QStringLiteral("Example"));
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.edited().target, QStringLiteral("https://example.org"));
    EXPECT_EQ(dialog.edited().caption, QStringLiteral("Example"));
}

TEST_F(PropertiesTest, FromTheMenuAnEditIsSavedOnceAndCancelChangesNothing)
{
    window->controller().addTargets({script});
    list().selectRow(0);
    const QByteArray before = readProfile();
    QAction *action = window->findChild<QAction *>(QStringLiteral("mnuProperties"));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->text(), QStringLiteral("Propert&ies\u2026"));
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Return));

    // Cancel: nothing changes, nothing is written.
    EXPECT_TRUE(whileUp([&] { action->trigger(); }, [](ui::Properties &dialog) {
        dialog.arguments().setText(QStringLiteral("--never"));
        dialog.reject();
    }));
    EXPECT_EQ(window->model().at(0).arguments, QString());
    EXPECT_EQ(readProfile(), before);
    // The window closed took the activation with it (offscreen, nobody gives it back).
    QApplication::setActiveWindow(window.get());
    list().setFocus();

    // Filled in and taken with Enter: one save with every field.
    QSignalSpy changes(&window->model(), &QAbstractItemModel::dataChanged);
    fileChooser.answer = {dir.path()};
    EXPECT_TRUE(whileUp([&] { QTest::keyClick(&list(), Qt::Key_Return, Qt::AltModifier); },
                        [&](ui::Properties &dialog) {
                            dialog.arguments().setText(QStringLiteral("-v \"two words\""));
                            dialog.findChild<QPushButton *>(QStringLiteral("cmdChooseFolder"))->click();
                            dialog.terminal().setChecked(true);
                            dialog.comment().setText(QStringLiteral("Nightly"));
                            QTest::keyClick(&dialog.comment(), Qt::Key_Return);
                        }));
    const shortcuts::Shortcut &edited = window->model().at(0);
    EXPECT_EQ(edited.arguments, QStringLiteral("-v \"two words\""));
    EXPECT_EQ(edited.workingDirectory, dir.path());
    EXPECT_TRUE(edited.terminal);
    EXPECT_EQ(edited.comment, QStringLiteral("Nightly"));
    EXPECT_EQ(changes.count(), 1);
    const QByteArray saved = readProfile();
    EXPECT_TRUE(saved.contains("0=" + script.toUtf8() + "|run.sh|")) << saved.constData();
    EXPECT_TRUE(saved.contains("|args=-v \"two words\"|dir=" + dir.path().toUtf8() + "|terminal=1|comment=Nightly\n"))
        << saved.constData();
}

} // namespace
