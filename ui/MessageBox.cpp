#include "ui/MessageBox.h"

#include <QMessageBox>
#include <QPointer>

namespace ui {
namespace {

MessagePresenter& presenter() {
    static MessagePresenter current;
    return current;
}

void showModalBox(QWidget* parent, const QString& caption, const QString& text) {
    // On the heap and watched: if its parent goes while the box is open, the parent deletes it.
    const QPointer box =
        new QMessageBox(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setTextFormat(Qt::PlainText);
    box->exec();
    delete box;
}

} // namespace

void showMessage(QWidget* parent, const QString& caption, const QString& text) {
    if (presenter())
        presenter()(parent, caption, text);
    else
        showModalBox(parent, caption, text);
}

MessagePresenter setMessagePresenter(MessagePresenter replacement) {
    return std::exchange(presenter(), std::move(replacement));
}

} // namespace ui
