#include "ui/MessageBox.h"

#include <QMessageBox>
#include <QPointer>

namespace ui {

void showMessageBox(QWidget* parent, const QString& caption, const QString& text) {
    // On the heap and watched: if its parent goes while the box is open, the parent deletes it.
    const QPointer box =
        new QMessageBox(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setTextFormat(Qt::PlainText);
    box->exec();
    delete box;
}

} // namespace ui
