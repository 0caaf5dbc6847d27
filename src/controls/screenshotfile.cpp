#include "screenshotfile.h"

#include "document/atomicfile.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QPixmap>

#include <string>

namespace qv::gui {

bool saveWidgetScreenshot(QWidget& widget, const QString& fileName, QString* error)
{
    if (!widget.isVisible()) {
        widget.setAttribute(Qt::WA_DontShowOnScreen, true);
        widget.show();
    }
    QApplication::processEvents();
    const QPixmap picture = widget.grab();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    std::string reason;
    if (picture.isNull() || !picture.save(&buffer, "PNG"))
        reason = "the window could not be drawn";
    else if (writeFileAtomically(QFile::encodeName(fileName).toStdString(),
                                 std::string_view(png.constData(), size_t(png.size())), reason))
        return true;
    if (error)
        *error = QStringLiteral("The screenshot was not written: %1")
                     .arg(QString::fromStdString(reason));
    return false;
}

} // namespace qv::gui
