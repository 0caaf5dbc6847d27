#pragma once

#include <QDialog>

#include <filesystem>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace qv::gui {

class UiLanguage;

// The template chooser: the example projects of the program folder's "Examples" with a
// picture of the selected one's first page. Opening one (double click, Enter or the Open
// button) asks the main window to load it; the chooser stays open. It keeps its position
// under "XTempWindow" / "YTempWindow".
class TemplateChooser : public QDialog {
    Q_OBJECT
public:
    TemplateChooser(UiLanguage& language, std::filesystem::path examplesFolder,
                    QWidget* parent = nullptr);
    ~TemplateChooser() override;

    // Lists the folder again.
    void refresh();
    QListWidget* list() const { return list_; }
    QLabel* preview() const { return preview_; }

signals:
    void templateChosen(const QString& path);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void applyLanguage();
    void showPreview(QListWidgetItem* item);
    void openCurrent();

    UiLanguage& language_;
    std::filesystem::path folder_;
    QLabel* heading_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* preview_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* close_ = nullptr;
};

// A picture of the first page of a project, at most `size` large; a null pixmap when the
// file cannot be read.
QPixmap projectPreview(const std::filesystem::path& project, QSize size);

} // namespace qv::gui
