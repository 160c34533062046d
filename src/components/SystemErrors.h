#pragma once

#include <QString>

#include <sys/types.h>

// What the operating system's error number means, as one German sentence for a teacher or a pupil: what
// is really wrong with the name or the file, never a guess such as "existiert nicht" for a locked folder.
QString germanSystemError(int errorNumber);

// The system's own (English) text of the error number, for standard error.
QString systemErrorText(int errorNumber);

// The same about a named path: where the name came with bytes that are not UTF-8 (they reach the program
// as replacement characters and cannot be found again), the sentence says so.
QString germanPathError(const QString& path, int errorNumber);

// What stands under a name that is not a regular file, as a German noun phrase ("ein Ordner", "eine
// benannte Pipe (FIFO)", "ein Gerät" …), for the reader's and the writer's refusals alike.
QString germanFileKind(mode_t mode);
