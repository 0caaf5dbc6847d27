// The record commands of the menus: new, copy, clear, delete, sort, copy all, statistics,
// calculator, a second view, documents from file plates and the optional programs.
#include "runtimewindow.h"

#include "calculatordialog.h"
#include "formpage.h"
#include "formrecordrow.h"
#include "platedocument.h"
#include "recordsession.h"
#include "statisticsdialog.h"

#include "builder/recordfiles.h"
#include "records/recordform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QUrl>

namespace qv::runtime {

void RuntimeWindow::newRecord()
{
    session_->newRecord();
    page_->focusFirst();
}

void RuntimeWindow::copyToNewRecord()
{
    session_->copyRecord();
    page_->focusFirst();
}

void RuntimeWindow::clearRecord()
{
    session_->clearRecord();
}

void RuntimeWindow::deleteRecord()
{
    if (session_->isNew()) {
        session_->deleteRecord();
        return;
    }
    if (!ask_(tr("Delete record %1? It cannot be brought back.").arg(session_->number())))
        return;
    session_->deleteRecord();
}

void RuntimeWindow::sort(bool descending)
{
    // By the object being typed into, else by the first object of the export order.
    int column = 0;
    if (const std::optional<InputRef> focused = page_->focusedInput()) {
        column = schema_.columnOf(*focused);
        if (column < 0) {
            warn(tr("This field is not stored, so the records cannot be sorted by it."));
            return;
        }
    }
    if (schema_.size() == 0)
        return;
    session_->sortBy(column, descending);
}

void RuntimeWindow::sortOldNew()
{
    session_->sortByNumber();
}

void RuntimeWindow::copyAll()
{
    QApplication::clipboard()->setText(QString::fromStdString(form_->asText(schema_)));
}

void RuntimeWindow::showStatistics()
{
    if (!session_->saveNow())
        return;
    if (!session_->store()) {
        warn(notice());
        return;
    }
    StatisticsDialog dialog(data_.statisticsCaption.empty()
                                ? tr("Statistics")
                                : QString::fromStdString(data_.statisticsCaption),
                            *session_->store(), schema_, locale_, this);
    dialog.exec();
}

void RuntimeWindow::showCalculator()
{
    QWidget* focus = QApplication::focusWidget();
    CalculatorDialog calculator(this);
    if (calculator.exec() != QDialog::Accepted || calculator.result().isEmpty())
        return;
    if (auto* line = qobject_cast<QLineEdit*>(focus); line && !line->isReadOnly()) {
        line->setFocus();
        line->insert(calculator.result());
        emit line->textEdited(line->text());
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus); memo && !memo->isReadOnly()) {
        memo->insertPlainText(calculator.result());
    }
}

void RuntimeWindow::newView()
{
    session_->saveNow();
    auto view = std::make_unique<RuntimeWindow>(data_, locale_, openRecords_);
    view->setAttribute(Qt::WA_DeleteOnClose, false);
    view->show();
    views_.push_back(std::move(view));
}

void RuntimeWindow::viewDocument(int plate)
{
    const QString& appFolder = appFolder_;
    const QString folder = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                               .filePath(QString::fromStdString(AppNameOf(data_, "Application")) +
                                         QStringLiteral(" documents"));
    QString error;
    const QString path = WritePlateDocument(data_, *form_, plate, folder, appFolder, error);
    if (path.isEmpty()) {
        warn(error);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        warn(tr("No program is set up to open %1; the document is kept there.").arg(path));
}

void RuntimeWindow::runProgram(int program)
{
    const OptionalProgram& p = data_.optionalPrograms[static_cast<size_t>(program)];
    QString error;
    if (!StartProgram(QString::fromStdString(p.commandLine), appFolder_, FormRecordRow(*form_),
                      error))
        warn(error);
}

} // namespace qv::runtime
