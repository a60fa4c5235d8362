#pragma once

#include "desktop/Seam.h"

#include <QFileDialog>
#include <QString>

class QWidget;

struct FileDialogRequest
{
    QString caption;
    QString filter; // Qt syntax: "Description (*.ext)"
    QString defaultSuffix; // added when the user types a name without one
    QFileDialog::Options options;
    QString selectedFile = {}; // the name the dialog starts with; empty for none
};

// Standard open and save dialogs. An empty result means the user cancelled. Tests set the next file name instead.
class FileDialogs : public Seam<FileDialogs>
{
public:
    virtual ~FileDialogs() = default;
    virtual QString getOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString getSaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
};

template <>
FileDialogs& Seam<FileDialogs>::real();
