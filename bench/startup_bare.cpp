// The floor: a bare Qt window holding an empty list, at Tessaflow's size.
#include <QApplication>
#include <QListWidget>
#include <QVBoxLayout>

#include "FirstPaint.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *list = new QListWidget(&window);
    layout->addWidget(list);
    window.resize(346, 232);
    bench::FirstPaint firstPaint(list->viewport(), [] { bench::quitNow(); });
    window.show();
    return application.exec();
}
