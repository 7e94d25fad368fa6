#ifndef QTCEF_SRC_NETWORK_PROFILE_FILE_H_
#define QTCEF_SRC_NETWORK_PROFILE_FILE_H_

#include <QByteArray>
#include <QString>

namespace qtcef {

// The engine's own files in a profile folder that the player's programs
// may also reach, read and written with the platform's own calls so that
// neither ever follows a link out of the folder, waits on a pipe, or writes
// into a file that has a second name elsewhere.

// The bytes of the regular file |path|; empty when there is none, or when
// something else stands there (a link, a pipe, a folder).
QByteArray ReadProfileFile(const QString& path);

// Makes |bytes| the content of |path| in one step: they go to a new file
// "<path>.tmp", which is flushed and then renamed over |path|. A link at
// |path| is replaced, never followed. Returns whether it succeeded.
bool ReplaceProfileFile(const QString& path, const QByteArray& bytes);

// Whether a descriptor of this process refers to the file |path|; false
// when nothing is there.
bool IsOpenInThisProcess(const QString& path);

// Removes the folder |path| with everything in it. A link at |path| or
// inside is removed as a link and never followed, and nothing mounted
// inside is entered.
void RemoveFolderTree(const QString& path);

}  // namespace qtcef

#endif  // QTCEF_SRC_NETWORK_PROFILE_FILE_H_
