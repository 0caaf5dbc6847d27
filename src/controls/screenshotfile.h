#pragma once

#include <QString>
#include <QWidget>

namespace qv::gui {

// Renders a widget (shown off screen if it is not shown yet) into `fileName` as PNG,
// whatever the name ends with. The picture is written the way projects are saved: only a
// regular file is replaced, and only when the whole picture is written, so a name that is a
// pipe or a device is refused instead of hanging or overwriting it. False with a message
// naming the file when it cannot be written.
bool saveWidgetScreenshot(QWidget& widget, const QString& fileName, QString* error);

} // namespace qv::gui
