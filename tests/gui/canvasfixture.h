#pragma once

// A design editor in a window of its own, driven with synthesized pointer and key events
// at document positions, for the canvas, toolbox and command tests.

#include "app/designeditor.h"
#include "app/editcommands.h"
#include "app/insertcommands.h"
#include "app/pagecommands.h"
#include "app/toolbox.h"
#include "canvas/canvaspane.h"
#include "canvas/designdocument.h"
#include "canvas/designscene.h"
#include "canvas/designview.h"
#include "designer/objectgeometry.h"
#include "document/languagetable.h"
#include "document/projectdocument.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTest>

#include <memory>

namespace qv::test {

class CanvasFixture {
public:
    explicit CanvasFixture(ProjectDocument document = {}) : doc(std::move(document))
    {
        LanguageLoad load = LanguageTable::read(std::filesystem::path(QV_SOURCE_DATA_DIR) /
                                                "Languages" / "English.txt");
        if (load.table)
            language = *load.table;
        editor = std::make_unique<gui::DesignEditor>(doc, &language, &window);
        editor->setMessageHandler([this](const QString& text) { messages.append(text); });
        editor->install();
        window.resize(1100, 800);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the test window was not shown");
    }

    // Makes this window the active one, so that its shortcuts work.
    void activate()
    {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the test window did not become active");
        view().setFocus();
    }

    gui::DesignDocument& design() { return editor->document(); }
    gui::DesignView& view() { return editor->canvas().view(); }
    gui::DesignScene& scene() { return editor->canvas().scene(); }
    QWidget* viewport() { return view().viewport(); }
    const SelectionState& selection() { return design().selection(); }

    // The viewport position that shows document pixel (x, y).
    QPoint at(double x, double y) { return view().mapFromScene(QPointF(x, y)); }

    void send(QEvent::Type type, double x, double y, Qt::MouseButton button,
              Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {})
    {
        const QPoint p = at(x, y);
        QMouseEvent event(type, QPointF(p), QPointF(viewport()->mapToGlobal(p)), button, buttons,
                          modifiers);
        QApplication::sendEvent(viewport(), &event);
    }
    void press(double x, double y, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonPress, x, y, button, button);
    }
    void hover(double x, double y) { send(QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton); }
    void dragTo(double x, double y) { send(QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton); }
    void release(double x, double y, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonRelease, x, y, button, Qt::NoButton);
    }
    void click(double x, double y)
    {
        press(x, y);
        release(x, y);
    }
    // A drag in `steps` moves from (x0, y0) to (x1, y1).
    void drag(double x0, double y0, double x1, double y1, int steps = 4)
    {
        press(x0, y0);
        for (int i = 1; i <= steps; ++i)
            dragTo(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
        release(x1, y1);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(&view(), key, modifiers);
    }
    void useTool(const char* toolTip)
    {
        QAction* action = editor->toolbox().actionFor(QString::fromUtf8(toolTip));
        QVERIFY2(action != nullptr, toolTip);
        action->trigger();
    }
    Qt::CursorShape cursor() { return viewport()->cursor().shape(); }

    // Writes what the canvas (or `widget`) shows to NAME.png in the folder QV_SHOT_DIR
    // names, to look at; nothing without it.
    void grab(const QString& name, QWidget* widget = nullptr)
    {
        const QString folder = qEnvironmentVariable("QV_SHOT_DIR");
        if (folder.isEmpty())
            return;
        QWidget* shown = widget ? widget : view().viewport();
        shown->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    ProjectDocument doc;
    LanguageTable language;
    QMainWindow window;
    std::unique_ptr<gui::DesignEditor> editor;
    QStringList messages;
};

// Appends an object of kind T at pixel position (left, top) and returns its index.
template <class T> int addObject(ProjectDocument& d, float left, float top, int page = 0)
{
    ObjectTable<T>& table = tableOf<T>(d);
    const int index = table.append();
    placeRecord(table[index], left, top);
    table[index].page = static_cast<decltype(table[index].page)>(page);
    return index;
}

// Where an object of the fixture's document lies, in pixels.
inline PixelRect rectOf(CanvasFixture& f, ObjectKind kind, int index)
{
    return objectRect(f.doc, ObjectRef{kind, index});
}

inline void setPage(ProjectDocument& d, float width, float height)
{
    d.settings.pageSizeCode = kPageSizeCustom;
    d.settings.surfaceWidth = pixelsToTwips(width);
    d.settings.surfaceHeight = pixelsToTwips(height);
}

} // namespace qv::test
