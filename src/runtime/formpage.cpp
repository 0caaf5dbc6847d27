#include "formpage.h"

#include "document/objectkind.h"
#include "document/units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace qv::runtime {

namespace {

constexpr int kCheckSide = 17;
constexpr int kComboHeight = 22;

QFont fontOf(const std::string& name, double size, bool bold, bool italic, bool underline = false)
{
    QFont font(QString::fromStdString(name.empty() ? std::string("Arial") : name));
    font.setPointSizeF(size > 1 ? size : 9);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

void colourEditor(QWidget* editor, int32_t fore, int32_t back)
{
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Text, colourOf(fore));
    palette.setColor(QPalette::Base, colourOf(back));
    editor->setPalette(palette);
}

Qt::Alignment alignmentOf(int alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight | Qt::AlignVCenter;
    case 2: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

QColor colourOf(int32_t stored)
{
    const auto v = static_cast<uint32_t>(stored);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

int pixels(float twips)
{
    return static_cast<int>(std::lround(twipsToPixels(twips)));
}

FormPage::FormPage(const AppData& data, QWidget* parent) : QWidget(parent), data_(data)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    setPalette(palette);
    const int width = std::max(pixels(data.surfaceWidth), 200);
    const int height = std::max(pixels(data.surfaceHeight), 150);
    setFixedSize(width, height);
    for (const BlockPicture& picture : data.pictures)
        pictures_.push_back(
            QImage::fromData(picture.bytes.data(), static_cast<int>(picture.bytes.size())));
    if (data.tileBackgroundVisible)
        tile_.load(QCoreApplication::applicationDirPath() + QStringLiteral("/0.jpg"));
    createEditors();
    showPageEditors();
}

bool FormPage::onPage(int objectPage) const
{
    return objectPage == page_ || objectPage == kAllPages;
}

void FormPage::setPage(int page)
{
    page_ = page;
    showPageEditors();
    update();
}

void FormPage::createEditors()
{
    auto track = [this](QWidget* editor, int page) {
        editorPages_.emplace_back(editor, page);
        if (page >= 0 && page < kPageCount)
            lastUsedPage_ = std::max(lastUsedPage_, page);
    };
    for (size_t i = 0; i < data_.fields.size(); ++i) {
        const BlockField& b = data_.fields[i];
        const Field& f = b.field;
        auto* edit = new QLineEdit(this);
        edit->setGeometry(pixels(f.left), pixels(f.top), pixels(f.width), pixels(f.height));
        edit->setFont(fontOf(f.fontName, f.fontSize, f.fontBold, f.fontItalic));
        colourEditor(edit, f.foreColor, b.frameInUse ? f.frameFillColor : f.backColor);
        edit->setFrame(!b.frameInUse);
        edit->setAlignment(alignmentOf(f.alignment));
        if (f.maxLength > 0)
            edit->setMaxLength(f.maxLength);
        edit->setToolTip(QString::fromStdString(f.toolTipText));
        if (i < data_.fieldTexts.size())
            edit->setText(QString::fromStdString(data_.fieldTexts[i]));
        connect(edit, &QLineEdit::textEdited, this, &FormPage::valueEdited);
        fields_.push_back(edit);
        track(edit, f.page);
    }
    for (const BlockNotes& b : data_.notes) {
        const Notes& n = b.notes;
        auto* edit = new QPlainTextEdit(this);
        edit->setGeometry(pixels(n.left), pixels(n.top), pixels(n.width), pixels(n.height));
        edit->setFont(fontOf(n.fontName, n.fontSize, n.fontBold, n.fontItalic));
        colourEditor(edit, n.foreColor, n.backColor);
        edit->setToolTip(QString::fromStdString(n.toolTipText));
        connect(edit, &QPlainTextEdit::textChanged, this, &FormPage::valueEdited);
        notes_.push_back(edit);
        track(edit, n.page);
    }
    for (const Combo& c : data_.combos) {
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        for (const std::string& item : c.listItems)
            combo->addItem(QString::fromStdString(item));
        combo->setEditText(QString());
        combo->setGeometry(pixels(c.left), pixels(c.top), pixels(c.width), kComboHeight);
        combo->setFont(fontOf(c.fontName, c.fontSize, c.fontBold, c.fontItalic));
        colourEditor(combo, c.foreColor, c.backColor);
        combo->setToolTip(QString::fromStdString(c.toolTipText));
        connect(combo, &QComboBox::currentTextChanged, this, &FormPage::valueEdited);
        combos_.push_back(combo);
        track(combo, c.page);
    }
    for (const Checkbox& c : data_.checkboxes) {
        QCheckBox* box = new QCheckBox(this);
        box->setGeometry(pixels(c.left), pixels(c.top), kCheckSide + 2, kCheckSide + 2);
        box->setToolTip(QString::fromStdString(c.toolTipText.empty() ? c.tag : c.toolTipText));
        box->setChecked(c.checkState != 0);
        connect(box, &QCheckBox::toggled, this, &FormPage::valueEdited);
        checkboxes_.push_back(box);
        track(box, c.page);
    }
    for (const Button& b : data_.buttons) {
        auto* button = new QPushButton(QString::fromStdString(b.caption), this);
        button->setGeometry(pixels(b.left), pixels(b.top), pixels(b.width), pixels(b.height));
        button->setFont(fontOf(b.fontName, static_cast<double>(b.fontSize), false, false));
        button->setToolTip(QString::fromStdString(b.toolTipText));
        button->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; border: 1px solid "
                           "#707070; border-radius: 3px; }")
                .arg(colourOf(b.backColor).name()));
        buttons_.push_back(button);
        track(button, b.page);
    }
    // Objects drawn on the surface count for the page buttons too.
    auto drawn = [&](int page) {
        if (page >= 0 && page < kPageCount)
            lastUsedPage_ = std::max(lastUsedPage_, page);
    };
    for (const Square& s : data_.squares)
        drawn(s.page);
    for (const Line& l : data_.lines)
        drawn(l.page);
    for (const Title& t : data_.titles)
        drawn(t.page);
    for (const BlockPicture& p : data_.pictures)
        drawn(p.picture.page);
}

void FormPage::showPageEditors()
{
    for (const auto& [editor, page] : editorPages_)
        editor->setVisible(onPage(page));
}

void FormPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!tile_.isNull())
        painter.drawTiledPixmap(rect(), tile_);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Square& s : data_.squares) {
        if (!onPage(s.page))
            continue;
        QRectF rect(pixels(s.left), pixels(s.top), pixels(s.width), pixels(s.height));
        if (s.shape == 1 || s.shape == 3 || s.shape == 5) { // square, circle, rounded square
            const double side = std::min(rect.width(), rect.height());
            rect = QRectF(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
        }
        QPen pen(colourOf(s.borderColor), std::max<int>(s.borderWidth, 1));
        pen.setStyle(s.borderStyle == 0   ? Qt::NoPen
                     : s.borderStyle == 2 ? Qt::DashLine
                                          : Qt::SolidLine);
        painter.setPen(pen);
        painter.setBrush(s.fillStyle == 0 ? QBrush(colourOf(s.fillColor)) : Qt::NoBrush);
        if (s.shape == 2 || s.shape == 3)
            painter.drawEllipse(rect);
        else if (s.shape == 4 || s.shape == 5)
            painter.drawRoundedRect(rect, 8, 8);
        else
            painter.drawRect(rect);
    }
    for (size_t i = 0; i < data_.pictures.size(); ++i) {
        const Picture& p = data_.pictures[i].picture;
        if (!onPage(p.page) || pictures_[i].isNull())
            continue;
        const QRect rect(pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height));
        if (p.stretch)
            painter.drawImage(rect, pictures_[i]);
        else
            painter.drawImage(rect.topLeft(), pictures_[i], QRect(QPoint(0, 0), rect.size()));
    }
    for (const Line& l : data_.lines) {
        if (!onPage(l.page))
            continue;
        painter.setPen(QPen(colourOf(l.borderColor), 1));
        painter.drawLine(QPointF(pixels(l.x1), pixels(l.y1)), QPointF(pixels(l.x2), pixels(l.y2)));
    }
    for (size_t i = 0; i < data_.fields.size(); ++i) {
        const BlockField& b = data_.fields[i];
        if (!b.frameInUse || !onPage(b.field.page))
            continue;
        painter.setPen(QPen(colourOf(b.field.frameBorderColor), 1));
        painter.setBrush(colourOf(b.field.frameFillColor));
        painter.drawRect(fields_[i]->geometry().adjusted(-2, -2, 1, 1));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Title& t : data_.titles) {
        if (!onPage(t.page))
            continue;
        painter.setFont(fontOf(t.fontName, t.fontSize, t.fontBold, t.fontItalic, t.fontUnderline));
        painter.setPen(colourOf(t.foreColor));
        const QString caption = QString::fromStdString(t.caption);
        const QFontMetrics metrics(painter.font());
        const QPoint at(pixels(t.left), pixels(t.top));
        painter.drawText(QRect(at, metrics.size(0, caption) + QSize(2, 0)), Qt::AlignLeft, caption);
    }
}

} // namespace qv::runtime
