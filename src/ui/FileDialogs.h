#pragma once
// The window's file dialogs and the desktop's document viewer, behind one
// interface so tests can answer them without modal dialogs.

#include <QString>

class QWidget;

namespace torvana {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file's full name, or empty when the dialog was cancelled.
    virtual QString ChooseOpenFile(const QString& fileName) = 0;
    virtual QString ChooseSaveFile(const QString& fileName) = 0;
    // Where the printed page goes as a PDF.
    virtual QString ChoosePdfFile(const QString& fileName) = 0;
    // False when no viewer could be started for the document.
    virtual bool OpenDocument(const QString& path) = 0;
};

// Parameter-file (*.ign) and PDF dialogs, and QDesktopServices.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent(parent) {}
    QString ChooseOpenFile(const QString& fileName) override;
    QString ChooseSaveFile(const QString& fileName) override;
    QString ChoosePdfFile(const QString& fileName) override;
    bool OpenDocument(const QString& path) override;

private:
    QWidget* parent;
};

}  // namespace torvana
