#pragma once

#include "openrecords.h"
#include "runtimedialogs.h"

#include "builder/appdata.h"
#include "document/projectdocument.h"
#include "formula/formulalocale.h"
#include "records/action.h"
#include "records/recordschema.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QMenu;
class QPushButton;

namespace qv {
class RecordForm;
class RecordSet;
} // namespace qv

namespace qv::runtime {

class BaseRibbon;
class FormPage;
class RecordSession;
class SearchWindow;

// The built application's main window: the designed window's title and surface with its
// objects and their values, the page buttons, the menus with their designed captions, the
// base ribbon for moving through the records, the function-key texts and a status line.
class RuntimeWindow : public QMainWindow {
    Q_OBJECT
public:
    // `openRecords` gives the records this window works on; "New View" calls it again for
    // the second window.
    RuntimeWindow(const AppData& data, const FormulaLocale& locale, RecordsOpener openRecords,
                  QWidget* parent = nullptr);
    ~RuntimeWindow() override;

    void showAbout();
    void setPage(int page);

    FormPage* formPage() const { return page_; }
    RecordSession& session() const { return *session_; }
    RecordForm& form() const { return *form_; }
    const RecordSchema& schema() const { return schema_; }
    QString notice() const;

    // How the window asks and warns; tests answer in place of a person.
    void setAsk(std::function<bool(const QString&)> ask) { ask_ = std::move(ask); }
    void setWarn(std::function<void(const QString&)> warn) { warn_ = std::move(warn); }
    RuntimeDialogs& dialogs() { return dialogs_; }
    // The application's folder: "APath:/" paths and programs of button actions are read in
    // it. The folder of the running program unless told otherwise.
    void setAppFolder(const QString& folder) { appFolder_ = folder; }
    // What the reader of the application data had to repair; `tell` warns at once besides
    // showing it in the status line.
    void showDataWarnings(const std::vector<std::string>& warnings, bool tell);

    // Commands of the menus.
    void newRecord();
    void copyToNewRecord();
    void clearRecord();
    void deleteRecord();
    void sort(bool descending);
    void sortOldNew();
    void copyAll();
    void showStatistics();
    void showCalculator();
    void newView();
    void viewDocument(int plate);
    void runProgram(int program);
    void search();
    void replaceValues();
    void sortNewOld();
    void exportRecords();
    void importRecords();
    // Prints report slot `report` of the design; 0, the Print entry, prints the first
    // designed report, or the page on screen when the design has none.
    void print(int report);

    // The steps behind the commands, for the search window and for tests.
    // The search window, made when first asked for; nullptr while there are no records.
    SearchWindow* searchWindow();
    // Writes records into an exchange file; "" when written, else what went wrong.
    QString exportTo(const QString& path, const std::vector<int64_t>& ids);
    // Reads an exchange file into new records, all or none; true when they were stored.
    bool importFrom(const QString& path);
    // Prints what `choice` asks for; a PDF goes into `pdfPath`. "" when done, else what
    // went wrong.
    QString printTo(int report, PrintChoice choice, const QString& pdfPath = {});

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildFunctionKeys(QWidget* bar);
    void typeFunctionKey(int key);
    void pressButton(int index);
    bool carryOut(const Action& action);
    void askForRecord();
    void showListedRecords(const QString& title, const std::vector<InputRef>& columns,
                           const std::vector<int32_t>& ids);
    void openFoundRecord(int64_t id);
    // Records were added or changed behind the window: the walk, the record on screen and
    // the search window's list follow.
    void recordsChanged();
    void exportFound(const std::vector<int64_t>& ids);
    bool haveRecords();
    void showPosition();
    void recordShown();
    void warn(const QString& message);
    void showNotice(const QString& message);

    const AppData& data_;
    FormulaLocale locale_;
    RecordsOpener openRecords_;
    ProjectDocument design_;
    RecordSchema schema_;
    std::unique_ptr<RecordForm> form_;
    std::unique_ptr<RecordStore> store_;
    std::unique_ptr<RecordSession> session_;
    FormPage* page_ = nullptr;
    BaseRibbon* ribbon_ = nullptr;
    QLabel* notice_ = nullptr;
    bool readOnly_ = false;
    std::vector<QPushButton*> pageButtons_;
    std::vector<std::unique_ptr<RuntimeWindow>> views_;
    std::unique_ptr<SearchWindow> search_;
    std::vector<std::unique_ptr<SearchWindow>> lists_; // records a script's Select listed
    std::function<bool(const QString&)> ask_;
    std::function<void(const QString&)> warn_;
    RuntimeDialogs dialogs_;
    QString appFolder_;
};

} // namespace qv::runtime
