#include "fonts.h"
#include "placement.h"
#include "sumgrove.h"

#include <QtGui/QScreen>
#include <QtWidgets/QApplication>

int main(int argc, char *argv[])
{
    // Scale the fixed-pixel form on high-density screens instead of shrinking it.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);

    QApplication app(argc, argv);
    substituteFormFonts();
    Sumgrove window;
    window.show();
    window.move(startPosition(QGuiApplication::primaryScreen()->virtualSize(), window.size()));
    return app.exec();
}
