#pragma once

#include "tests/support/CallSite.h"

#include <QString>

// A written PDF read back by poppler's tools (poppler-utils), as a reader would see it. Each fails the running test,
// naming the tool, when the tool is missing or cannot read the file.
namespace PdfTools {

// The text pdftotext finds, laid out as on the page (so a label and its value share a line), with every run of
// white space (line ends and page breaks included) made one space.
QString text(const QString& path, CallSite where = CallSite());
// One field of pdfinfo ("Pages", "Title", "Page size"), as it prints it.
QString info(const QString& path, const QString& field, CallSite where = CallSite());
int pageCount(const QString& path, CallSite where = CallSite());
// How many pictures pdfimages lists (a picture with transparency counts once, its mask not at all).
int imageCount(const QString& path, CallSite where = CallSite());

} // namespace PdfTools
