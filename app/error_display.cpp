#include "error_display.h"

#include "exception.h"
#include "sApplication.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace zarvin {

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void ShowException(const Exception& error) {
    // A pressed button or an open list must let go of the mouse before the box
    // takes over.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    if (dynamic_cast<const EAbort*>(&error))
        return;

    const auto* app = qobject_cast<TApplication*>(QCoreApplication::instance());
    QWidget* parent = QApplication::activeWindow();
    if (!parent && app)
        parent = app->mainForm();
    QMessageBox box(QMessageBox::Critical, app ? app->title() : QString(),
                    errorBoxText(QString::fromStdString(error.message())), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorBox"));
    // What a person typed is quoted here and must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void showEscapedException(std::exception_ptr error) {
    try {
        std::rethrow_exception(std::move(error));
    } catch (const Exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception(std::string()));
    }
}

} // namespace zarvin
