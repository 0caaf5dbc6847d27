#pragma once

#include "openrecords.h"

#include "builder/appdata.h"
#include "document/projectdocument.h"
#include "formula/formulalocale.h"
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
}

namespace qv::runtime {

class BaseRibbon;
class FormPage;
class RecordSession;

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

public slots:
    // Parts of the menus that come with the search window, the exchange files and the
    // reports; they do nothing yet.
    void searchPlaceholder() {}
    void exportPlaceholder() {}
    void importPlaceholder() {}
    void printPlaceholder() {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildFunctionKeys(QWidget* bar);
    void typeFunctionKey(int key);
    void pressButton(int index);
    void showPosition();
    void recordShown();
    void warn(const QString& message);

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
    std::function<bool(const QString&)> ask_;
    std::function<void(const QString&)> warn_;
};

} // namespace qv::runtime
