#pragma once

#include <QObject>
#include <QString>

namespace qv {
class LanguageTable;
}

namespace qv::gui {

// Entry n of `table` as it stands, or `fallback` when there is no table or no such text.
QString languageText(const LanguageTable* table, int n, const char* fallback);
// The same without the "&" that marks a menu mnemonic: for labels and window captions.
QString plainLanguageText(const LanguageTable* table, int n, const char* fallback);

// The language texts of the windows, and the one signal that makes every open window take
// them again. The table itself belongs to the designer session; this object only reads it
// and tells the windows when it changed.
class UiLanguage : public QObject {
    Q_OBJECT
public:
    UiLanguage(const LanguageTable& table, const QString& name, QObject* parent = nullptr);

    // Entry n as it stands (with its "&" mnemonic), or `fallback` when the table has none.
    QString text(int n, const char* fallback) const;
    // Entry n without the "&" that marks a menu mnemonic: for window captions.
    QString plainText(int n, const char* fallback) const;
    const LanguageTable& table() const { return table_; }
    const QString& name() const { return name_; }

    // Every window that shows language texts takes them again (ApplyLanguage).
    void apply() { emit changed(); }

signals:
    void changed();

private:
    const LanguageTable& table_;
    const QString& name_;
};

} // namespace qv::gui
