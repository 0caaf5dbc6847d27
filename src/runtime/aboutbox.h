#pragma once

#include "builder/appdata.h"

#include <QDialog>

namespace qv::runtime {

// The built application's About box: its icon, title, About text, the version texts the
// builder wrote into this program, the web or e-mail address and the build date.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(const AppData& data, QWidget* parent = nullptr);
};

// The About text (markup control codes, carriage returns for line breaks) as rich text.
QString markupToHtml(const QString& encoded);

} // namespace qv::runtime
