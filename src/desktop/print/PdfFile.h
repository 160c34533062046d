#pragma once

#include <QString>

#include <functional>

class QPdfWriter;

// Makes a PDF whole in memory and writes it in one safe step: the file appears complete or not at all, an
// existing file is replaced only when the whole new one was written, and a link, folder or other special
// file of that name never. draw sets the paper up and draws on the writer; it returns false when it could
// not draw. Returns the cause in German when the file was not written, else the empty text.
QString writePdfFile(const QString& path, const QString& title, const std::function<bool(QPdfWriter&)>& draw);
