// The controls a window is built from: label, command button, list-only
// drop-down, frame and stretched image. Positions and sizes are in twips,
// relative to the parent's top-left corner, as the windows' layout tables give
// them; each control converts them to pixels with the screen's factors.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QString>

#include <cstdint>
#include <functional>

namespace toolkit {

struct TwipsRect {
    float left, top, width, height;
};

// Geometry and state in the toolkit's terms, for any of the controls below.
template <class QtWidget>
class Control : public QtWidget {
public:
    Control(QWidget *parent, const TwipsRect &bounds) : QtWidget(parent) { setBounds(bounds); }

    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);
    void setBounds(const TwipsRect &bounds);

    bool Visible() const { return !this->isHidden(); }
    void setVisible(bool visible) override { QtWidget::setVisible(visible); }
    bool Enabled() const { return this->isEnabled(); }
};

// A caption whose CR LF pairs break lines and whose long lines wrap at words.
class Label : public Control<QLabel> {
public:
    Label(QWidget *parent, const TwipsRect &bounds, const QString &caption);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void setForeColor(const QColor &color);
    void setTransparent(bool transparent);

private:
    QString m_caption;
};

// A command button; several with one name form a control array, whose click
// handler receives the element's Index. A '&' in the caption marks the access key.
class CommandButton : public Control<QPushButton> {
public:
    using ClickHandler = std::function<void(int16_t Index)>;

    CommandButton(QWidget *parent, const TwipsRect &bounds, const QString &caption, int16_t index = 0);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    int16_t Index() const { return m_index; }
    void onClick(ClickHandler handler);

private:
    int16_t m_index;
};

// A drop-down list of the list-only style: a choice from the list, no typing.
class ComboBox : public Control<QComboBox> {
public:
    ComboBox(QWidget *parent, const TwipsRect &bounds);

    void Clear() { clear(); }
    void AddItem(const QString &item) { addItem(item); }
    int ListCount() const { return count(); }
    int ListIndex() const { return currentIndex(); }
    // -1 clears the selection; an index beyond the items is error 380.
    void setListIndex(int index);
    QString Text() const { return currentText(); }
};

class Frame : public Control<QGroupBox> {
public:
    Frame(QWidget *parent, const TwipsRect &bounds, const QString &caption);

    QString Caption() const { return title(); }
    void setCaption(const QString &caption) { setTitle(caption); }
};

// A picture stretched to the control's size when it is painted; no scaled
// copy of it is kept.
class Image : public Control<QWidget> {
public:
    Image(QWidget *parent, const TwipsRect &bounds, QPixmap picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

// The fonts the windows name. "MS Sans Serif" is used where it is installed;
// elsewhere the bundled default's family stands in with the same size and weight.
QFont msSansSerif(double pointSize, int weight);

// Puts the controls in this tab order and gives the first one the focus.
void setTabOrder(std::initializer_list<QWidget *> order);

} // namespace toolkit
