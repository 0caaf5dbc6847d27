#pragma once

#include "builder/appdata.h"
#include "formula/formulalocale.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QPushButton;

namespace qv::runtime {

class FormPage;
class RuntimeForm;

// The built application's main window: the designed window's title and surface with its
// objects, the page buttons, the menus with their designed captions, the function-key
// texts and a line saying that records are not stored yet.
class RuntimeWindow : public QMainWindow {
    Q_OBJECT
public:
    RuntimeWindow(const AppData& data, const FormulaLocale& locale, QWidget* parent = nullptr);
    ~RuntimeWindow() override;

    void showAbout();
    void setPage(int page);

private:
    void buildMenus();
    void buildFunctionKeys(QWidget* bar);
    void notYet();
    void typeFunctionKey(int key);

    const AppData& data_;
    FormulaLocale locale_;
    FormPage* page_ = nullptr;
    std::unique_ptr<RuntimeForm> form_;
    std::vector<QPushButton*> pageButtons_;
};

inline constexpr const char* kNotStoredYet =
    "Records are not stored yet: this version of the runtime shows the designed window only.";

} // namespace qv::runtime
