#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

namespace ui {

void showMessageBox(QWidget* parent, const QString& caption, const QString& text) {
    // On the heap and watched: if its parent goes while the box is open, the parent deletes it.
    const QPointer box =
        new QMessageBox(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setTextFormat(Qt::PlainText);
    // The message labels the button, which is how it reaches a braille display (see
    // AccessibleButton). A buddy makes an ampersand in the text a shortcut: not then.
    auto* message = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (message && !text.contains(QLatin1Char('&'))) {
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        message->setBuddy(ok);
    }
    box->exec();
    delete box;
}

} // namespace ui
