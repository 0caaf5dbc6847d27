#include "app/controlsgallery.h"
#include "app/mainwindow.h"

#include <cstdio>
#include <cstring>
#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QMessageBox>

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
    parser.addOption({QStringLiteral("app-folder"),
                      QStringLiteral("Use DIR as the program folder instead of the per-user one."),
                      QStringLiteral("dir")});
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QStringLiteral("Project file to open."));
    parser.process(app);

    const bool screenshot = parser.isSet(QStringLiteral("screenshot"));
    std::unique_ptr<QWidget> window;
    qv::gui::MainWindow* designer = nullptr;
    if (parser.isSet(QStringLiteral("controls-gallery"))) {
        window = qv::gui::createControlsGallery();
    } else {
        const QStringList positional = parser.positionalArguments();
        qv::gui::DesignerSession session =
            qv::gui::startDesigner(parser.value(QStringLiteral("app-folder")),
                                   positional.isEmpty() ? QString() : positional.first());
        if (!session.fatalError.isEmpty()) {
            std::fprintf(stderr, "quorvalle: %s\n", qPrintable(session.fatalError));
            if (!screenshot)
                QMessageBox::critical(nullptr, QStringLiteral("Quorvalle Developer 21"),
                                      session.fatalError);
            return 1;
        }
        if (screenshot) {
            for (const QString& message : session.messages)
                std::fprintf(stderr, "quorvalle: %s\n", qPrintable(message));
        }
        auto main = std::make_unique<qv::gui::MainWindow>(std::move(session));
        designer = main.get();
        window = std::move(main);
    }

    if (screenshot) {
        QString error;
        if (!qv::gui::saveWidgetScreenshot(*window, parser.value(QStringLiteral("screenshot")),
                                           &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    window->show();
    if (designer != nullptr)
        designer->reportStartupMessages();
    return app.exec();
}
