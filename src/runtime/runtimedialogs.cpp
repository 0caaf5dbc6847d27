#include "runtimedialogs.h"

#include "printchoicedialog.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <limits>

namespace qv::runtime {

RuntimeDialogs standardDialogs(QWidget* parent)
{
    RuntimeDialogs dialogs;
    dialogs.inform = [parent](const QString& title, const QString& text) {
        QMessageBox::information(parent, title, text);
    };
    dialogs.saveFile = [parent](const QString& caption, const QString& suggested,
                                const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    };
    dialogs.openFile = [parent](const QString& caption, const QString& folder,
                                const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    };
    dialogs.askNumber = [parent](const QString& prompt) -> std::optional<int64_t> {
        bool ok = false;
        const int number = QInputDialog::getInt(parent, QObject::tr("Record Number"), prompt, 1, 1,
                                                std::numeric_limits<int>::max(), 1, &ok);
        if (!ok)
            return std::nullopt;
        return number;
    };
    dialogs.choosePrint = [parent](const QString& report,
                                   std::size_t found) -> std::optional<PrintChoice> {
        PrintChoiceDialog dialog(report, found, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choice();
    };
    dialogs.run = [](QDialog& dialog) { return dialog.exec(); };
    return dialogs;
}

} // namespace qv::runtime
