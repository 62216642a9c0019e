#include "shell/application.h"
#include "shell/navigation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kalyxteron::setUpApplication();
    kalyxteron::startUp();
    return QApplication::exec();
}
