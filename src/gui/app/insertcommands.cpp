#include "app/insertcommands.h"

#include "canvas/designdocument.h"
#include "designer/datestamps.h"
#include "designer/objectcreation.h"

#include <QAction>
#include <QDate>
#include <QLocale>
#include <QMenu>

namespace qv::gui {

InsertCommands::InsertCommands(DesignDocument& document, QWidget* window)
    : QObject(window), document_(document)
{
    dateStamp_ = dateMenu(true, QStringLiteral("Date Stamp"), window);
    date_ = dateMenu(false, QStringLiteral("Date"), window);
    recordId_ = new QAction(QStringLiteral("Record-ID"), window);
    connect(recordId_, &QAction::triggered, this, &InsertCommands::placeRecordId);
    documentBox_ = new QAction(QStringLiteral("Document Box"), window);
    connect(documentBox_, &QAction::triggered, this, &InsertCommands::placeDocumentBox);
}

QMenu* InsertCommands::dateMenu(bool stamp, const QString& title, QWidget* window)
{
    auto* menu = new QMenu(title, window);
    // The captions are today's date, made when the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu, stamp] {
        menu->clear();
        // Written as a built application writes its date labels.
        const QDate today = QDate::currentDate();
        const DateStampTexts texts = dateStampTexts({today.year(), today.month(), today.day()},
                                                    QLocale::system().name().toStdString());
        int item = 0;
        for (const std::string& text : texts) {
            const QString caption = QString::fromStdString(text);
            QAction* action = menu->addAction(caption);
            connect(action, &QAction::triggered, this,
                    [this, stamp, item, caption] { placeDate(stamp, item, caption); });
            ++item;
        }
    });
    return menu;
}

void InsertCommands::addTo(QMenu* menu) const
{
    menu->addMenu(dateStamp_);
    menu->addMenu(date_);
    menu->addAction(recordId_);
    menu->addAction(documentBox_);
}

void InsertCommands::placeDate(bool stamp, int item, const QString& caption)
{
    document_.beginGesture(stamp ? QStringLiteral("Date Stamp") : QStringLiteral("Date"));
    const std::string text = caption.toStdString();
    const Outcome outcome =
        document_.run([&](Designer& d) { return qv::placeDateLabel(d, stamp, item, text); });
    if (!outcome.done)
        document_.endGesture();
}

void InsertCommands::placeRecordId()
{
    document_.beginGesture(QStringLiteral("Record-ID"));
    if (!document_.run([](Designer& d) { return qv::placeRecordId(d); }).done)
        document_.endGesture();
}

void InsertCommands::placeDocumentBox()
{
    document_.beginGesture(QStringLiteral("Document Box"));
    if (!document_.run([](Designer& d) { return qv::placeDocumentBox(d); }).done)
        document_.endGesture();
}

} // namespace qv::gui
