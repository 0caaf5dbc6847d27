#include "dialogs/templatechooser.h"

#include "app/uilanguage.h"
#include "app/windowplacement.h"
#include "canvas/designdocument.h"
#include "canvas/designscene.h"
#include "document/projectfile.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace qv::gui {

namespace {
const QString kLeftKey = QStringLiteral("XTempWindow");
const QString kTopKey = QStringLiteral("YTempWindow");
constexpr QSize kPreviewSize(320, 240);
constexpr double kDefaultPositionTwips = 1500;
} // namespace

QPixmap projectPreview(const std::filesystem::path& project, QSize size)
{
    ProjectReadResult read = readProjectFile(project);
    if (!read.ok())
        return {};
    DesignDocument design(read.document, nullptr);
    DesignScene scene(design, 0);
    const QSizeF surface = scene.surfaceSize();
    const QSize target = surface.toSize().scaled(size, Qt::KeepAspectRatio);
    QPixmap picture(target);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(target)), scene.sceneRect());
    return picture;
}

TemplateChooser::TemplateChooser(UiLanguage& language, std::filesystem::path examplesFolder,
                                 QWidget* parent)
    : QDialog(parent), language_(language), folder_(std::move(examplesFolder))
{
    setObjectName(QStringLiteral("TemplateChooser"));
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    layout->addWidget(heading_);
    auto* row = new QHBoxLayout;
    list_ = new QListWidget(this);
    list_->setMinimumWidth(180);
    heading_->setBuddy(list_);
    row->addWidget(list_);
    preview_ = new QLabel(this);
    preview_->setFixedSize(kPreviewSize);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::StyledPanel);
    row->addWidget(preview_);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    close_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    open_->setDefault(true);
    layout->addWidget(buttons);

    connect(list_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { showPreview(item); });
    connect(list_, &QListWidget::itemActivated, this, &TemplateChooser::openCurrent);
    connect(open_, &QPushButton::clicked, this, &TemplateChooser::openCurrent);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(&language_, &UiLanguage::changed, this, &TemplateChooser::applyLanguage);
    applyLanguage();
    refresh();
    restoreWindowPosition(*this, *templateChooserSettings(), kLeftKey, kTopKey,
                          kDefaultPositionTwips);
}

TemplateChooser::~TemplateChooser() = default;

void TemplateChooser::applyLanguage()
{
    setWindowTitle(language_.plainText(286, "Templates"));
    heading_->setText(language_.text(287, "Choose a template to start a new project from"));
    open_->setText(language_.text(6, "Open"));
    close_->setText(language_.text(12, "Close"));
    list_->setAccessibleName(language_.plainText(286, "Templates"));
    preview_->setAccessibleName(QStringLiteral("Preview"));
}

void TemplateChooser::refresh()
{
    list_->clear();
    const QDir folder(QString::fromStdString(folder_.string()));
    const QStringList files =
        folder.entryList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        auto* item = new QListWidgetItem(file, list_);
        item->setData(Qt::UserRole, folder.filePath(file));
    }
    if (list_->count() > 0)
        list_->setCurrentRow(0);
    else
        showPreview(nullptr);
    open_->setEnabled(list_->count() > 0);
}

void TemplateChooser::showPreview(QListWidgetItem* item)
{
    if (item == nullptr) {
        preview_->clear();
        return;
    }
    const QString path = item->data(Qt::UserRole).toString();
    const QPixmap picture = projectPreview(path.toStdString(), kPreviewSize);
    if (picture.isNull())
        preview_->setText(QStringLiteral("No picture: %1 is not a project").arg(item->text()));
    else
        preview_->setPixmap(picture);
}

void TemplateChooser::openCurrent()
{
    if (QListWidgetItem* item = list_->currentItem())
        emit templateChosen(item->data(Qt::UserRole).toString());
}

void TemplateChooser::hideEvent(QHideEvent* event)
{
    storeWindowPosition(*this, *templateChooserSettings(), kLeftKey, kTopKey);
    QDialog::hideEvent(event);
}

} // namespace qv::gui
