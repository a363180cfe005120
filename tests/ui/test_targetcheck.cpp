// Looking at the targets again when the window comes back: only after the
// list has been painted, and in slices, so the paint never waits for it.
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "support/ShortcutFixture.h"
#include "ui/TargetCheck.h"

using namespace testing_support;

namespace {

// Records the paints of a widget in the same log as the model's changes.
class PaintLog : public QObject {
public:
    QStringList &log;
    explicit PaintLog(QStringList &l) : log(l) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            log << QStringLiteral("paint");
        return false;
    }
};

class TargetCheckTest : public ShortcutFixture {
protected:
    QWidget window;
    ui::TargetCheck check{window, model};
    QStringList log;
    PaintLog paints{log};

    // n shortcuts to files that are then removed: each one's icon changes
    // once it is looked at.
    void addGone(int n)
    {
        for (int i = 0; i < n; ++i)
            add(touch(QStringLiteral("f%1.txt").arg(i)));
        for (int i = 0; i < n; ++i)
            QFile::remove(path(QStringLiteral("f%1.txt").arg(i)));
        QObject::connect(&model, &QAbstractItemModel::dataChanged, &model,
                         [this](const QModelIndex &first, const QModelIndex &last) {
                             log << QStringLiteral("changed %1-%2").arg(first.row()).arg(last.row());
                         });
    }
};

} // namespace

TEST_F(TargetCheckTest, OnScreenItWaitsForThePaintThenGoesOnInSlices)
{
    const int n = 3 * ui::TargetCheck::kSlice + 1;
    addGone(n);
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    window.installEventFilter(&paints);
    log.clear();
    check.start();
    EXPECT_TRUE(log.isEmpty()); // nothing is looked at before the paint
    window.update();
    QTRY_VERIFY(!check.running());
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.first(), QStringLiteral("paint"));
    // One announcement per slice: the event loop had a turn between them.
    const QStringList changes = log.filter(QStringLiteral("changed"));
    EXPECT_EQ(changes, (QStringList{"changed 0-255", "changed 256-511", "changed 512-767", "changed 768-768"}));
}

TEST_F(TargetCheckTest, HiddenItLooksAtOnceAndAgainFromTheStartWhenAskedAgain)
{
    addGone(ui::TargetCheck::kSlice + 10);
    check.start(); // not shown: no paint will come
    EXPECT_EQ(log, QStringList{"changed 0-255"}); // the first slice at once
    check.start(); // asked again: from the first row again
    QTRY_VERIFY(!check.running());
    // The first rows changed already; what is left is announced once.
    EXPECT_EQ(log, (QStringList{"changed 0-255", "changed 256-265"}));
}
