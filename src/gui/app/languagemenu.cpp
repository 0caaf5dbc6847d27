#include "app/languagemenu.h"

#include "app/mainwindow.h"
#include "app/uilanguage.h"
#include "dialogs/languageeditor.h"
#include "dialogs/setlanguagedialog.h"
#include "document/languagedefaults.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace qv::gui {

LanguageMenu::LanguageMenu(MainWindow& window) : QObject(&window), window_(window) {}

LanguageMenu::~LanguageMenu() = default;

void LanguageMenu::addTo(QMenuBar& bar)
{
    menu_ = bar.addMenu(QString());
    group_ = new QActionGroup(this);
    group_->setExclusive(true);
    for (const QString& name : window_.session().languageNames) {
        QAction* action = menu_->addAction(name);
        action->setCheckable(true);
        action->setData(name);
        group_->addAction(action);
        connect(action, &QAction::triggered, this, [this, name] { choose(name); });
    }
    menu_->addSeparator();
    setLanguage_ = menu_->addAction(QString(), this, &LanguageMenu::showSetLanguage);
    commonLabels_ = menu_->addAction(QString(), this, &LanguageMenu::showCommonLabels);
    checkCurrent();
    retranslate();
}

void LanguageMenu::retranslate()
{
    const UiLanguage& l = window_.language();
    menu_->setTitle(l.text(43, "&Language"));
    setLanguage_->setText(l.text(55, "Set Language..."));
    commonLabels_->setText(l.text(54, "Common Labels..."));
}

void LanguageMenu::checkCurrent()
{
    for (QAction* action : group_->actions())
        action->setChecked(action->data().toString() == window_.session().languageName);
}

bool LanguageMenu::choose(const QString& name)
{
    DesignerSession& s = window_.session();
    const LanguageTable previous = s.language;
    QString error;
    if (!s.loadLanguage(name, error)) {
        QMessageBox::warning(&window_, window_.windowTitle(), error);
        checkCurrent();
        window_.reportMessages();
        return false;
    }
    checkCurrent();
    window_.changeSettings(QStringLiteral("Language"), [&](AppSettings& settings) {
        return applyLanguageToDocument(settings, s.language, name.toStdString(), &previous);
    });
    window_.language().apply();
    // The file's warnings (a missing font or character set line) and a choice that could
    // not be stored.
    window_.reportMessages();
    return true;
}

void LanguageMenu::showSetLanguage()
{
    const QString name = SetLanguageDialog::ask(window_.session().languageNames,
                                                window_.language().text(55, "Set Language..."),
                                                &window_);
    if (name.isEmpty())
        return;
    window_.session().storeLanguageChoice(name);
    choose(name);
}

void LanguageMenu::showCommonLabels()
{
    if (!editor_) {
        DesignerSession& s = window_.session();
        editor_ = new LanguageEditor(s.language, window_.language(), s.files.appFolder,
                                     s.document.settings, &window_);
        editor_->setAttribute(Qt::WA_DeleteOnClose);
    }
    editor_->show();
    editor_->raise();
    editor_->activateWindow();
}

} // namespace qv::gui
