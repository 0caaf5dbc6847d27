#pragma once

// A design built into an application with the real builder and the runtime these tests
// were built with, and its window started offscreen on what the builder wrote.

#include "embeddedruntime.h"
#include "openrecords.h"
#include "runtimewindow.h"

#include "builder/compileapp.h"
#include "builder/datablockreader.h"
#include "builder/recordfiles.h"
#include "document/projectfile.h"
#include "records/recordform.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <filesystem>
#include <memory>

namespace qv::test {

inline ProjectDocument ordersExample()
{
    const ProjectReadResult read =
        readProjectFile(std::filesystem::path(QV_SOURCE_DATA_DIR) / "Examples" / "Orders.baf");
    if (!read.ok())
        qFatal("%s", read.message.c_str());
    return read.document;
}

// Builds `document` as "Orders" into `parent`; returns the executable.
inline std::filesystem::path buildOrders(const ProjectDocument& document,
                                         const std::filesystem::path& parent)
{
    ProjectDocument copy = document;
    BuildOptions options;
    options.appName = "Orders";
    options.parentFolder = parent;
    const std::span<const uint8_t> image = embeddedRuntimeImage();
    options.runtimeImage.assign(image.begin(), image.end());
    options.programFolder = QV_SOURCE_DATA_DIR;
    const BuildResult result = CompileApp(copy, options);
    if (!result.ok)
        qFatal("the build failed: %s", result.message.c_str());
    return result.executable;
}

// What a started application has: its data block, read back from the file the builder
// wrote, and its records beside it.
struct BuiltApplication {
    explicit BuiltApplication(const std::filesystem::path& exe)
        : read(ReadAppFile(exe)), folder(exe.parent_path())
    {
        if (!read.ok)
            qFatal("%s", read.message.c_str());
    }

    std::unique_ptr<runtime::RuntimeWindow> start()
    {
        const QString dir = QString::fromStdString(folder.string());
        auto window = std::make_unique<runtime::RuntimeWindow>(
            read.data, FormulaLocale{}, [this, dir](const RecordSchema& schema) {
                return runtime::OpenAppRecords(read.data, schema, dir, QStringLiteral("Orders"),
                                               true);
            });
        window->setAppFolder(dir);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    std::filesystem::path records() const
    {
        return folder / RecordFileName("Orders", read.data.exportExtension);
    }

    AppFileRead read;
    std::filesystem::path folder;
};

inline QAction* menuAction(runtime::RuntimeWindow& window, const QString& text)
{
    for (QAction* menu : window.menuBar()->actions())
        for (QAction* action : menu->menu()->actions())
            if (action->text() == text)
                return action;
    qFatal("no menu entry %s", qPrintable(text));
}

inline void typeInto(QWidget* editor, const QString& text)
{
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(editor, text);
}

inline QString fieldText(runtime::RuntimeWindow& window, int field)
{
    return QString::fromStdString(window.form().value({InputKind::Field, field}));
}

} // namespace qv::test
