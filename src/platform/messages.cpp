// Corvanthelix - telling the player about a trouble.
#include "platform/messages.h"

#include <QMessageBox>
#include <QWidget>

void Tell(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox *message = nullptr;
    for (QMessageBox *open : parent->findChildren<QMessageBox *>(QString(), Qt::FindDirectChildrenOnly))
        if (open->windowTitle() == title)
            message = open;
    if (!message) {
        message = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        message->setObjectName(QStringLiteral("Message"));
        message->setTextFormat(Qt::PlainText);
        message->setAttribute(Qt::WA_DeleteOnClose);
        message->setWindowModality(Qt::NonModal);
    }
    message->setText(text);
    message->show();
    message->raise();
    message->activateWindow();
}
