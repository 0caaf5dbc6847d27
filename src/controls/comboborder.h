#pragma once

#include "controls/combolook.h"
#include "controls/eventcontrol.h"

class QComboBox;
class QLineEdit;

namespace qv::gui {

// The combo fields of the designed application: one editable combo box (ComboBx) inside a
// border the control draws itself, with a length limit and a case rule for typing:
// TextCase 1 upper case, 2 proper case, 3 lower case, 4 completion from the list.
class ComboBorder : public EventControl {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText NOTIFY change)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BackStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(int Border READ border WRITE setBorder)
    Q_PROPERTY(bool Locked READ locked WRITE setLocked)
    Q_PROPERTY(QString ToolTipText READ toolTip WRITE setToolTip)
    Q_PROPERTY(int ListIndex READ listIndex WRITE setListIndex)
    Q_PROPERTY(int TextCase READ textCase WRITE setTextCase)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool Sorted READ sorted WRITE setSorted)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)

public:
    explicit ComboBorder(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    int selStart() const;
    void setSelStart(int position);
    QColor backColor() const { return m_look.backColor; }
    void setBackColor(const QColor& color);
    QColor foreColor() const { return m_look.foreColor; }
    void setForeColor(const QColor& color);
    int backStyle() const { return m_look.backStyle; }
    void setBackStyle(int style);
    int border() const { return m_look.border; }
    void setBorder(int border);
    bool locked() const { return m_locked; }
    void setLocked(bool locked);
    // Enables or disables the inner combo box alone, leaving the border as it is.
    bool enabled2() const;
    void setEnabled2(bool enabled);

    void setFontName(const QString& family);
    void setFontSize(int points);
    void setFontBold(bool on);
    void setFontItalic(bool on);
    void setFontUnderline(bool on);
    void setFontStrikethru(bool on);

    // The list: AddItem keeps it in alphabetical order (ignoring case) when Sorted is on;
    // an index of -1 appends.
    void addItem(const QString& item, int index = -1);
    void clear();
    int listCount() const;
    QString list(int index) const;
    void setList(int index, const QString& item);
    int itemData(int index) const;
    void setItemData(int index, int data);
    int listIndex() const;
    void setListIndex(int index);
    bool sorted() const { return m_sorted; }
    void setSorted(bool sorted) { m_sorted = sorted; }

    int textCase() const { return m_textCase; }
    void setTextCase(int rule) { m_textCase = rule; }
    // 0 for no limit; typing stops at this many characters and longer texts are cut.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length);

    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);

    QComboBox* comboBox() const { return m_combo; }
    QLineEdit* lineEdit() const;
    ComboLook look() const;
    QSize sizeHint() const override;

signals:
    void change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool typed(QKeyEvent* event);
    void released(QKeyEvent* event);
    bool complete(const QString& character);
    void textEdited();
    void applyFont();
    void placeCombo();

    ComboLook m_look;
    QComboBox* m_combo = nullptr;
    bool m_locked = false;
    bool m_sorted = false;
    int m_textCase = 0;
    int m_maxLength = 0;
    int m_mousePointer = 0;
};

// Proper case as the designed application writes it: the first letter of every word upper
// case, the others lower case; words are separated by white space.
QString properCase(const QString& text);

} // namespace qv::gui
