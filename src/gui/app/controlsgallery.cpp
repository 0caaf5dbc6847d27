#include "app/controlsgallery.h"

#include "controls/buttonlook.h"
#include "controls/checklook.h"
#include "controls/comboborder.h"
#include "controls/combolook.h"
#include "controls/depthscroll.h"
#include "controls/listplus.h"
#include "controls/myframe.h"
#include "controls/myhelp.h"
#include "controls/newcheck.h"
#include "controls/realhscroll.h"
#include "controls/realvscroll.h"
#include "controls/scrollbarlook.h"
#include "controls/scrollgeometry.h"
#include "controls/superbutton.h"

#include <cmath>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace qv::gui {

PaintedControl::PaintedControl(QSize size, Painter paint, QWidget* parent)
    : QWidget(parent), m_paint(std::move(paint))
{
    setFixedSize(size);
}

void PaintedControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_paint(painter, rect());
}

namespace {

QPixmap starPicture(QColor color)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(color.darker(160), 1.0));
    painter.setBrush(color);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? 7.5 : 3.2;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(8 + radius * std::cos(angle), 8.3 + radius * std::sin(angle));
    }
    painter.drawPolygon(star);
    return picture;
}

// A section of the gallery: a MyFrame with its controls in a grid below a caption.
MyFrame* section(const QString& caption, QGridLayout** grid)
{
    auto* frame = new MyFrame;
    frame->setCaption(caption);
    frame->setFontBold(true);
    *grid = new QGridLayout(frame);
    const QRect inside = frame->contentsArea();
    (*grid)->setContentsMargins(10, inside.top() + 4, 10, 10);
    (*grid)->setHorizontalSpacing(12);
    (*grid)->setVerticalSpacing(6);
    return frame;
}

// Keeps a section's controls together at its top left.
QWidget* finish(MyFrame* frame, QGridLayout* grid)
{
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(grid->columnCount(), 1);
    return frame;
}

QLabel* note(const QString& text)
{
    auto* label = new QLabel(text);
    QFont small = label->font();
    small.setPointSizeF(8);
    label->setFont(small);
    label->setStyleSheet(QStringLiteral("color: #555"));
    return label;
}

QWidget* buttonsSection()
{
    QGridLayout* grid = nullptr;
    MyFrame* frame = section(QStringLiteral("SuperButton"), &grid);
    const QSize size(104, 27);
    const auto painted = [size](ButtonLook look) {
        return new PaintedControl(size,
                                  [look](QPainter& p, QRect r) { paintSuperButton(p, look, r); });
    };
    ButtonLook look;
    look.font = defaultButtonFont();
    look.caption = QStringLiteral("Save Record");

    auto* normal = new SuperButton;
    normal->setCaption(look.caption);
    normal->setFixedSize(size);
    grid->addWidget(normal, 0, 0);
    grid->addWidget(note(QStringLiteral("normal")), 1, 0, Qt::AlignHCenter);

    ButtonLook hot = look;
    hot.hot = true;
    grid->addWidget(painted(hot), 0, 1);
    grid->addWidget(note(QStringLiteral("hot")), 1, 1, Qt::AlignHCenter);

    ButtonLook pressed = look;
    pressed.hot = true;
    pressed.pressed = true;
    grid->addWidget(painted(pressed), 0, 2);
    grid->addWidget(note(QStringLiteral("pressed")), 1, 2, Qt::AlignHCenter);

    auto* disabled = new SuperButton;
    disabled->setCaption(look.caption);
    disabled->setFixedSize(size);
    disabled->setEnabled(false);
    grid->addWidget(disabled, 0, 3);
    grid->addWidget(note(QStringLiteral("disabled")), 1, 3, Qt::AlignHCenter);

    auto* edged = new SuperButton;
    edged->setCaption(QStringLiteral("Print"));
    edged->setBorder(1);
    edged->setBackColor(QColor(0xD8, 0xE8, 0xFF));
    edged->setImage(starPicture(QColor(0xFF, 0xC0, 0x20)));
    edged->setFixedSize(size);
    grid->addWidget(edged, 2, 0);
    grid->addWidget(note(QStringLiteral("Border 1, image")), 3, 0, Qt::AlignHCenter);

    auto* round = new SuperButton;
    round->setCaption(QStringLiteral("Search"));
    round->setBorder(2);
    round->setBackColor(QColor(0xC8, 0xF0, 0xC8));
    round->setFixedSize(size);
    grid->addWidget(round, 2, 1);
    grid->addWidget(note(QStringLiteral("Border 2")), 3, 1, Qt::AlignHCenter);

    ButtonLook roundHot = look;
    roundHot.caption = QStringLiteral("Search");
    roundHot.border = 2;
    roundHot.backColor = QColor(0xC8, 0xF0, 0xC8);
    roundHot.hot = true;
    grid->addWidget(painted(roundHot), 2, 2);
    grid->addWidget(note(QStringLiteral("Border 2, hot")), 3, 2, Qt::AlignHCenter);

    auto* flat = new SuperButton;
    flat->setImage(starPicture(QColor(0x40, 0x90, 0xFF)));
    flat->setBorder(3);
    flat->setFixedSize(size);
    grid->addWidget(flat, 2, 3);
    grid->addWidget(note(QStringLiteral("Border 3, image only")), 3, 3, Qt::AlignHCenter);
    return finish(frame, grid);
}

QWidget* checksSection()
{
    QGridLayout* grid = nullptr;
    MyFrame* frame = section(QStringLiteral("NewCheck"), &grid);
    int column = 0;
    for (int style = 0; style < kCheckPictureSets; ++style) {
        for (int value = 0; value <= 1; ++value) {
            auto* check = new NewCheck;
            check->setForeStyle(style);
            check->setValue(value);
            check->setFixedSize(check->sizeHint());
            grid->addWidget(check, 0, column, Qt::AlignHCenter);
            grid->addWidget(
                note(QStringLiteral("style %1, %2").arg(style).arg(value ? u"on" : u"off")), 1,
                column, Qt::AlignHCenter);
            ++column;
        }
    }
    auto* option = new NewCheck;
    option->setOptionBx(1);
    option->setOptionCount(3);
    option->setForeStyle(1);
    option->setValue(2);
    option->setFixedSize(option->sizeHint());
    grid->addWidget(option, 2, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(note(QStringLiteral("option box, Value 2")), 3, 0, 1, 2, Qt::AlignHCenter);

    auto* squares = new NewCheck;
    squares->setOptionBx(1);
    squares->setOptionCount(3);
    squares->setForeStyle(3);
    squares->setForeColor(QColor(0x20, 0x70, 0xD0));
    squares->setValue(3);
    squares->setFixedSize(squares->sizeHint());
    grid->addWidget(squares, 2, 2, 1, 2, Qt::AlignHCenter);
    grid->addWidget(note(QStringLiteral("option box, style 3, Value 3")), 3, 2, 1, 2,
                    Qt::AlignHCenter);

    auto* off = new NewCheck;
    off->setValue(1);
    off->setEnabled(false);
    off->setFixedSize(off->sizeHint());
    grid->addWidget(off, 2, 4, Qt::AlignHCenter);
    grid->addWidget(note(QStringLiteral("disabled")), 3, 4, Qt::AlignHCenter);

    auto* bordered = new NewCheck;
    bordered->setValue(1);
    bordered->setBorderStyle(1);
    bordered->setFixedSize(bordered->sizeHint() + QSize(0, 4));
    grid->addWidget(bordered, 2, 5, Qt::AlignHCenter);
    grid->addWidget(note(QStringLiteral("BorderStyle 1")), 3, 5, Qt::AlignHCenter);
    return finish(frame, grid);
}

QWidget* combosSection()
{
    QGridLayout* grid = nullptr;
    MyFrame* frame = section(QStringLiteral("ComboBorder"), &grid);
    const QStringList fruit = {QStringLiteral("Apple"), QStringLiteral("Apricot"),
                               QStringLiteral("Banana"), QStringLiteral("Cherry")};
    const QStringList captions = {QStringLiteral("Border 0"), QStringLiteral("Border 1"),
                                  QStringLiteral("Border 2, disabled")};
    for (int border = 0; border < 3; ++border) {
        auto* combo = new ComboBorder;
        for (const QString& item : fruit)
            combo->addItem(item);
        combo->setBorder(border);
        combo->setText(fruit.at(border));
        combo->setFixedWidth(140);
        if (border == 2)
            combo->setEnabled(false);
        grid->addWidget(combo, 0, border);
        grid->addWidget(note(captions.at(border)), 1, border, Qt::AlignHCenter);
    }
    ComboLook look;
    look.font = defaultComboFont();
    look.text = QStringLiteral("Cherry");
    look.border = 1;
    grid->addWidget(
        new PaintedControl(QSize(140, 24),
                           [look](QPainter& p, QRect r) { paintComboBorder(p, look, r); }),
        0, 3);
    grid->addWidget(note(QStringLiteral("as the canvas draws it")), 1, 3, Qt::AlignHCenter);
    return finish(frame, grid);
}

QWidget* framesSection()
{
    QGridLayout* grid = nullptr;
    MyFrame* frame = section(QStringLiteral("MyFrame"), &grid);
    const QStringList captions = {QStringLiteral("BorderStyle 0"), QStringLiteral("BorderStyle 1"),
                                  QStringLiteral("BorderStyle 2"), QString()};
    for (int style = 0; style < 4; ++style) {
        auto* inner = new MyFrame;
        inner->setBorderStyle(style == 3 ? 0 : style);
        inner->setCaption(captions.at(style));
        if (style == 2)
            inner->setFillColor(QColor(0xFF, 0xF8, 0xE0));
        if (style == 3) {
            inner->setCaption(QStringLiteral("with image"));
            inner->setImage(starPicture(QColor(0xFF, 0xC0, 0x20)));
            inner->setBorderColor(QColor(0x40, 0x70, 0xC0));
        }
        inner->setFixedSize(140, 44);
        grid->addWidget(inner, 0, style);
    }
    auto* disabled = new MyFrame;
    disabled->setCaption(QStringLiteral("disabled"));
    disabled->setEnabled(false);
    disabled->setFixedSize(140, 44);
    grid->addWidget(disabled, 1, 0);
    return finish(frame, grid);
}

QWidget* scrollSection()
{
    QGridLayout* grid = nullptr;
    MyFrame* frame = section(QStringLiteral("RealhScroll, RealvScroll, DepthScroll"), &grid);
    auto* plain = new RealhScroll;
    plain->setValue(30);
    plain->setFixedSize(200, 17);
    grid->addWidget(plain, 0, 0);
    grid->addWidget(note(QStringLiteral("Value 30 of 0..100")), 1, 0, Qt::AlignHCenter);

    auto* ridged = new RealhScroll;
    ridged->setPattern(1);
    ridged->setValueMax(10);
    ridged->setValueLargeChange(4);
    ridged->setValue(10);
    ridged->setBackColor(QColor(0xE8, 0xF0, 0xFF));
    ridged->setFixedSize(200, 17);
    grid->addWidget(ridged, 2, 0);
    grid->addWidget(note(QStringLiteral("Pattern 1, at ValueMax")), 3, 0, Qt::AlignHCenter);

    ScrollBarLook pressed;
    pressed.thumbLength = scrollThumbLength(200, 0, 100, 5);
    pressed.thumbPosition = scrollThumbPosition(200, pressed.thumbLength, 60, 0, 100);
    pressed.thumbPressed = true;
    pressed.pattern = 2;
    grid->addWidget(
        new PaintedControl(QSize(200, 17),
                           [pressed](QPainter& p, QRect r) { paintScrollBar(p, pressed, r); }),
        4, 0);
    grid->addWidget(note(QStringLiteral("Pattern 2, thumb dragged")), 5, 0, Qt::AlignHCenter);

    auto* depth = new DepthScroll;
    depth->setLowToHeigh(1);
    depth->setValue(70);
    depth->setFixedSize(200, 17);
    grid->addWidget(depth, 0, 1);
    grid->addWidget(note(QStringLiteral("DepthScroll, LowToHeigh 1")), 1, 1, Qt::AlignHCenter);

    auto* empty = new RealhScroll;
    empty->setValueMax(0);
    empty->setFixedSize(200, 17);
    grid->addWidget(empty, 2, 1);
    grid->addWidget(note(QStringLiteral("ValueMin = ValueMax")), 3, 1, Qt::AlignHCenter);

    auto* disabled = new RealhScroll;
    disabled->setValue(50);
    disabled->setEnabled(false);
    disabled->setFixedSize(200, 17);
    grid->addWidget(disabled, 4, 1);
    grid->addWidget(note(QStringLiteral("disabled")), 5, 1, Qt::AlignHCenter);

    auto* vertical = new RealvScroll;
    vertical->setValue(40);
    vertical->setPattern(1);
    vertical->setFixedSize(17, 140);
    grid->addWidget(vertical, 0, 2, 6, 1, Qt::AlignHCenter);
    auto* verticalDisabled = new RealvScroll;
    verticalDisabled->setEnabled(false);
    verticalDisabled->setFixedSize(17, 140);
    grid->addWidget(verticalDisabled, 0, 3, 6, 1, Qt::AlignHCenter);
    return finish(frame, grid);
}

QWidget* listSection()
{
    QGridLayout* grid = nullptr;
    MyFrame* frame = section(QStringLiteral("ListPlus"), &grid);
    auto* list = new ListPlus;
    list->setFixedSize(430, 190);
    list->setCSelect(3);
    list->setMSelect(true);
    const QStringList headers = QStringLiteral(",Name,City,Phone").split(u',');
    for (int k = 0; k < headers.size(); ++k)
        list->NameButton(k, headers.at(k));
    list->AddArray({QStringLiteral("1,Anna Berg,Oslo,22 11 04 55"),
                    QStringLiteral("2,Carl Dahl,Bergen,55 90 12 33"),
                    QStringLiteral("3,Eva Fisk,Trondheim,73 80 44 21"),
                    QStringLiteral("4,Gustav Holm,Stavanger with a rather long name,51 22 80 09"),
                    QStringLiteral("5,Ida Jensen,Tromsø"),
                    QStringLiteral("x,Karl Lund,Bodø,75 50 10 10"),
                    QStringLiteral("7,Lena Moe,Ålesund,70 11 22 33"),
                    QStringLiteral("8,Nils Ovre,Drammen,32 20 40 50"),
                    QStringLiteral("9,Per Qvist,Molde,71 25 35 45"),
                    QStringLiteral("10,Rut Sand,Hamar,62 51 00 00"),
                    QStringLiteral("11,Siv Tangen,Gjøvik,61 13 14 15")});
    grid->addWidget(list, 0, 0);
    grid->addWidget(note(QStringLiteral("multi-select: rows 2 and 4 selected, row 4 current; "
                                        "row 6 has no number")),
                    1, 0, Qt::AlignHCenter);
    // Select two rows the way a user does.
    for (const int position : {1, 3}) {
        const QPointF at(100,
                         kListHeaderHeight + position * list->rowHeight() + list->rowHeight() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, list->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, list->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list, &press);
        QApplication::sendEvent(list, &release);
    }
    return finish(frame, grid);
}

QWidget* helpSection()
{
    QGridLayout* grid = nullptr;
    MyFrame* frame = section(QStringLiteral("myHelp"), &grid);
    auto* help = new myHelp;
    help->setFixedSize(430, 190);
    help->setBackColor(Qt::white);
    help->setBorderStyle(1);
    help->setMarkup(QStringLiteral(
        "<big><b>Help viewer</b></big>\r"
        "Plain text, <b>bold</b>, <i>italic</i>, <u>underline</u> and <b><i>both</i></b>.\r"
        "<big>Bigger</big> and <small>smaller</small> type.\r"
        "<blue>blue <green>green <red>red <magenta>magenta <yellow>yellow <cyan>cyan "
        "<black>black\r"
        "<line>"
        "Press <blue><u><link>the link</link></u><black> to try it.\r"
        "A second line\r"
        "and a third one."));
    grid->addWidget(help, 0, 0);
    grid->addWidget(
        note(QStringLiteral("every tag; the line feed-free text breaks at carriage returns")), 1, 0,
        Qt::AlignHCenter);
    return finish(frame, grid);
}

} // namespace

std::unique_ptr<QWidget> createControlsGallery()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Quorvalle Developer 21 - controls"));
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    window->setPalette(palette);
    auto* layout = new QGridLayout(window.get());
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(buttonsSection(), 0, 0);
    layout->addWidget(checksSection(), 0, 1);
    layout->addWidget(scrollSection(), 1, 0);
    auto* right = new QVBoxLayout;
    right->setSpacing(12);
    right->addWidget(combosSection());
    right->addWidget(framesSection());
    layout->addLayout(right, 1, 1);
    layout->addWidget(listSection(), 2, 0);
    layout->addWidget(helpSection(), 2, 1);
    return window;
}

} // namespace qv::gui
