#include "runtimeform.h"

#include "formpage.h"
#include "formula/formulaengine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace qv::runtime {

namespace {

template <class T> T* at(const std::vector<T*>& items, int index)
{
    if (index < 0 || index >= static_cast<int>(items.size()))
        return nullptr;
    return items[static_cast<size_t>(index)];
}

} // namespace

RuntimeForm::RuntimeForm(const AppData& data, FormPage& page) : data_(data), page_(page) {}

void RuntimeForm::recalculate(const FormulaLocale& locale)
{
    if (running_)
        return;
    running_ = true;
    RecalculateForm(*this, locale);
    running_ = false;
}

int RuntimeForm::fieldCount() const
{
    return static_cast<int>(page_.fields().size());
}

std::string RuntimeForm::fieldText(int field) const
{
    const QLineEdit* edit = at(page_.fields(), field - 1);
    return edit ? edit->text().toStdString() : std::string();
}

void RuntimeForm::setFieldText(int field, const std::string& text)
{
    if (QLineEdit* edit = at(page_.fields(), field - 1)) {
        const QSignalBlocker blocker(edit);
        edit->setText(QString::fromStdString(text));
    }
}

int RuntimeForm::fieldFormat(int field) const
{
    if (field < 1 || field > static_cast<int>(data_.fields.size()))
        return 0;
    return data_.fields[static_cast<size_t>(field - 1)].field.fieldFormat;
}

int RuntimeForm::dateOffsetDays(int field) const
{
    if (field < 1 || field > static_cast<int>(data_.fieldDateOffsets.size()))
        return 0;
    return data_.fieldDateOffsets[static_cast<size_t>(field - 1)];
}

std::string RuntimeForm::fieldFormula(int field) const
{
    if (field < 1 || field > static_cast<int>(data_.fieldFormulas.size()))
        return {};
    return data_.fieldFormulas[static_cast<size_t>(field - 1)];
}

int RuntimeForm::notesCount() const
{
    return static_cast<int>(page_.notes().size());
}

void RuntimeForm::setNotesText(int notes, const std::string& text)
{
    if (QPlainTextEdit* edit = at(page_.notes(), notes - 1)) {
        const QSignalBlocker blocker(edit);
        edit->setPlainText(QString::fromStdString(text));
    }
}

int RuntimeForm::comboCount() const
{
    return static_cast<int>(page_.combos().size());
}

std::string RuntimeForm::comboText(int combo) const
{
    const QComboBox* box = at(page_.combos(), combo - 1);
    return box ? box->currentText().toStdString() : std::string();
}

void RuntimeForm::setComboText(int combo, const std::string& text)
{
    if (QComboBox* box = at(page_.combos(), combo - 1)) {
        const QSignalBlocker blocker(box);
        box->setEditText(QString::fromStdString(text));
    }
}

int RuntimeForm::checkboxCount() const
{
    return static_cast<int>(page_.checkboxes().size());
}

int RuntimeForm::checkValue(int checkbox) const
{
    const QCheckBox* box = at(page_.checkboxes(), checkbox);
    return box && box->isChecked() ? 1 : 0;
}

void RuntimeForm::setCheckValue(int checkbox, int value)
{
    if (QCheckBox* box = at(page_.checkboxes(), checkbox)) {
        const QSignalBlocker blocker(box);
        box->setChecked(value != 0);
    }
}

} // namespace qv::runtime
