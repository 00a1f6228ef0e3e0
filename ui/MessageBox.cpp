#include "ui/MessageBox.h"

#include <QMessageBox>

namespace ui {
namespace {

MessagePresenter& presenter() {
    static MessagePresenter current;
    return current;
}

void showModalBox(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
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
