#include "ui/FileDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace torvana {

namespace {

constexpr auto ParameterExtension = "ign";
const QString ParameterFilter = QStringLiteral("Ignition Parametrs(*.ign)");
const QString AllFilesFilter = QStringLiteral("All Files (*.*)");
constexpr auto PdfExtension = "pdf";
const QString PdfFilter = QStringLiteral("PDF (*.pdf)");

QString RunDialog(QFileDialog& dialog, const QString& fileName, const char* extension = ParameterExtension)
{
    dialog.setDefaultSuffix(extension);
    if (!fileName.trimmed().isEmpty()) {
        dialog.selectFile(fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtFileDialogs::ChooseOpenFile(const QString& fileName)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({ParameterFilter, AllFilesFilter});
    return RunDialog(dialog, fileName);
}

QString QtFileDialogs::ChooseSaveFile(const QString& fileName)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({ParameterFilter});
    dialog.selectNameFilter(ParameterFilter);
    return RunDialog(dialog, fileName);
}

QString QtFileDialogs::ChoosePdfFile(const QString& fileName)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({PdfFilter});
    return RunDialog(dialog, fileName, PdfExtension);
}

bool QtFileDialogs::OpenDocument(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace torvana
