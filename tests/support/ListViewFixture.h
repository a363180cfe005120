#pragma once

#include <QPixmap>
#include <gtest/gtest.h>

#include "platform/widgets/ListView.h"

namespace testing_support {

// A list view 400 x 300 pixels with eight pictures in each image list.
class ListViewTest : public ::testing::Test {
protected:
    platform::ImageList large{32};
    platform::ImageList small{16};
    platform::ListView view{large, small};

    void SetUp() override
    {
        view.resize(400, 300);
        for (int n = 0; n < 8; ++n) {
            QPixmap pixmap(32, 32);
            pixmap.fill(QColor::fromHsv(n * 40, 255, 255));
            large.Add(QIcon(pixmap));
            small.Add(QIcon(pixmap.scaled(16, 16)));
        }
    }
    void add(const QString &caption, int image) { ASSERT_TRUE(view.Add(caption, caption, image, image)); }
    QRect itemRect(int i) { return view.visualRect(view.model()->index(i - 1, 0)); }
};

} // namespace testing_support
