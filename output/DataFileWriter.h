#pragma once

#include <QString>

#include <string>

namespace decay {

// Replaces the file at `path` with `bytes` as a whole: the bytes go to a temporary file in the
// same folder, which is renamed over the target only when every byte is on disk, so an existing
// file is never left half-written. Returns an empty text on success, else what went wrong.
QString writeFileAtomically(const QString& path, const std::string& bytes);

} // namespace decay
