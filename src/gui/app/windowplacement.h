#pragma once

#include <QString>

#include <memory>

class QSettings;
class QWidget;

namespace qv::gui {

// The per-user settings of the designer: application name "Quorvalle Developer 21",
// section "Settings". Window positions are stored there as text, in twips, under the
// window's name followed by "Left" and "Top".
std::unique_ptr<QSettings> designerSettings();
// The template chooser keeps its position under the application name "DD" instead.
std::unique_ptr<QSettings> templateChooserSettings();

// Moves `window` to the position stored under `leftKey` / `topKey`, or to `defaultTwips`
// when a key is missing; a position off every screen is pulled back onto the nearest one.
void restoreWindowPosition(QWidget& window, QSettings& settings, const QString& leftKey,
                           const QString& topKey, double defaultTwips);
void storeWindowPosition(const QWidget& window, QSettings& settings, const QString& leftKey,
                         const QString& topKey);

} // namespace qv::gui
