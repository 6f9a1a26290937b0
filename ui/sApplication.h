#pragma once

#include <QApplication>

#include <exception>
#include <functional>
#include <memory>

class QWidget;

// The application object: owns the main window, carries the application's
// title and hands every exception that escapes an event to one handler, so
// none unwinds through Qt.
class TApplication : public QApplication {
    Q_OBJECT
public:
    using ExceptionHandler = std::function<void(std::exception_ptr)>;

    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // Names the task bar entry and every message box.
    void setTitle(const QString& title);
    QString title() const;

    // Creates the main window; the application keeps it until it ends. The
    // window system shows it under the application's title.
    template <class Form> Form* createForm() {
        auto form = std::make_unique<Form>();
        Form* raw = form.get();
        raw->setWindowTitle(title());
        mainForm_ = std::move(form);
        return raw;
    }
    QWidget* mainForm() const { return mainForm_.get(); }

    void setExceptionHandler(ExceptionHandler handler) { handler_ = std::move(handler); }
    // Passes the exception in flight to the handler; the loop then goes on.
    void handleException(std::exception_ptr error);

    // Runs an action of ours that Qt called, handing whatever it throws to the
    // application's handler.
    template <class F> static void guarded(F&& action) noexcept {
        try {
            action();
        } catch (...) {
            handleCurrentException();
        }
    }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    static void handleCurrentException() noexcept;

    ExceptionHandler handler_;
    std::unique_ptr<QWidget> mainForm_;
};
