#include "desktop/FileDialogs.h"

namespace {

QString runDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.caption, QString(), request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOptions(request.options);
    if (!request.selectedFile.isEmpty()) {
        dialog.selectFile(request.selectedFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

class RealFileDialogs : public FileDialogs
{
public:
    QString getOpenFileName(QWidget* parent, const FileDialogRequest& request) override
    {
        return runDialog(parent, request, QFileDialog::AcceptOpen);
    }
    QString getSaveFileName(QWidget* parent, const FileDialogRequest& request) override
    {
        return runDialog(parent, request, QFileDialog::AcceptSave);
    }
};

} // namespace

template <>
FileDialogs& Seam<FileDialogs>::real()
{
    static RealFileDialogs real;
    return real;
}
