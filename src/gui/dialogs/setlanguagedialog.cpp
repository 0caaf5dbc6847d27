#include "dialogs/setlanguagedialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

SetLanguageDialog::SetLanguageDialog(const QStringList& names, const QString& caption,
                                     QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SetLanguage"));
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    if (names.isEmpty()) {
        layout->addWidget(new QLabel(QStringLiteral("No language files were found."), this));
        auto* close = new QPushButton(QStringLiteral("Close"), this);
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
        layout->addWidget(close);
    }
    for (const QString& name : names) {
        auto* button = new QPushButton(name, this);
        button->setMinimumWidth(200);
        connect(button, &QPushButton::clicked, this, [this, name] {
            chosen_ = name;
            accept();
        });
        layout->addWidget(button);
    }
}

QString SetLanguageDialog::ask(const QStringList& names, const QString& caption, QWidget* parent)
{
    SetLanguageDialog dialog(names, caption, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : QString();
}

} // namespace qv::gui
