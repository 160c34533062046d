#pragma once

#include "editing/CatalogueDocument.h"

class QWidget;

// Shows the record on its page as a pupil sees it, drawn by the test's own window over the edited
// catalogue: a test of the record's level, its page straight away, the record drawn first. The preview is
// a window of its own beside the editor, closed with it; its records go to a private folder. Returns the
// preview's window, or nullptr after telling the teacher why there is none.
QWidget* showRecordPreview(const CatalogueDocument& document, int id, const QString& dataFolder,
                           QWidget& editor);
