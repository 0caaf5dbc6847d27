#pragma once

#include <QDialog>
#include <QStringList>

namespace qv::gui {

// "Set Language...": one button per language file, captioned with its name. Clicking one
// chooses it and closes the dialog. An empty list says that there are no language files.
class SetLanguageDialog : public QDialog {
    Q_OBJECT
public:
    SetLanguageDialog(const QStringList& names, const QString& caption,
                      QWidget* parent = nullptr);

    QString chosen() const { return chosen_; }

    // Shows the dialog modally; the chosen name, or an empty text when it was closed.
    static QString ask(const QStringList& names, const QString& caption,
                       QWidget* parent = nullptr);

private:
    QString chosen_;
};

} // namespace qv::gui
