#include "controls/comboborder.h"

#include "controls/mousepointer.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace qv::gui {

namespace {

// A key that types one character: Backspace and keys held with Ctrl, Alt or Meta are
// editing commands, not characters.
QString typedCharacter(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString text = event->text();
    if (text.size() != 1 || text.at(0).unicode() < 32 || text.at(0).unicode() == 127)
        return {};
    return text;
}

} // namespace

QString properCase(const QString& text)
{
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar& c : result) {
        if (c.isSpace()) {
            wordStart = true;
        } else if (wordStart) {
            c = c.toUpper();
            wordStart = false;
        }
    }
    return result;
}

ComboBorder::ComboBorder(QWidget* parent) : EventControl(parent), m_combo(new QComboBox(this))
{
    m_look.font = defaultComboFont();
    m_look.drawContent = false;
    m_combo->setObjectName(QStringLiteral("ComboBx"));
    m_combo->setEditable(true);
    m_combo->setFrame(false);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    // The control completes by its own rule (TextCase 4), never by the combo box's.
    m_combo->setCompleter(nullptr);
    m_combo->lineEdit()->installEventFilter(this);
    m_combo->installEventFilter(this);
    connect(m_combo, &QComboBox::editTextChanged, this, &ComboBorder::textEdited);
    connect(m_combo, &QComboBox::activated, this, [this] { emit click(); });
    setFocusProxy(m_combo);
    applyFont();
    placeCombo();
}

QSize ComboBorder::sizeHint() const
{
    const int width = comboBorderWidth(m_look.border);
    return m_combo->sizeHint() + QSize(2 * width, 2 * width);
}

QLineEdit* ComboBorder::lineEdit() const
{
    return m_combo->lineEdit();
}

QString ComboBorder::text() const
{
    return m_combo->currentText();
}

void ComboBorder::setText(const QString& text)
{
    m_combo->setEditText(text);
}

int ComboBorder::selStart() const
{
    const QLineEdit* edit = lineEdit();
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void ComboBorder::setSelStart(int position)
{
    lineEdit()->setCursorPosition(position);
}

void ComboBorder::setBackColor(const QColor& color)
{
    m_look.backColor = color;
    QPalette palette = m_combo->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Button, color);
    m_combo->setPalette(palette);
    update();
}

void ComboBorder::setForeColor(const QColor& color)
{
    m_look.foreColor = color;
    QPalette palette = m_combo->palette();
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    m_combo->setPalette(palette);
}

void ComboBorder::setBackStyle(int style)
{
    m_look.backStyle = style;
    update();
}

void ComboBorder::setBorder(int border)
{
    m_look.border = border;
    placeCombo();
    updateGeometry();
    update();
}

void ComboBorder::setLocked(bool locked)
{
    m_locked = locked;
    lineEdit()->setReadOnly(locked);
}

bool ComboBorder::enabled2() const
{
    return m_combo->isEnabled();
}

void ComboBorder::setEnabled2(bool enabled)
{
    m_combo->setEnabled(enabled);
}

void ComboBorder::setFontName(const QString& family)
{
    m_look.font.setFamily(family);
    applyFont();
}

void ComboBorder::setFontSize(int points)
{
    if (points > 0)
        m_look.font.setPointSize(points);
    applyFont();
}

void ComboBorder::setFontBold(bool on)
{
    m_look.font.setBold(on);
    applyFont();
}

void ComboBorder::setFontItalic(bool on)
{
    m_look.font.setItalic(on);
    applyFont();
}

void ComboBorder::setFontUnderline(bool on)
{
    m_look.font.setUnderline(on);
    applyFont();
}

void ComboBorder::setFontStrikethru(bool on)
{
    m_look.font.setStrikeOut(on);
    applyFont();
}

void ComboBorder::applyFont()
{
    m_combo->setFont(m_look.font);
    updateGeometry();
}

void ComboBorder::addItem(const QString& item, int index)
{
    if (m_sorted) {
        index = 0;
        while (index < m_combo->count() &&
               QString::compare(m_combo->itemText(index), item, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    if (index < 0 || index > m_combo->count())
        index = m_combo->count();
    // Inserting must not change the text typed so far.
    const QString kept = m_combo->currentText();
    m_combo->insertItem(index, item);
    if (m_combo->currentText() != kept)
        m_combo->setEditText(kept);
}

void ComboBorder::clear()
{
    m_combo->clear();
}

int ComboBorder::listCount() const
{
    return m_combo->count();
}

QString ComboBorder::list(int index) const
{
    return m_combo->itemText(index);
}

void ComboBorder::setList(int index, const QString& item)
{
    m_combo->setItemText(index, item);
}

int ComboBorder::itemData(int index) const
{
    return m_combo->itemData(index).toInt();
}

void ComboBorder::setItemData(int index, int data)
{
    m_combo->setItemData(index, data);
}

int ComboBorder::listIndex() const
{
    return m_combo->currentIndex();
}

void ComboBorder::setListIndex(int index)
{
    m_combo->setCurrentIndex(index);
}

void ComboBorder::setMaxLength(int length)
{
    m_maxLength = std::max(0, length);
    textEdited();
}

void ComboBorder::setMousePointer(int pointer)
{
    m_mousePointer = pointer;
    applyMousePointer(*m_combo, pointer);
    // The edit box keeps its I-beam unless a pointer is chosen.
    constexpr int iBeam = 3;
    applyMousePointer(*lineEdit(), pointer == 0 ? iBeam : pointer);
}

ComboLook ComboBorder::look() const
{
    ComboLook result = m_look;
    result.text = text();
    result.enabled = isEnabled();
    return result;
}

void ComboBorder::placeCombo()
{
    const int width = comboBorderWidth(m_look.border);
    m_combo->setGeometry(rect().adjusted(width, width, -width, -width));
}

void ComboBorder::resizeEvent(QResizeEvent*)
{
    placeCombo();
}

void ComboBorder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintComboBorder(painter, look(), rect());
}

bool ComboBorder::typed(QKeyEvent* event)
{
    emit keyDown(event->key(), event->modifiers());
    const QString character = typedCharacter(event);
    if (character.isEmpty()) {
        if (event->key() == Qt::Key_Backspace)
            emit keyPress(event->text());
        return false;
    }
    if (m_maxLength > 0 && text().size() >= m_maxLength)
        return true;
    emit keyPress(character);
    if (m_textCase == 4 && !m_locked)
        return complete(character);
    return false;
}

bool ComboBorder::complete(const QString& character)
{
    QLineEdit* edit = lineEdit();
    const QString typedSoFar =
        edit->hasSelectedText() ? edit->text().left(edit->selectionStart()) : edit->text();
    const QString candidate = typedSoFar + character;
    for (int i = 0; i < m_combo->count(); ++i) {
        const QString item = m_combo->itemText(i);
        if (!item.startsWith(candidate, Qt::CaseInsensitive))
            continue;
        m_combo->setCurrentIndex(i);
        m_combo->setEditText(item);
        // The caret stands after what was typed; the rest of the item is selected, so that
        // the next letter replaces it.
        const int end = edit->text().size();
        const int caret = std::min<int>(candidate.size(), end);
        edit->setSelection(end, caret - end);
        return true;
    }
    return false;
}

void ComboBorder::released(QKeyEvent* event)
{
    emit keyUp(event->key(), event->modifiers());
    if (m_textCase < 1 || m_textCase > 3 || m_locked)
        return;
    QLineEdit* edit = lineEdit();
    const QString before = edit->text();
    const QString after = m_textCase == 1   ? before.toUpper()
                          : m_textCase == 2 ? properCase(before)
                                            : before.toLower();
    if (after == before)
        return;
    const int caret = edit->cursorPosition();
    m_combo->setEditText(after);
    edit->setCursorPosition(std::min<int>(caret, edit->text().size()));
}

void ComboBorder::textEdited()
{
    emit change();
    const QString current = text();
    if (m_maxLength >= 1 && current.size() > m_maxLength) {
        m_combo->setEditText(current.left(m_maxLength));
        lineEdit()->setCursorPosition(m_maxLength);
    }
}

bool ComboBorder::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit()) {
        switch (event->type()) {
        case QEvent::KeyPress: return typed(static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease: released(static_cast<QKeyEvent*>(event)); return false;
        default: break;
        }
    }
    if (watched == lineEdit() || watched == m_combo) {
        const auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            emit mouseDown(mouse->button(), mouse->modifiers(),
                           widget->mapTo(this, mouse->position().toPoint()));
            break;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            emit mouseMove(mouse->buttons(), mouse->modifiers(),
                           widget->mapTo(this, mouse->position().toPoint()));
            break;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            emit mouseUp(mouse->button(), mouse->modifiers(),
                         widget->mapTo(this, mouse->position().toPoint()));
            break;
        }
        case QEvent::MouseButtonDblClick: emit dblClick(); break;
        default: break;
        }
    }
    return EventControl::eventFilter(watched, event);
}

} // namespace qv::gui
