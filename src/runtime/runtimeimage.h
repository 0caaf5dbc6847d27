#pragma once

#include <QImage>
#include <QString>

namespace qv::runtime {

// What the application builder patches into this program's own file: the icon image and
// the version texts. They are read from memory at run time, so a built application shows
// what the builder wrote.
struct VersionTexts {
    QString companyName;
    QString fileDescription;
    QString legalCopyright;
    QString legalTrademarks;
    QString productName;
    QString originalFilename;
};

VersionTexts versionTexts();

// The 32 x 32 icon: the 4-bit colour bitmap (bottom-up rows, the standard 16-colour
// palette) and the 1-bit mask that follows it.
QImage applicationIcon();

// True while the icon area still holds the unpatched marker.
bool iconIsMarker();

} // namespace qv::runtime
