// The yardstick: a bare Qt Widgets window of the same size, up to its first paint.
#include "firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    reportFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
