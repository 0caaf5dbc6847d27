#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace qv::gui {

class LanguageEditor;
class MainWindow;

// The Language menu: one entry per language file (the one in force checked), "Set
// Language..." and "Common Labels...", which opens the language text editor.
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    explicit LanguageMenu(MainWindow& window);
    ~LanguageMenu() override;

    void addTo(QMenuBar& bar);
    void retranslate();

    // Makes `name` the language until the program ends: loads its file, applies it to
    // every window and to the open document's default texts, and sets the project's
    // language code. A file that cannot be used is named in a message and nothing changes.
    bool choose(const QString& name);
    // The Set Language dialog; the choice is stored in the initialisation file and applied.
    void showSetLanguage();
    void showCommonLabels();

    QMenu* menu() const { return menu_; }
    LanguageEditor* editor() const { return editor_; }

private:
    void checkCurrent();

    MainWindow& window_;
    QMenu* menu_ = nullptr;
    QActionGroup* group_ = nullptr;
    QAction* setLanguage_ = nullptr;
    QAction* commonLabels_ = nullptr;
    QPointer<LanguageEditor> editor_;
};

} // namespace qv::gui
