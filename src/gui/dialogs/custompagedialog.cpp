#include "dialogs/custompagedialog.h"

#include "designer/canvassettings.h"

#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace qv::gui {

namespace {

// Positions on the canvas are 16-bit pixels.
constexpr double kLargestPixels = 32767;

QString numberText(double value)
{
    return QString::fromStdString(singleText(static_cast<float>(value)));
}

} // namespace

CustomPageDialog::CustomPageDialog(double width, double height, double pixelsPerUnit,
                                   QWidget* parent)
    : QDialog(parent), pixelsPerUnit_(pixelsPerUnit)
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("Page Size..."));
    auto* form = new QFormLayout(this);
    width_ = new QLineEdit(numberText(width), this);
    width_->setObjectName(QStringLiteral("Fwidth"));
    height_ = new QLineEdit(numberText(height), this);
    height_->setObjectName(QStringLiteral("Fheight"));
    for (QLineEdit* box : {width_, height_}) {
        auto* validator = new QDoubleValidator(0, kLargestPixels, 4, box);
        validator->setLocale(QLocale::c());
        validator->setNotation(QDoubleValidator::StandardNotation);
        box->setValidator(validator);
    }
    width_->setAccessibleName(QStringLiteral("Width :"));
    height_->setAccessibleName(QStringLiteral(" Height :"));
    form->addRow(QStringLiteral("Width :"), width_);
    form->addRow(QStringLiteral(" Height :"), height_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CustomPageDialog::accept);
}

std::optional<std::pair<double, double>>
CustomPageDialog::ask(double width, double height, double pixelsPerUnit, QWidget* parent)
{
    CustomPageDialog dialog(width, height, pixelsPerUnit, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.size();
}

void CustomPageDialog::accept()
{
    const auto read = [this](QLineEdit* box, const QString& name, double& value) {
        bool ok = false;
        value = QLocale::c().toDouble(box->text().trimmed(), &ok);
        const double pixels = value * pixelsPerUnit_;
        if (ok && pixels >= 1 && pixels <= kLargestPixels)
            return true;
        QMessageBox::warning(this, windowTitle(),
                             tr("%1 \"%2\" is not a page size: give a number from %3 to %4.")
                                 .arg(name, box->text(), numberText(1 / pixelsPerUnit_),
                                      numberText(kLargestPixels / pixelsPerUnit_)));
        box->setFocus();
        box->selectAll();
        return false;
    };
    double width = 0;
    double height = 0;
    if (!read(width_, QStringLiteral("Width"), width) ||
        !read(height_, QStringLiteral("Height"), height))
        return;
    size_ = {width, height};
    QDialog::accept();
}

} // namespace qv::gui
