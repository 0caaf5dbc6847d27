#include "app/controlsgallery.h"

#include <cstdio>
#include <cstring>
#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>

int main(int argc, char** argv)
{
    // A screenshot needs no screen: render off screen unless a platform was chosen.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvalle Developer 21"));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("controls-gallery"),
                      QStringLiteral("Show the system's own controls in their typical states.")});
    parser.addOption({QStringLiteral("screenshot"),
                      QStringLiteral("Render the window to a PNG file and exit."),
                      QStringLiteral("file")});
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QStringLiteral("Project file to open."));
    parser.process(app);

    std::unique_ptr<QWidget> window;
    if (parser.isSet(QStringLiteral("controls-gallery"))) {
        window = qv::gui::createControlsGallery();
    } else {
        auto main = std::make_unique<QMainWindow>();
        main->setWindowTitle(QStringLiteral("Quorvalle Developer 21"));
        main->resize(800, 600);
        window = std::move(main);
    }

    if (parser.isSet(QStringLiteral("screenshot"))) {
        QString error;
        if (!qv::gui::saveWidgetScreenshot(*window, parser.value(QStringLiteral("screenshot")),
                                           &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    window->show();
    return app.exec();
}
