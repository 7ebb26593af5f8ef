#include "Controls.h"

#include "Application.h"
#include "Errors.h"
#include "Screen.h"

#include <QPainter>

namespace toolkit {

template <class W> float Control<W>::Left() const { return Screen::twipsX(this->x()); }
template <class W> float Control<W>::Top() const { return Screen::twipsY(this->y()); }
template <class W> float Control<W>::Width() const { return Screen::twipsX(this->width()); }
template <class W> float Control<W>::Height() const { return Screen::twipsY(this->height()); }
template <class W> void Control<W>::setLeft(float twips) { this->move(Screen::pixelsX(twips), this->y()); }
template <class W> void Control<W>::setTop(float twips) { this->move(this->x(), Screen::pixelsY(twips)); }
template <class W> void Control<W>::setWidth(float twips) { this->resize(Screen::pixelsX(twips), this->height()); }
template <class W> void Control<W>::setHeight(float twips) { this->resize(this->width(), Screen::pixelsY(twips)); }

template <class W>
void Control<W>::setBounds(const TwipsRect &bounds)
{
    this->setGeometry(Screen::pixelsX(bounds.left), Screen::pixelsY(bounds.top), Screen::pixelsX(bounds.width), Screen::pixelsY(bounds.height));
}

template class Control<QLabel>;
template class Control<QPushButton>;
template class Control<QComboBox>;
template class Control<QGroupBox>;
template class Control<QWidget>;

// --- Label ------------------------------------------------------------------

Label::Label(QWidget *parent, const TwipsRect &bounds, const QString &caption) : Control(parent, bounds)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    setCaption(caption);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(shown);
}

void Label::setForeColor(const QColor &color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

void Label::setTransparent(bool transparent) { setAutoFillBackground(!transparent); }

// --- CommandButton ----------------------------------------------------------

CommandButton::CommandButton(QWidget *parent, const TwipsRect &bounds, const QString &caption, int16_t index)
    : Control(parent, bounds), m_index(index)
{
    setText(caption);
    setAutoDefault(false);
}

void CommandButton::onClick(ClickHandler handler)
{
    QObject::connect(this, &QPushButton::clicked, this,
                     [this, handler = std::move(handler)] { runHandler([&] { handler(m_index); }); });
}

// --- ComboBox ---------------------------------------------------------------

ComboBox::ComboBox(QWidget *parent, const TwipsRect &bounds) : Control(parent, bounds) { setEditable(false); }

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count())
        throw Error(ErrInvalidPropertyValue, "Invalid property value");
    setCurrentIndex(index);
}

// --- Frame ------------------------------------------------------------------

Frame::Frame(QWidget *parent, const TwipsRect &bounds, const QString &caption) : Control(parent, bounds)
{
    setTitle(caption);
}

// --- Image ------------------------------------------------------------------

Image::Image(QWidget *parent, const TwipsRect &bounds, QPixmap picture)
    : Control(parent, bounds), m_picture(std::move(picture))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

// --- Fonts and focus --------------------------------------------------------

QFont msSansSerif(double pointSize, int weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QApplication::font().family()});
    font.setPointSizeF(pointSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

void setTabOrder(std::initializer_list<QWidget *> order)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    if (order.size() > 0)
        (*order.begin())->setFocus();
}

} // namespace toolkit
