#pragma once
// The window base. It gives every window the life cycle the program was
// designed around: a creation handler run once, a show handler run at each
// show, a close handler that decides whether the window hides, and a modal
// show that returns when the window closes.
#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>

class QDialog;
class QEventLoop;

namespace vel {

enum class CloseAction { None, Hide };

// Modal results, as buttons set them.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget *owner = nullptr);
    ~Form() override;

    // Runs the creation handler; the start sequence and every opener of a
    // dialog call it once, right after constructing the window.
    void Create();

    void Show();
    void Hide();
    // Runs the close handler; unless it says otherwise the window hides.
    // Closing the main window ends the program.
    void Close();
    // Shows the window modally and returns its modal result once it closes.
    int ShowModal();
    bool IsModal() const { return modal_; }
    int ModalResultValue() const { return modalResult_; }
    // Setting a result other than mrNone on a modal window closes it.
    void SetModalResult(int result);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString &caption) { setWindowTitle(caption); }
    // A dialog with a fixed border: no minimise or maximise button, the close
    // box only when `titleButtons` asks for it, never minimised or maximised
    // (KeepDialogOnScreen).
    void SetFixedClientSize(int width, int height, bool titleButtons = false);
    void SetGradient(const QColor &top, const QColor &bottom);
    void CentreOnScreen();
    void CentreOnOwner();
    // A panel of the designed size that stays centred however large the
    // window is (main windows open maximised).
    void SetCentredPanel(QWidget *panel) { centredPanel_ = panel; }
    enum class Placement { Screen, Owner, Maximized };
    void SetPlacement(Placement placement) { placement_ = placement; }

    // The program's main window: closing it ends the program.
    static void SetMainForm(Form *form);
    static Form *MainForm();

protected:
    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormClose(CloseAction &) {}

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool created_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    QEventLoop *loop_ = nullptr;
    Placement placement_ = Placement::Screen;
    QColor gradientTop_, gradientBottom_;
    QWidget *centredPanel_ = nullptr;
};

// A dialog stays on screen at its size: a minimise, maximise or full screen
// from the window manager is undone at once. The hints every dialog carries
// (a dialog of fixed size, title bar without those buttons, transient for its
// opener) keep the buttons away on most window managers, but some show them
// anyway (openbox), and a minimised dialog there takes its opener with it,
// with nothing on screen to bring either back; a modal window's opener left
// on screen takes no key or click while the window is away.
void KeepDialogOnScreen(QWidget *dialog);

// For as long as a window is shown modally, whichever window it is, it is
// never left minimised: it comes back to the state it had before (the price
// list, shown maximised, comes back maximised). Maximised or full screen stay
// the user's choice, except for the dialogs of fixed size above. ShowModal
// holds one.
class ModalOnScreen {
public:
    explicit ModalOnScreen(QWidget *window);
    ~ModalOnScreen();
    ModalOnScreen(const ModalOnScreen &) = delete;
    ModalOnScreen &operator=(const ModalOnScreen &) = delete;

private:
    QPointer<QObject> added_;  // none when the window keeps a filter of its own
};

// Shows one of Qt's own dialogs (message box, print, preview, file dialog)
// modally under that rule and returns its result.
int ExecModal(QDialog &dialog);

// Tests replace the modal loop with a script that acts on the open window.
using ModalHandler = std::function<void(Form &)>;
void SetModalHandler(ModalHandler handler);

// Asks the application to end: the event loop stops and the program exits.
void TerminateApplication();
bool TerminateRequested();
void ResetTerminateRequest();

}  // namespace vel
