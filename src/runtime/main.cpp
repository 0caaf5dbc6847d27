#include "aboutbox.h"
#include "appdump.h"
#include "openrecords.h"
#include "runtimewindow.h"

#include "controls/screenshotfile.h"

#include "builder/datablockreader.h"
#include "builder/recordfiles.h"
#include "formula/formulalocale.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include <iostream>

namespace {

bool saveScreenshot(QWidget& widget, const QString& file)
{
    QString error;
    if (!qv::gui::saveWidgetScreenshot(widget, file, &error)) {
        std::cerr << "quorvalle-runtime: " << error.toStdString() << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs the application built onto this file."));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window into FILE.png and exit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption aboutShot(
        QStringLiteral("about-screenshot"),
        QStringLiteral("Render the About box into FILE.png and exit."), QStringLiteral("FILE"));
    const QCommandLineOption page(QStringLiteral("page"),
                                  QStringLiteral("Show page N (1-5) first."), QStringLiteral("N"));
    const QCommandLineOption dump(
        QStringLiteral("dump"), QStringLiteral("Print what the application data holds and exit."));
    parser.addOptions({screenshot, aboutShot, page, dump});
    parser.process(app);

    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    const qv::AppFileRead read = qv::ReadAppFile(std::filesystem::path(self));
    if (parser.isSet(dump)) {
        if (!read.ok) {
            std::cerr << "quorvalle-runtime: " << read.message << '\n';
            return 1;
        }
        qv::runtime::dumpApp(read, std::cout);
        return 0;
    }
    if (!read.ok) {
        std::cerr << "quorvalle-runtime: " << read.message << '\n';
        QLabel message(QStringLiteral("This runtime carries no application.\n%1")
                           .arg(QString::fromStdString(read.message)));
        message.setMargin(20);
        if (parser.isSet(screenshot)) {
            saveScreenshot(message, parser.value(screenshot));
            return 1;
        }
        message.show();
        app.exec();
        return 1;
    }

    const std::string localeId = QLocale::system().name().toStdString();
    const qv::FormulaLocale locale = qv::FormulaLocale::isKnownLocale(localeId)
                                         ? qv::FormulaLocale::fromIcu(localeId)
                                         : qv::FormulaLocale{};
    // The records live beside the program, in a file named after the application. A
    // screenshot only looks: it never makes the file.
    const QString appName = QString::fromStdString(qv::AppNameOf(
        read.data,
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString()));
    const bool mayCreate = !parser.isSet(screenshot) && !parser.isSet(aboutShot);
    qv::runtime::RuntimeWindow window(
        read.data, locale, [&read, appName, mayCreate](const qv::RecordSchema& schema) {
            return qv::runtime::OpenAppRecords(
                read.data, schema, QCoreApplication::applicationDirPath(), appName, mayCreate);
        });
    // What the reader repaired is said in the status line; a person is told at once.
    window.showDataWarnings(read.warnings, mayCreate);
    if (parser.isSet(page))
        window.setPage(std::clamp(parser.value(page).toInt() - 1, 0, 4));
    if (parser.isSet(screenshot))
        return saveScreenshot(window, parser.value(screenshot)) ? 0 : 1;
    if (parser.isSet(aboutShot)) {
        qv::runtime::AboutBox about(read.data);
        return saveScreenshot(about, parser.value(aboutShot)) ? 0 : 1;
    }
    window.show();
    return app.exec();
}
