#include "dialogs/languageeditor.h"

#include "app/uilanguage.h"
#include "document/appsettings.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <numeric>

namespace qv::gui {

LanguageEditor::LanguageEditor(LanguageTable& table, UiLanguage& language,
                               std::filesystem::path appFolder, const AppSettings& settings,
                               QWidget* parent)
    : QDialog(parent), table_(table), language_(language), appFolder_(std::move(appFolder)),
      settings_(settings), order_(LanguageTable::kEntryCount)
{
    setObjectName(QStringLiteral("Form20"));
    std::iota(order_.begin(), order_.end(), 1);
    // The shipped English texts are the reference column; without them it stays empty.
    const LanguageLoad english = LanguageTable::read(languageFile(appFolder_, "English"));
    if (english.table)
        english_ = *english.table;

    auto* grid = new QGridLayout(this);
    referenceHeading_ = new QPushButton(this);
    textHeading_ = new QPushButton(this);
    referenceHeading_->setFlat(true);
    textHeading_->setFlat(true);
    grid->addWidget(referenceHeading_, 0, 1);
    grid->addWidget(textHeading_, 0, 2);
    QFont font(QString::fromStdString(settings_.defaultFontName));
    for (int row = 0; row < kRows; ++row) {
        auto* number = new QLabel(this);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* reference = new QLineEdit(this);
        reference->setReadOnly(true);
        reference->setFocusPolicy(Qt::ClickFocus);
        auto* text = new QLineEdit(this);
        text->setFont(font);
        text->setMinimumWidth(280);
        reference->setMinimumWidth(280);
        number->setBuddy(text);
        grid->addWidget(number, row + 1, 0);
        grid->addWidget(reference, row + 1, 1);
        grid->addWidget(text, row + 1, 2);
        numbers_[static_cast<size_t>(row)] = number;
        references_[static_cast<size_t>(row)] = reference;
        texts_[static_cast<size_t>(row)] = text;
        connect(text, &QLineEdit::textEdited, this, [this, row](const QString& value) {
            if (!filling_)
                table_.setText(entryInRow(row), value.toStdString());
        });
    }
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setRange(0, LanguageTable::kEntryCount - kRows);
    scroll_->setPageStep(kRows);
    scroll_->setFocusPolicy(Qt::StrongFocus);
    grid->addWidget(scroll_, 1, 3, kRows, 1);
    save_ = new QPushButton(this);
    save_->setDefault(true);
    grid->addWidget(save_, kRows + 1, 2, Qt::AlignRight);

    connect(scroll_, &QScrollBar::valueChanged, this, &LanguageEditor::showRows);
    connect(referenceHeading_, &QPushButton::clicked, this, [this] { sortBy(0); });
    connect(textHeading_, &QPushButton::clicked, this, [this] { sortBy(1); });
    connect(save_, &QPushButton::clicked, this, &LanguageEditor::save);
    connect(&language_, &UiLanguage::changed, this, &LanguageEditor::applyLanguage);
    applyLanguage();
    showRows();
}

LanguageEditor::~LanguageEditor() = default;

void LanguageEditor::applyLanguage()
{
    setWindowTitle(language_.plainText(text::LanguageEditorCaption, "Language Texts") +
                   QStringLiteral("..."));
    referenceHeading_->setText(language_.text(189, "English"));
    textHeading_->setText(language_.text(190, "Translation"));
    save_->setText(language_.text(191, "Save Language"));
    scroll_->setAccessibleName(language_.plainText(text::LanguageEditorCaption, "Language Texts"));
    showRows();
}

int LanguageEditor::entryInRow(int row) const
{
    return order_[static_cast<size_t>(scroll_->value() + row)];
}

void LanguageEditor::showRows()
{
    filling_ = true;
    for (int row = 0; row < kRows; ++row) {
        const int entry = entryInRow(row);
        const QString number = QString::number(entry);
        numbers_[static_cast<size_t>(row)]->setText(number);
        references_[static_cast<size_t>(row)]->setText(QString::fromStdString(english_.text(entry)));
        references_[static_cast<size_t>(row)]->setAccessibleName(
            QStringLiteral("%1 %2").arg(referenceHeading_->text(), number));
        QLineEdit* text = texts_[static_cast<size_t>(row)];
        // Keep the cursor where the user types when the row shows the same entry again.
        if (text->text() != QString::fromStdString(table_.text(entry)))
            text->setText(QString::fromStdString(table_.text(entry)));
        text->setAccessibleName(QStringLiteral("%1 %2").arg(textHeading_->text(), number));
        // The reference box is skipped by Tab; a screen reader reads it with the entry.
        text->setAccessibleDescription(QString::fromStdString(english_.text(entry)));
    }
    filling_ = false;
}

void LanguageEditor::sortBy(int column)
{
    std::iota(order_.begin(), order_.end(), 1);
    if (sortedBy_ == column) {
        sortedBy_ = -1;
    } else {
        sortedBy_ = column;
        const LanguageTable& source = column == 0 ? english_ : table_;
        std::stable_sort(order_.begin(), order_.end(), [&source](int a, int b) {
            return QString::fromStdString(source.text(a))
                       .compare(QString::fromStdString(source.text(b)), Qt::CaseInsensitive) < 0;
        });
    }
    scroll_->setValue(0);
    showRows();
}

bool LanguageEditor::save()
{
    table_.charset = settings_.defaultCharset;
    table_.font = settings_.defaultFontName;
    const std::filesystem::path path =
        languageFile(appFolder_, language_.name().toStdString());
    std::string error;
    if (!table_.write(path, error)) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error));
        return false;
    }
    language_.apply();
    close();
    return true;
}

void LanguageEditor::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    scroll_->setValue(scroll_->value() - steps * 3);
    event->accept();
}

} // namespace qv::gui
