#include "Form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <QThread>
#include <QTimer>

#include "Controls.h"

namespace vel {
namespace {
Form *g_mainForm = nullptr;
bool g_terminate = false;
ModalHandler &Handler() {
    static ModalHandler handler;
    return handler;
}
}  // namespace

Form::Form(QWidget *owner) : QWidget(owner, Qt::Window) {
    // Every window opens on the primary screen. Said once here, it spares each
    // control the search for the screen under its hidden window, which Qt
    // makes whenever a control asks for its resolution (a font set, a size
    // measured) before the window first shows.
    setScreen(QGuiApplication::primaryScreen());
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
}

Form::~Form() {
    if (g_mainForm == this) g_mainForm = nullptr;
    // The controls die after this object: the focus leaving an edit while they
    // are destroyed must not run handlers that reach members already gone.
    for (Edit *edit : findChildren<Edit *>()) edit->DetachHandlers();
    if (loop_) loop_->exit();
}

void Form::Create() {
    if (created_) return;
    created_ = true;
    FormCreate();
}

void Form::Show() {
    switch (placement_) {
    case Placement::Maximized: showMaximized(); break;
    case Placement::Owner: CentreOnOwner(); show(); break;
    case Placement::Screen: CentreOnScreen(); show(); break;
    }
    // The headless platform of the tests cannot raise windows and says so.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
    activateWindow();
}

void Form::Hide() { hide(); }

void Form::Close() { close(); }

void Form::closeEvent(QCloseEvent *event) {
    CloseAction action = CloseAction::Hide;
    FormClose(action);
    if (action == CloseAction::None) {
        if (modal_) modalResult_ = mrNone;
        event->ignore();
        return;
    }
    event->accept();  // hides the window
    if (modal_) {
        if (modalResult_ == mrNone) modalResult_ = mrCancel;
        if (loop_) loop_->exit();
    }
    if (this == g_mainForm) TerminateApplication();
}

void Form::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void Form::SetModalResult(int result) {
    modalResult_ = result;
    if (modal_ && result != mrNone) Close();
}

int Form::ShowModal() {
    modal_ = true;
    modalResult_ = mrNone;
    setWindowModality(Qt::ApplicationModal);
    ModalOnScreen keep(this);
    Show();
    if (Handler()) {
        Handler()(*this);
        if (isVisible()) Close();  // a script that forgot to close still returns
    } else if (isVisible()) {
        QEventLoop loop;
        loop_ = &loop;
        loop.exec(QEventLoop::DialogExec);
        loop_ = nullptr;
    }
    hide();
    modal_ = false;
    setWindowModality(Qt::NonModal);
    return modalResult_ == mrNone ? int(mrCancel) : modalResult_;
}

void Form::SetFixedClientSize(int width, int height, bool titleButtons) {
    setFixedSize(width, height);
    // A dialog to the window system: some window managers give a plain window
    // minimise and maximise buttons whatever its hints ask, never a dialog of
    // fixed size.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (titleButtons) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    setWindowFlags(flags);
    KeepDialogOnScreen(this);
}

namespace {

constexpr const char *kOnScreenFilterName = "velmoraDialogOnScreen";

// Undoes a change of state the window may not keep, once the window has
// taken it in: asked back, the window is mapped again, and the window manager
// brings back with it the opener it minimised too. A dialog of fixed size
// keeps neither a minimise nor a maximise nor full screen. Any other window
// shown modally (the price list, shown maximised; Qt's print preview, print
// and file dialogs) may be maximised or restored as the user likes, and comes
// back from a minimise to the state it had before it.
class DialogOnScreen final : public QObject {
public:
    enum class Keeps { NormalOnly, AnyButMinimised };

    DialogOnScreen(QWidget *window, Keeps keeps)
        : QObject(window), keeps_(keeps), before_(window->windowState() & ~Qt::WindowMinimized) {
        setObjectName(QLatin1String(kOnScreenFilterName));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *window = static_cast<QWidget *>(watched);
        const bool shown = event->type() == QEvent::Show && !event->spontaneous();
        if (event->type() != QEvent::WindowStateChange && !shown) return false;
        const Qt::WindowStates state = window->windowState();
        if (!Refused(state)) {
            before_ = state;
            return false;
        }
        QTimer::singleShot(0, this, [this, window] {
            const Qt::WindowStates now = window->windowState();
            if (!Refused(now) || !window->isVisible()) return;
            // A minimised window on X11 keeps its maximised flag; offscreen
            // and some window managers drop it, hence the state kept before.
            window->setWindowState(keeps_ == Keeps::NormalOnly ? now & ~kNeverKept
                                                               : (now & ~Qt::WindowMinimized) | before_);
            if (QGuiApplication::platformName() != QLatin1String("offscreen")) window->raise();
            window->activateWindow();
        });
        return false;
    }

private:
    static constexpr Qt::WindowStates kNeverKept{Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen};
    bool Refused(Qt::WindowStates state) const {
        return bool(state & (keeps_ == Keeps::NormalOnly ? kNeverKept : Qt::WindowStates(Qt::WindowMinimized)));
    }

    Keeps keeps_;
    Qt::WindowStates before_;  // the last state the window was allowed to keep
};

DialogOnScreen *OnScreenFilterOf(QWidget *window) {
    return window->findChild<DialogOnScreen *>(QLatin1String(kOnScreenFilterName), Qt::FindDirectChildrenOnly);
}

}  // namespace

void KeepDialogOnScreen(QWidget *dialog) {
    if (OnScreenFilterOf(dialog)) return;
    dialog->installEventFilter(new DialogOnScreen(dialog, DialogOnScreen::Keeps::NormalOnly));
}

ModalOnScreen::ModalOnScreen(QWidget *window) {
    if (OnScreenFilterOf(window)) return;
    auto *filter = new DialogOnScreen(window, DialogOnScreen::Keeps::AnyButMinimised);
    window->installEventFilter(filter);
    added_ = filter;
}

ModalOnScreen::~ModalOnScreen() { delete added_.data(); }

int ExecModal(QDialog &dialog) {
    ModalOnScreen keep(&dialog);
    return dialog.exec();
}

void Form::SetGradient(const QColor &top, const QColor &bottom) {
    gradientTop_ = top;
    gradientBottom_ = bottom;
    update();
}

void Form::paintEvent(QPaintEvent *event) {
    if (gradientTop_.isValid()) {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, gradientTop_);
        g.setColorAt(1, gradientBottom_);
        p.fillRect(rect(), g);
    }
    QWidget::paintEvent(event);
}

void Form::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    if (centredPanel_)
        centredPanel_->move(std::max(0, (width() - centredPanel_->width()) / 2),
                            std::max(0, (height() - centredPanel_->height()) / 2));
}

void Form::CentreOnScreen() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = frameGeometry().size().isValid() ? frameGeometry().size() : this->size();
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void Form::CentreOnOwner() {
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner) return CentreOnScreen();
    const QRect r = owner->frameGeometry();
    move(r.center() - QPoint(width() / 2, height() / 2));
}

void Form::SetMainForm(Form *form) { g_mainForm = form; }
Form *Form::MainForm() { return g_mainForm; }

void SetModalHandler(ModalHandler handler) { Handler() = std::move(handler); }

void TerminateApplication() {
    g_terminate = true;
    // Outside a running event loop (a test acting on windows directly) a
    // pending exit would end the next modal loop at once; there is nothing to
    // stop then.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}
bool TerminateRequested() { return g_terminate; }
void ResetTerminateRequest() { g_terminate = false; }

}  // namespace vel
