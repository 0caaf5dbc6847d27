#include "app/insertcommands.h"

#include "canvas/designdocument.h"
#include "designer/objectcreation.h"

#include <QAction>
#include <QDate>
#include <QLocale>
#include <QMenu>

namespace qv::gui {

namespace {

// The date formats of the two date menus, in their order.
constexpr const char* kDateFormats[] = {"dddd dd-MMM-yyyy", "dd-MMMM-yyyy", "dd-MM-yyyy",
                                        "MM-dd-yyyy", "yyyy-MM-dd"};

} // namespace

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
        const QDate today = QDate::currentDate();
        int item = 0;
        for (const char* format : kDateFormats) {
            const QString caption = QLocale().toString(today, QString::fromLatin1(format));
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
