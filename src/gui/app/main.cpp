#include "app/controlsgallery.h"
#include "app/mainwindow.h"
#include "controls/screenshotfile.h"
#include "dialogs/setlanguagedialog.h"

#include <cstdio>
#include <cstring>
#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QMessageBox>

namespace {

bool hasArgument(int argc, char** argv, std::initializer_list<const char*> names)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* name : names) {
            if (std::strcmp(argv[i], name) == 0)
                return true;
        }
    }
    return false;
}

// Whether a window can be shown at all: a platform was chosen, or an X or Wayland display
// is there.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Designer of small database applications. Without a display, use "
                       "--screenshot FILE.png to get a picture of the designer."));
    parser.addHelpOption();
    parser.addVersionOption();
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
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Quorvalle Developer 21"));
    QCoreApplication::setApplicationVersion(QStringLiteral("21.0"));
    const bool screenshotWanted = hasArgument(argc, argv, {"--screenshot"});
    // A screenshot needs no screen: render off screen unless a platform was chosen.
    if (screenshotWanted && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Help, version and the answer to a missing display need no window system: Qt's
    // platform plugin would abort before they could be given.
    if (!hasDisplay() || hasArgument(argc, argv, {"-h", "-?", "--help", "--help-all", "-v",
                                                  "--version"})) {
        QCoreApplication console(argc, argv);
        QCommandLineParser parser;
        describeOptions(parser);
        parser.process(console); // answers --help and --version and ends the program
        std::fprintf(stderr, "quorvalle: needs a graphical session (neither DISPLAY nor "
                             "WAYLAND_DISPLAY is set); for a picture without one run "
                             "quorvalle --screenshot FILE.png [PROJECT]\n");
        return 1;
    }
    QApplication app(argc, argv);

    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);

    const bool screenshot = parser.isSet(QStringLiteral("screenshot"));
    std::unique_ptr<QWidget> window;
    qv::gui::MainWindow* designer = nullptr;
    if (parser.isSet(QStringLiteral("controls-gallery"))) {
        window = qv::gui::createControlsGallery();
    } else {
        const QStringList positional = parser.positionalArguments();
        // The first start asks for a language; a screenshot takes the shipped English.
        qv::gui::LanguageChooser chooser;
        if (!screenshot) {
            chooser = [](const QStringList& names) {
                return qv::gui::SetLanguageDialog::ask(names, QStringLiteral("Set Language..."));
            };
        }
        qv::gui::DesignerSession session =
            qv::gui::startDesigner(parser.value(QStringLiteral("app-folder")),
                                   positional.isEmpty() ? QString() : positional.first(), chooser);
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
