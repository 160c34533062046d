#pragma once

#include <QString>

// Why a file operation failed, in German for the user: the cause behind an errno value, e.g. ENOSPC gives
// "Kein Speicherplatz mehr auf dem Datenträger". A value without its own text is named with its number.
QString fileErrorText(int error);
