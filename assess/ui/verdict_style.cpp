#include "assess/ui/verdict_style.h"

#include <QLabel>

namespace kestrava::assess::ui {

QString VerdictText(Verdict verdict) {
    return QString::fromUtf8(VerdictWord(verdict));
}

QColor VerdictColor(Verdict verdict) {
    if (!verdict) return QColor(0x6d, 0x6d, 0x6d);
    return *verdict ? QColor(0x2e, 0x7d, 0x32) : QColor(0xc6, 0x28, 0x28);
}

void ShowVerdict(QLabel& label, Verdict verdict) {
    label.setText(VerdictText(verdict));
    label.setAlignment(Qt::AlignCenter);
    label.setStyleSheet(QStringLiteral("QLabel { color: white; background: %1; font-weight: bold; "
                                       "padding: 2px 8px; border-radius: 3px; }")
                            .arg(VerdictColor(verdict).name()));
}

}  // namespace kestrava::assess::ui
