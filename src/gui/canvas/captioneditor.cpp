#include "canvas/captioneditor.h"

#include "canvas/designdocument.h"
#include "controls/olecolor.h"
#include "designer/canvasoperations.h"
#include "document/projectdocument.h"

#include <QKeyEvent>

namespace qv::gui {

CaptionEditor::CaptionEditor(DesignDocument& document, int titleIndex, int zoom, QWidget* parent)
    : QLineEdit(parent), document_(document), titleIndex_(titleIndex)
{
    const Title& t = document.document().titles[titleIndex];
    QFont font(QString::fromStdString(t.fontName));
    font.setPointSizeF((t.fontSize > 0 ? t.fontSize : 9) * zoom / 100.0);
    font.setBold(t.fontBold);
    font.setItalic(t.fontItalic);
    font.setUnderline(t.fontUnderline);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, colorFromOle(static_cast<uint32_t>(t.foreColor)));
    setPalette(colours);
    setText(QString::fromStdString(t.caption));
    setAlignment(t.alignment == 1   ? Qt::AlignRight
                 : t.alignment == 2 ? Qt::AlignHCenter
                                    : Qt::AlignLeft);
    setAccessibleName(QStringLiteral("Label Text"));
    connect(this, &QLineEdit::returnPressed, this, &CaptionEditor::commit);
}

void CaptionEditor::placeOver(const QRect& labelRect)
{
    const int height = std::max(labelRect.height() + 4, sizeHint().height());
    const int width = std::max(labelRect.width() + 24, 80);
    setGeometry(labelRect.left() - 2, labelRect.top() + (labelRect.height() - height) / 2, width,
                height);
}

void CaptionEditor::commit()
{
    if (done_)
        return;
    done_ = true;
    const std::string caption = text().toStdString();
    document_.run([&](Designer& d) { setTitleCaption(d, titleIndex_, caption); });
    emit finished();
}

void CaptionEditor::cancel()
{
    if (done_)
        return;
    done_ = true;
    emit finished();
}

void CaptionEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CaptionEditor::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    commit();
}

} // namespace qv::gui
