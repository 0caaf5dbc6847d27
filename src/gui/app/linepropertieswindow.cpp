#include "app/linepropertieswindow.h"

#include "canvas/designdocument.h"
#include "controls/olecolor.h"
#include "designer/canvassettings.h"
#include "designer/colourpalette.h"
#include "designer/lineproperties.h"
#include "document/projectdocument.h"
#include "document/units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

constexpr std::array<const char*, 4> kCoordinateNames{"X1", "Y1", "X2", "Y2"};

} // namespace

LinePropertiesWindow::LinePropertiesWindow(DesignDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Tool), document_(document)
{
    setWindowTitle(QStringLiteral("Line Properties"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    list_ = new QComboBox(this);
    list_->setAccessibleName(QStringLiteral("Line"));
    form->addRow(QStringLiteral("Line :"), list_);
    for (size_t i = 0; i < boxes_.size(); ++i) {
        auto* box = new QLineEdit(this);
        // Whole pixels, as the numeric boxes of the designer take them.
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), box));
        box->setAccessibleName(QString::fromLatin1(kCoordinateNames[i]));
        const int coordinate = static_cast<int>(i);
        connect(box, &QLineEdit::textEdited, this,
                [this, coordinate] { coordinateEdited(coordinate); });
        connect(box, &QLineEdit::editingFinished, this, [this] {
            if (editing_)
                document_.endGesture();
            editing_ = false;
        });
        form->addRow(QString::fromLatin1(kCoordinateNames[i]) + QStringLiteral(" :"), box);
        boxes_[i] = box;
    }
    layout->addLayout(form);

    auto* palette = new QGridLayout;
    palette->setSpacing(1);
    for (int i = 0; i < kCells; ++i) {
        auto* cell = new QToolButton(this);
        cell->setFixedSize(18, 18);
        cell->setAutoRaise(false);
        connect(cell, &QToolButton::clicked, this, [this, i] {
            const int32_t colour = designerPalette()[static_cast<size_t>(scroll_->value() + i)];
            const int line = line_;
            document_.command([&](Designer& d) { setLineColour(d, line, colour); });
        });
        palette->addWidget(cell, i / 10, i % 10);
        cells_[static_cast<size_t>(i)] = cell;
    }
    layout->addLayout(palette);
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setRange(0, kPaletteSize - kCells);
    scroll_->setAccessibleName(QStringLiteral("Colours"));
    connect(scroll_, &QScrollBar::valueChanged, this, &LinePropertiesWindow::showPalette);
    layout->addWidget(scroll_);

    print_ = new QCheckBox(QStringLiteral("Print"), this);
    connect(print_, &QCheckBox::clicked, this, [this](bool checked) {
        const int line = line_;
        document_.command([&](Designer& d) { setLinePrint(d, line, checked); });
    });
    layout->addWidget(print_);

    connect(list_, &QComboBox::activated, this, [this](int row) {
        if (const auto index = lineIndexOfEntry(list_->itemText(row).toStdString()))
            chooseLine(*index);
    });
    connect(&document_, &DesignDocument::changed, this, &LinePropertiesWindow::apply);
    fillList();
    showPalette();
    if (const auto one = document_.selection().single(); one && one->kind == ObjectKind::Line)
        chooseLine(one->index);
    else if (list_->count() > 0)
        chooseLine(lineIndexOfEntry(list_->itemText(0).toStdString()).value_or(-1));
    else
        showLine();
}

void LinePropertiesWindow::chooseLine(int index)
{
    line_ = document_.document().lines.contains(index) ? index : -1;
    showLine();
}

void LinePropertiesWindow::fillList()
{
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const std::string& entry : lineEntries(document_.document()))
        list_->addItem(QString::fromStdString(entry));
}

void LinePropertiesWindow::showLine()
{
    const ProjectDocument& doc = document_.document();
    const bool valid = line_ >= 0 && doc.lines.contains(line_) && !isDeleted(doc.lines[line_]);
    for (QLineEdit* box : boxes_)
        box->setEnabled(valid);
    print_->setEnabled(valid);
    for (QToolButton* cell : cells_)
        cell->setEnabled(valid);
    if (!valid)
        return;
    const Line& l = doc.lines[line_];
    {
        const QSignalBlocker blocker(list_);
        list_->setCurrentIndex(list_->findText(QStringLiteral("Line ") + QString::number(line_)));
    }
    const float values[] = {l.x1, l.y1, l.x2, l.y2};
    for (size_t i = 0; i < boxes_.size(); ++i) {
        if (boxes_[i]->hasFocus() && editing_)
            continue; // the box being typed into keeps what is typed
        boxes_[i]->setText(QString::fromStdString(singleText(twipsToPixels(values[i]))));
    }
    print_->setChecked(l.lineState != 0);
}

void LinePropertiesWindow::showPalette()
{
    for (int i = 0; i < kCells; ++i) {
        const int32_t colour = designerPalette()[static_cast<size_t>(scroll_->value() + i)];
        const QColor c = colorFromOle(static_cast<uint32_t>(colour));
        QToolButton* cell = cells_[static_cast<size_t>(i)];
        cell->setStyleSheet(QStringLiteral("QToolButton { background-color: %1; border: 1px solid "
                                           "#404040; }")
                                .arg(c.name()));
        cell->setToolTip(c.name());
        cell->setAccessibleName(QStringLiteral("Colour ") + c.name());
    }
}

void LinePropertiesWindow::coordinateEdited(int coordinate)
{
    bool ok = false;
    const int value = boxes_[static_cast<size_t>(coordinate)]->text().toInt(&ok);
    if (!ok || line_ < 0)
        return;
    if (!editing_) {
        document_.endPlacement();
        document_.beginGesture(QStringLiteral("Line End"));
        editing_ = true;
    }
    const int line = line_;
    document_.run(
        [&](Designer& d) { setLineCoordinate(d, line, coordinate, static_cast<float>(value)); });
}

void LinePropertiesWindow::apply(const DocumentChange& change)
{
    bool linesChanged = change.has(DocumentChange::Reload);
    if (change.has(DocumentChange::Objects)) {
        for (ObjectKind kind : change.tables)
            linesChanged = linesChanged || kind == ObjectKind::Line;
        for (const ObjectRef& ref : change.objects)
            linesChanged = linesChanged || ref.kind == ObjectKind::Line;
    }
    if (linesChanged)
        fillList();
    if (change.has(DocumentChange::Selection)) {
        if (const auto one = document_.selection().single(); one && one->kind == ObjectKind::Line) {
            line_ = one->index;
            linesChanged = true;
        }
    }
    if (change.has(DocumentChange::Reload))
        line_ = -1;
    if (linesChanged)
        showLine();
}

} // namespace qv::gui
