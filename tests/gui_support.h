#pragma once

#include "Unit1.h"
#include "sControls.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace zarvin::testing {

// A fresh main window, shown and active, for one test.
inline std::unique_ptr<TForm1> showForm() {
    auto form = std::make_unique<TForm1>();
    form->setWindowTitle(QApplication::applicationDisplayName());
    form->show();
    QApplication::setActiveWindow(form.get());
    form->activateWindow();
    (void)QTest::qWaitForWindowExposed(form.get());
    return form;
}

struct SeenBox {
    bool shown = false;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool okButton = false;
    bool modal = false;
};

// Presses the box's OK with the mouse, as a user would.
inline void clickOk(QMessageBox* box) {
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        box->reject();
}

// Runs action, which is expected to open an error box; records the box and
// answers it. The box runs its own loop inside the action, so this is done
// from a timer.
inline SeenBox whileErrorBoxOpen(const std::function<void()>& action,
                                 const std::function<void(QMessageBox*)>& inspect = {},
                                 const std::function<void(QMessageBox*)>& answer = clickOk) {
    SeenBox seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        seen.shown = true;
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        seen.buttonCount = static_cast<int>(box->buttons().size());
        seen.okButton = box->button(QMessageBox::Ok) != nullptr;
        seen.modal = box->isModal();
        if (inspect)
            inspect(box);
        answer(box);
    });
    poll.start();
    action();
    return seen;
}

// Everything the window shows that an action could change.
inline QStringList shownTexts(const TForm1& form) {
    QStringList texts;
    for (const TsEdit* edit : {form.sEdit1, form.sEdit2, form.sEdit3, form.sEdit4, form.sEdit5,
                               form.sEdit6, form.sEdit7, form.sEdit8})
        texts << edit->text();
    texts << form.sLabel10->caption() << form.sComboBox1->currentText();
    return texts;
}

} // namespace zarvin::testing
