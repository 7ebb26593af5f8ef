#include "Form.h"

#include "Application.h"
#include "Keys.h"
#include "Screen.h"
#include "Timer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cstring>

#ifdef ZELOR_HAVE_XCB
#include <xcb/xcb.h>
#endif

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace toolkit {

namespace {

std::vector<Form *> &loaded()
{
    static std::vector<Form *> forms;
    return forms;
}


// A window in the layer below the others, which takes no focus.
constexpr Qt::WindowFlags BehindFlags = Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnBottomHint;

Qt::WindowFlags flagsFor(const FormStyle &style)
{
    Qt::WindowFlags flags = Qt::Window;
    if (style.border == Border::None)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint;
    if (!style.showInTaskbar)
        flags |= Qt::Tool; // a tool window gets no taskbar entry
    return flags;
}

#ifdef ZELOR_HAVE_XCB
// The X connection when the program runs on X11, else null.
xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return found;
}
#endif

// X11 has no window flag for "not movable". The window manager learns it from
// the Motif hints, which Qt writes itself with the move function always on;
// after Qt has written them, replace them with ones that leave out move and
// resize. Window managers that ignore the hints let the user move the window.
void forbidMoveOnX11(QWidget &window)
{
#ifdef ZELOR_HAVE_XCB
    xcb_connection_t *connection = x11Connection();
    const xcb_atom_t motifHints = connection ? atom(connection, "_MOTIF_WM_HINTS") : XCB_ATOM_NONE;
    if (motifHints == XCB_ATOM_NONE)
        return;
    enum : uint32_t { HintFunctions = 1, HintDecorations = 2 };
    enum : uint32_t { FunctionClose = 32 };
    enum : uint32_t { DecorBorder = 2, DecorTitle = 8, DecorMenu = 16 };
    const uint32_t hints[5] = {HintFunctions | HintDecorations, FunctionClose,
                               DecorBorder | DecorTitle | DecorMenu, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()), motifHints,
                        motifHints, 32, 5, hints);
    xcb_flush(connection);
#else
    (void)window;
#endif
}

// Whether a window's X11 states and hints have to be changed by hand: Qt
// writes the "below" state only before a window is mapped, and a change of
// its flags after that drops its other states.
bool isMappedOnX11(const QWidget &window)
{
#ifdef ZELOR_HAVE_XCB
    return window.isVisible() && x11Connection() != nullptr;
#else
    (void)window;
    return false;
#endif
}

// Asks the window manager to set or clear a state of a mapped window (EWMH).
void setNetWmStateOnX11(QWidget &window, const char *state, bool set)
{
#ifdef ZELOR_HAVE_XCB
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    enum : uint32_t { StateRemove = 0, StateAdd = 1, SourceApplication = 1 };
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = atom(connection, "_NET_WM_STATE");
    message.data.data32[0] = set ? StateAdd : StateRemove;
    message.data.data32[1] = atom(connection, state);
    message.data.data32[3] = SourceApplication;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
#else
    (void)window;
    (void)state;
    (void)set;
#endif
}

// Sets whether a mapped window takes the keyboard focus (ICCCM WM_HINTS input).
void setInputHintOnX11(QWidget &window, bool acceptsFocus)
{
#ifdef ZELOR_HAVE_XCB
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    constexpr uint32_t HintsWords = 9, InputHint = 1;
    uint32_t hints[HintsWords] = {};
    auto cookie = xcb_get_property(connection, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, HintsWords);
    if (xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        const int words = std::min<int>(xcb_get_property_value_length(reply) / 4, HintsWords);
        std::memcpy(hints, xcb_get_property_value(reply), size_t(words) * 4);
        free(reply);
    }
    hints[0] |= InputHint;
    hints[1] = acceptsFocus ? 1 : 0;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
                        HintsWords, hints);
    xcb_flush(connection);
#else
    (void)window;
    (void)acceptsFocus;
#endif
}

} // namespace

// --- FormWindow -------------------------------------------------------------

FormWindow::FormWindow(Form &form, const FormStyle &style)
    : QWidget(nullptr, flagsFor(style)), m_form(form), m_style(style)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(style.caption);
    if (!style.icon.isNull())
        setWindowIcon(style.icon);
    if (style.backColor.isValid()) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, style.backColor);
        setPalette(palette);
        setAutoFillBackground(true);
    }
    const QSize client(Screen::pixelsX(style.clientWidth), Screen::pixelsY(style.clientHeight));
    if (style.border == Border::FixedSingle)
        setFixedSize(client);
    else
        resize(client);
    if (style.staysBehindWhileDisabled)
        setWindowFlags(windowFlags() | BehindFlags);
}

void FormWindow::centreOnPrimaryScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize size = frameGeometry().size();
    move(screen.x() + (screen.width() - size.width()) / 2, screen.y() + (screen.height() - size.height()) / 2);
}

void FormWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Before a window is shown its frame is unknown and it is centred without
    // one; the window manager's frame arrives with the first move, and the
    // window is centred again with it, once.
    if (m_centreOnceFramed && windowHandle() && !windowHandle()->frameMargins().isNull()) {
        m_centreOnceFramed = false;
        centreOnPrimaryScreen();
    }
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The form decides; a window that unloads is hidden and deleted by Unload.
    event->ignore();
    m_form.closeRequested(event->spontaneous() ? CloseCommand : ProgramUnload);
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    m_form.keyDown(keyCodeOf(*event), shiftStateOf(event->modifiers()));
}

void FormWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        m_form.applyFocusRule();
    QWidget::changeEvent(event);
}

void FormWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_style.movable)
        forbidMoveOnX11(*this);
}

#ifdef Q_OS_WIN
// Windows: the title bar and the system menu's Move are the only ways to drag a
// window; swallowing both keeps it where the program put it.
bool FormWindow::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    if (m_style.movable || eventType != "windows_generic_MSG")
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    const bool dragStart = msg->message == WM_NCLBUTTONDOWN && msg->wParam == HTCAPTION;
    const bool menuMove = msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == SC_MOVE;
    if (dragStart || menuMove) {
        *result = 0;
        return true;
    }
    return false;
}
#endif

// --- Form -------------------------------------------------------------------

Form::Form(FormStyle style) : m_style(std::move(style)) {}

Form::~Form()
{
    auto &forms = loaded();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    delete m_window.data();
}

Form::State Form::state() const
{
    if (!m_window)
        return State::NotLoaded;
    return m_window->isVisible() ? State::Visible : State::LoadedHidden;
}

void Form::Load()
{
    if (m_window)
        return;
    m_window = new FormWindow(*this, m_style);
    loaded().push_back(this);
    createControls(*m_window);
    connectHandlers();
    Form_Load();
}

void Form::Show()
{
    Load();
    if (m_window->isVisible())
        return;
    placeAtStart();
    if (m_style.maximized)
        m_window->setWindowState(Qt::WindowFullScreen); // showFullScreen() would also activate it
    m_window->show();
    if (m_window->isEnabled()) {
        m_window->raise();
        m_window->activateWindow();
    }
}

void Form::placeAtStart()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    FormWindow &w = *m_window;
    if (m_style.maximized) {
        // Full screen covers the taskbar too; the geometry is set first for
        // desktops without a window manager, which ignore the state.
        w.setGeometry(screen);
    } else if (m_style.startPosition == StartPosition::CenterScreen) {
        w.centreOnPrimaryScreen();
        w.m_centreOnceFramed = true;
    }
}

bool Form::Unload(int16_t unloadMode)
{
    if (!m_window)
        return true;
    int16_t cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    if (cancel != 0 || !m_window)
        return !m_window;

    FormWindow *window = m_window;
    m_window = nullptr;
    auto &forms = loaded();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    for (Timer *timer : window->findChildren<Timer *>())
        timer->setEnabled(false);
    window->hide();
    window->deleteLater();
    forgetControls();
    processEndsWhenNoWindowIsLoaded();
    return true;
}

float Form::Left() { return Screen::twipsX(window().frameGeometry().x() - Screen::origin().x()); }
float Form::Top() { return Screen::twipsY(window().frameGeometry().y() - Screen::origin().y()); }
float Form::Width() { return Screen::twipsX(window().frameGeometry().width()); }
float Form::Height() { return Screen::twipsY(window().frameGeometry().height()); }

void Form::setLeft(float twips)
{
    FormWindow &w = window();
    w.move(Screen::origin().x() + Screen::pixelsX(twips), w.frameGeometry().y());
}

void Form::setTop(float twips)
{
    FormWindow &w = window();
    w.move(w.frameGeometry().x(), Screen::origin().y() + Screen::pixelsY(twips));
}

void Form::setWidth(float twips)
{
    FormWindow &w = window();
    const int frame = w.frameGeometry().width() - w.width();
    w.resize(std::max(0, Screen::pixelsX(twips) - frame), w.height());
}

void Form::setHeight(float twips)
{
    FormWindow &w = window();
    const int frame = w.frameGeometry().height() - w.height();
    w.resize(w.width(), std::max(0, Screen::pixelsY(twips) - frame));
}

void Form::Move(float left, double top)
{
    window().move(Screen::origin().x() + Screen::pixelsX(left), Screen::origin().y() + Screen::pixelsY(top));
}

bool Form::Enabled() { return window().isEnabled(); }
void Form::setEnabled(bool enabled) { window().setEnabled(enabled); }
QString Form::Caption() { return window().windowTitle(); }
void Form::setIcon(const QIcon &icon) { window().setWindowIcon(icon); }
int64_t Form::hwnd() { return static_cast<int64_t>(window().winId()); }

FormWindow &Form::window()
{
    Load();
    return *m_window;
}

std::vector<Form *> Form::loadedForms() { return loaded(); }

void Form::closeRequested(int16_t unloadMode)
{
    runHandler([&] { Unload(unloadMode); });
}

void Form::keyDown(int16_t keyCode, int16_t shift)
{
    runHandler([&] { Form_KeyDown(keyCode, shift); });
}

void Form::applyFocusRule()
{
    if (!m_style.staysBehindWhileDisabled || !m_window)
        return;
    // A disabled backdrop must neither take focus nor be raised by a click:
    // window managers raise the window they focus, and some raise any window
    // that is clicked. Kept in the layer below, it cannot cover the installer
    // windows; once enabled it comes to the front like any other window.
    const bool behind = !m_window->isEnabled();
    if (isMappedOnX11(*m_window)) {
        // Openbox drops the full-screen state of a borderless tool window
        // with it; the window keeps the screen's geometry all the same.
        setNetWmStateOnX11(*m_window, "_NET_WM_STATE_BELOW", behind);
        setInputHintOnX11(*m_window, !behind);
    } else if (QWindow *handle = m_window->windowHandle()) {
        handle->setFlags(behind ? handle->flags() | BehindFlags : handle->flags() & ~BehindFlags);
    } else {
        m_window->setWindowFlags(behind ? m_window->windowFlags() | BehindFlags : m_window->windowFlags() & ~BehindFlags);
    }
}

} // namespace toolkit
