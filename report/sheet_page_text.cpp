#include "report/sheet_page_text.h"

#include "sheet/windows_1252.h"

namespace kestrava::report {

QStringList SheetPageLines(const DesignRecord& record, const RatingTexts& texts) {
    constexpr qsizetype kTabStop = 8;
    QStringList lines;
    QString line;
    for (const char byte : FormatDesignSheet(record, texts)) {
        if (byte == '\r') continue;
        if (byte == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (byte == '\t') {
            line += QString(kTabStop - line.size() % kTabStop, QLatin1Char(' '));
        } else {
            const char32_t codePoint = FromWindows1252(static_cast<unsigned char>(byte));
            line += QString::fromUcs4(&codePoint, 1);
        }
    }
    if (!line.isEmpty()) lines.push_back(line);
    return lines;
}

}  // namespace kestrava::report
