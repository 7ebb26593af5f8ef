// A window of the toolkit: one object whose window may or may not exist.
//
// The object lives for the whole run; its window and controls exist only while
// it is loaded. Show() loads it first (running Form_Load) and makes it visible;
// any other use of a property loads it hidden. Unload() raises
// Form_QueryUnload and, unless cancelled, drops the window with its controls
// and timers; the next use loads it again. A handler that unloads its own
// window goes on with its next statements: the widgets are deleted later, from
// the event loop, but the form counts as not loaded at once.
//
// Geometry is in twips, counted from the primary screen's top-left corner.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

namespace toolkit {

class Form;

// The cause of an unload, as Form_QueryUnload receives it.
enum UnloadModes : int16_t {
    CloseCommand = 0,   // close box, system menu, Alt+F4: a close from the window system
    ProgramUnload = 1,  // the program's own Unload
    SessionEnding = 2,  // the session ends (log off, shut down, SIGHUP)
    OutsideRequest = 3, // another program asks it to close (SIGTERM, SIGINT)
};

enum class Border { FixedSingle, None };
enum class StartPosition { CenterScreen, WindowsDefault, Manual };

// How a window looks and behaves, fixed when it is designed.
struct FormStyle {
    QString caption;
    Border border = Border::FixedSingle;
    float clientWidth = 0;  // twips
    float clientHeight = 0; // twips
    StartPosition startPosition = StartPosition::CenterScreen;
    bool movable = true;
    bool showInTaskbar = true;
    bool maximized = false;
    QIcon icon;                     // none: no icon in the title bar
    QColor backColor;               // invalid: the toolkit's default
    bool staysBehindWhileDisabled = false; // while disabled: below the other windows, never focused
};

// The top-level widget of a loaded form. It turns the window system's events
// into the form's handlers.
class FormWindow : public QWidget {
public:
    FormWindow(Form &form, const FormStyle &style);

protected:
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif

private:
    friend class Form;
    void centreOnPrimaryScreen();

    Form &m_form;
    FormStyle m_style;
    bool m_centreOnceFramed = false;
};

class Form {
public:
    enum class State { NotLoaded, LoadedHidden, Visible };

    explicit Form(FormStyle style);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    State state() const;
    bool isLoaded() const { return state() != State::NotLoaded; }

    void Load();
    void Show();
    // Returns whether the window was unloaded (Form_QueryUnload did not cancel).
    bool Unload(int16_t unloadMode = ProgramUnload);

    float Left();
    float Top();
    float Width();
    float Height();
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);
    void Move(float left, double top);

    bool Enabled();
    void setEnabled(bool enabled);
    QString Caption();
    void setIcon(const QIcon &icon);
    // The platform's handle of the window.
    int64_t hwnd();

    // The loaded window; loads the form when it is not loaded.
    FormWindow &window();

    // Every loaded form, in the order in which they were loaded.
    static std::vector<Form *> loadedForms();

protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int16_t &Cancel, int16_t UnloadMode) { (void)Cancel; (void)UnloadMode; }
    virtual void Form_KeyDown(int16_t &KeyCode, int16_t &Shift) { (void)KeyCode; (void)Shift; }

    // Creates the controls of a newly loaded window, and forgets them at unload.
    virtual void createControls(FormWindow &window) = 0;
    virtual void forgetControls() = 0;
    // Connects the controls' events to the form's handlers, before Form_Load.
    virtual void connectHandlers() {}

private:
    friend class FormWindow;
    void closeRequested(int16_t unloadMode);
    void keyDown(int16_t keyCode, int16_t shift);
    void placeAtStart();
    void applyFocusRule();

    FormStyle m_style;
    QPointer<FormWindow> m_window;
    bool m_loading = false;
};

// A form whose controls are one struct, built from the window when it loads.
template <class Controls>
class FormOf : public Form {
public:
    using Form::Form;

    // The controls; loads the form when it is not loaded. Other windows reach
    // a window's controls through it too.
    Controls &ui()
    {
        Load();
        return *m_controls;
    }

private:
    void createControls(FormWindow &window) final { m_controls = std::make_unique<Controls>(window); }
    void forgetControls() final { m_controls.reset(); }

    std::unique_ptr<Controls> m_controls;
};

} // namespace toolkit
