#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace tav::canvas {

// Data files are 8-bit text: shown as UTF-8 when the bytes are valid UTF-8, as Latin-1
// otherwise. Texts go back to the core as UTF-8; plain ASCII, which the catalogue
// keys are, is the same either way.
QString FromData(std::string_view bytes);
std::string ToData(const QString& text);
QStringList FromDataLines(const std::vector<std::string>& lines);

} // namespace tav::canvas
