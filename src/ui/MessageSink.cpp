#include "ui/MessageSink.h"

#include "ui/ApplicationIdentity.h"

#include <QMessageBox>

namespace torvana {

void MessageBoxSink::ShowMessage(const std::string& text)
{
    QMessageBox::information(parent, QString::fromLatin1(ApplicationTitle),
                             QString::fromStdString(text));
}

Answer MessageBoxSink::AskYesNoCancel(const std::string& text)
{
    const auto button = QMessageBox::question(
        parent, QString::fromLatin1(ApplicationTitle), QString::fromStdString(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes) {
        return Answer::Yes;
    }
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

}  // namespace torvana
