#include "ui/MessageSink.h"

#include <QApplication>
#include <QMessageBox>

namespace torvana {

void MessageBoxSink::ShowMessage(const std::string& text)
{
    QMessageBox::information(parent, QApplication::applicationDisplayName(),
                             QString::fromStdString(text));
}

Answer MessageBoxSink::AskYesNoCancel(const std::string& text)
{
    const auto button = QMessageBox::question(
        parent, QApplication::applicationDisplayName(), QString::fromStdString(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes) {
        return Answer::Yes;
    }
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

}  // namespace torvana
