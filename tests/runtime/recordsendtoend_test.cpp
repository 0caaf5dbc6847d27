// The built application end to end: the example is built with the real builder, its runtime
// code runs offscreen on what the builder wrote, driven with synthesized events; records are
// entered, edited, walked and sorted, found again after a restart, after a rebuild with a
// field more and a field fewer, and after the program was killed in a burst of saves.
//   test_records_end_to_end [--burst-writer APP.exe]
#include "baseribbon.h"
#include "builtapplication.h"
#include "fieldeditor.h"
#include "formpage.h"
#include "recordsession.h"

#include "designer/designer.h"
#include "designer/objectcreation.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <iostream>
#include <map>

namespace {

namespace fs = std::filesystem;
using qv::runtime::RuntimeWindow;

constexpr const char* kBurstWriter = "--burst-writer";

qv::ProjectDocument example()
{
    return qv::test::ordersExample();
}

fs::path build(const qv::ProjectDocument& document, const fs::path& parent)
{
    return qv::test::buildOrders(document, parent);
}

using Application = qv::test::BuiltApplication;
using qv::test::menuAction;

QPushButton* ribbonButton(RuntimeWindow& window, const QString& caption)
{
    for (QPushButton* button :
         window.findChild<qv::runtime::BaseRibbon*>()->findChildren<QPushButton*>())
        if (button->text() == caption)
            return button;
    qFatal("no ribbon button %s", qPrintable(caption));
}

using qv::test::fieldText;
using qv::test::typeInto;

// The child's part: enters records as fast as it can, saving each and telling the parent
// which record was committed, until it is killed.
int burstWriter(const char* exe)
{
    Application app{fs::path(exe)};
    std::unique_ptr<RuntimeWindow> window = app.start();
    QAction* newRecord = menuAction(*window, QStringLiteral("New Record"));
    for (int i = 1;; ++i) {
        newRecord->trigger();
        typeInto(window->formPage()->field(1), QStringLiteral("Burst %1").arg(i));
        if (!window->session().saveNow())
            return 1;
        std::cout << window->session().number() << ' ' << i << std::endl;
    }
}

} // namespace

class RecordsEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void enterEditWalkSortAndRestart()
    {
        QTemporaryDir parent;
        Application app(build(example(), parent.path().toStdString()));
        {
            std::unique_ptr<RuntimeWindow> window = app.start();
            qv::runtime::FormPage* page = window->formPage();
            // The first record is a new one with the design's defaults.
            QCOMPARE(page->field(2)->text(), QStringLiteral("3"));
            const char* customers[] = {"zeta works", "alpha ltd", "mid corp"};
            for (int i = 0; i < 3; ++i) {
                if (i > 0)
                    menuAction(*window, QStringLiteral("New Record"))->trigger();
                typeInto(page->field(1), QString::fromLatin1(customers[i]));
                typeInto(page->field(2), QString::number(i + 2));
            }
            QCOMPARE(fieldText(*window, 1), QStringLiteral("Mid Corp")); // "Caps"
            QCOMPARE(fieldText(*window, 4), QStringLiteral("50.00"));
            QTRY_VERIFY_WITH_TIMEOUT(!window->session().pending(), 3000);

            QTest::mouseClick(ribbonButton(*window, QStringLiteral("<<<")), Qt::LeftButton);
            QCOMPARE(fieldText(*window, 1), QStringLiteral("Zeta Works"));
            typeInto(page->field(2), QStringLiteral("9"));
            QTest::mouseClick(ribbonButton(*window, QStringLiteral(">")), Qt::LeftButton);
            QCOMPARE(fieldText(*window, 1), QStringLiteral("Alpha Ltd"));

            page->field(1)->setFocus();
            menuAction(*window, QStringLiteral("Sort A-Z"))->trigger();
            QTest::mouseClick(ribbonButton(*window, QStringLiteral("<<<")), Qt::LeftButton);
            QCOMPARE(fieldText(*window, 1), QStringLiteral("Alpha Ltd"));
            QTest::mouseClick(ribbonButton(*window, QStringLiteral(">>")), Qt::LeftButton);
            QCOMPARE(fieldText(*window, 1), QStringLiteral("Zeta Works"));
            QCOMPARE(fieldText(*window, 4), QStringLiteral("112.50"));
            window->close();
        }
        QVERIFY(fs::exists(app.records()));
        QCOMPARE(QString::fromStdString(app.records().filename().string()),
                 QStringLiteral("Orders.db"));

        std::unique_ptr<RuntimeWindow> window = app.start();
        QCOMPARE(window->session().count(), 3);
        QCOMPARE(fieldText(*window, 1), QStringLiteral("Mid Corp"));
        QTest::mouseClick(ribbonButton(*window, QStringLiteral("<<<")), Qt::LeftButton);
        QCOMPARE(fieldText(*window, 1), QStringLiteral("Zeta Works"));
        QCOMPARE(fieldText(*window, 2), QStringLiteral("9"));
    }

    // The record-ID label shows the record's number, the date label today and the date
    // stamp the day the record was made, in the forms chosen in the design.
    void specialLabelsShowTheRecord()
    {
        qv::ProjectDocument design = example();
        qv::Designer designer(design);
        placeRecordId(designer);
        placeDateLabel(designer, true, 4, "2020-01-01");  // stamp, yyyy-mm-dd
        placeDateLabel(designer, false, 2, "01-01-2020"); // date, dd-mm-yyyy
        QTemporaryDir parent;
        Application app(build(design, parent.path().toStdString()));
        const QString today = QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
        {
            std::unique_ptr<RuntimeWindow> window = app.start();
            qv::runtime::FormPage* page = window->formPage();
            QCOMPARE(page->labelText(qv::kRecordIdLabel), QStringLiteral("0000000001"));
            QCOMPARE(page->labelText(qv::kDateLabel), today);
            QCOMPARE(page->labelText(qv::kDateStampLabel),
                     QDate::currentDate().toString(Qt::ISODate));
            typeInto(page->field(1), QStringLiteral("first"));
            menuAction(*window, QStringLiteral("New Record"))->trigger();
            QCOMPARE(page->labelText(qv::kRecordIdLabel), QStringLiteral("0000000002"));
            typeInto(page->field(1), QStringLiteral("second"));
            window->close();
        }
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("stamp"));
            db.setDatabaseName(QString::fromStdString(app.records().string()));
            QVERIFY(db.open());
            QSqlQuery made(db);
            QVERIFY(made.exec(QStringLiteral(
                "UPDATE records SET Created = '2021-03-04T12:00:00.000Z' WHERE ID = 1")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("stamp"));
        std::unique_ptr<RuntimeWindow> window = app.start();
        qv::runtime::FormPage* page = window->formPage();
        QCOMPARE(page->labelText(qv::kRecordIdLabel), QStringLiteral("0000000002"));
        QTest::mouseClick(ribbonButton(*window, QStringLiteral("<<<")), Qt::LeftButton);
        QCOMPARE(fieldText(*window, 1), QStringLiteral("First"));
        QCOMPARE(page->labelText(qv::kRecordIdLabel), QStringLiteral("0000000001"));
        QCOMPARE(page->labelText(qv::kDateStampLabel), QStringLiteral("2021-03-04"));
        QCOMPARE(page->labelText(qv::kDateLabel), today);
    }

    void rebuildWithAFieldMoreAndAFieldFewer()
    {
        QTemporaryDir parent;
        const fs::path folder = parent.path().toStdString();
        qv::ProjectDocument design = example();
        {
            Application app(build(design, folder));
            std::unique_ptr<RuntimeWindow> window = app.start();
            for (int i = 1; i <= 3; ++i) {
                if (i > 1)
                    window->newRecord();
                typeInto(window->formPage()->field(1), QStringLiteral("customer %1").arg(i));
                window->setPage(1);
                typeInto(window->formPage()->field(6), QStringLiteral("Town %1").arg(i));
                window->setPage(0);
            }
        }
        // A field more.
        qv::ProjectDocument more = design;
        qv::Field& phone = more.fields[more.fields.append()];
        phone = more.fields[1];
        phone.tag = "Phone";
        phone.top += 600;
        {
            Application app(build(more, folder));
            std::unique_ptr<RuntimeWindow> window = app.start();
            QCOMPARE(window->session().count(), 3);
            QCOMPARE(fieldText(*window, 1), QStringLiteral("Customer 3"));
            QCOMPARE(fieldText(*window, 6), QStringLiteral("Town 3"));
            QCOMPARE(fieldText(*window, 7), QString());
            typeInto(window->formPage()->field(7), QStringLiteral("555 0100"));
        }
        // A field fewer: the town is no longer in the design.
        qv::ProjectDocument fewer = more;
        fewer.fields[6].page = qv::kDeletedPage;
        {
            Application app(build(fewer, folder));
            std::unique_ptr<RuntimeWindow> window = app.start();
            QCOMPARE(window->session().count(), 3);
            QCOMPARE(fieldText(*window, 7), QStringLiteral("555 0100"));
            window->session().move(qv::RecordMove::First);
            QCOMPARE(fieldText(*window, 1), QStringLiteral("Customer 1"));
        }
        // Back again: every town is still there.
        Application app(build(more, folder));
        std::unique_ptr<RuntimeWindow> window = app.start();
        for (int i = 3; i >= 1; --i) {
            QCOMPARE(fieldText(*window, 6), QStringLiteral("Town %1").arg(i));
            window->session().move(qv::RecordMove::Previous);
        }
    }

    void killedInABurstOfSavesLosesNothingCommitted()
    {
        QTemporaryDir parent;
        Application app(build(example(), parent.path().toStdString()));
        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start(QCoreApplication::applicationFilePath(),
                     {QString::fromLatin1(kBurstWriter),
                      QString::fromStdString(app.folder.string() + "/Orders.exe")});
        QVERIFY(writer.waitForStarted());
        std::map<qint64, int> committed;
        QByteArray pending;
        while (committed.size() < 40 && writer.state() == QProcess::Running) {
            writer.waitForReadyRead(5000);
            pending += writer.readAllStandardOutput();
            int end;
            while ((end = static_cast<int>(pending.indexOf('\n'))) >= 0) {
                const QList<QByteArray> words = pending.left(end).split(' ');
                pending.remove(0, end + 1);
                if (words.size() == 2)
                    committed[words[0].toLongLong()] = words[1].toInt();
            }
        }
        QCOMPARE(writer.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(5000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(QString::fromStdString(app.records().string()));
        QVERIFY(db.open());
        {
            QSqlQuery check(db);
            QVERIFY(check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next());
            QCOMPARE(check.value(0).toString(), QStringLiteral("ok"));
            std::map<qint64, QString> stored;
            QVERIFY(check.exec(QStringLiteral("SELECT ID, Customer FROM records")));
            while (check.next())
                stored[check.value(0).toLongLong()] = check.value(1).toString();
            for (const auto& [id, i] : committed)
                QCOMPARE(stored[id], QStringLiteral("Burst %1").arg(i));
            // Nothing half written: every record holds one whole entry.
            for (const auto& [id, customer] : stored)
                QVERIFY2(customer.startsWith(QStringLiteral("Burst ")), qPrintable(customer));
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("check"));

        // The application opens the file again and carries on.
        std::unique_ptr<RuntimeWindow> window = app.start();
        QVERIFY(window->session().count() >= static_cast<int64_t>(committed.size()));
        QVERIFY(window->notice().isEmpty());
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::string(argv[1]) == kBurstWriter)
        return burstWriter(argv[2]);
    RecordsEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "recordsendtoend_test.moc"
