#include "app/windowplacement.h"

#include "document/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace qv::gui {

namespace {

const QString kOrganisation = QStringLiteral("Quorvalle");
const QString kSection = QStringLiteral("Settings");

std::unique_ptr<QSettings> settingsOf(const QString& application)
{
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                kOrganisation, application);
    settings->beginGroup(kSection);
    return settings;
}

double twipsOf(const QSettings& settings, const QString& key, double fallback)
{
    bool ok = false;
    const double value = settings.value(key).toString().toDouble(&ok);
    return ok ? value : fallback;
}

} // namespace

std::unique_ptr<QSettings> designerSettings()
{
    return settingsOf(QStringLiteral("Quorvalle Developer 21"));
}

std::unique_ptr<QSettings> templateChooserSettings()
{
    return settingsOf(QStringLiteral("DD"));
}

void restoreWindowPosition(QWidget& window, QSettings& settings, const QString& leftKey,
                           const QString& topKey, double defaultTwips)
{
    QPoint position(qRound(twipsToPixels(static_cast<float>(twipsOf(settings, leftKey, defaultTwips)))),
                    qRound(twipsToPixels(static_cast<float>(twipsOf(settings, topKey, defaultTwips)))));
    const QScreen* screen = QGuiApplication::screenAt(position);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        // Keep the title bar reachable when the screen it was left on is gone.
        const QRect area = screen->availableGeometry();
        position.setX(std::clamp(position.x(), area.left(),
                                 std::max(area.left(), area.right() - 100)));
        position.setY(std::clamp(position.y(), area.top(),
                                 std::max(area.top(), area.bottom() - 50)));
    }
    window.move(position);
}

void storeWindowPosition(const QWidget& window, QSettings& settings, const QString& leftKey,
                         const QString& topKey)
{
    settings.setValue(leftKey, QString::number(static_cast<double>(
                                   pixelsToTwips(static_cast<float>(window.x())))));
    settings.setValue(topKey, QString::number(static_cast<double>(
                                  pixelsToTwips(static_cast<float>(window.y())))));
}

} // namespace qv::gui
