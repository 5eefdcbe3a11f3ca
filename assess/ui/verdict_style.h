#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QLabel;

namespace kestrava::assess::ui {

// A verdict: true passes, false fails, none is not covered.
using Verdict = std::optional<bool>;

QString VerdictWord(Verdict verdict);  // "PASS", "FAIL" or "NOT COVERED"
QColor VerdictColor(Verdict verdict);  // green, red or grey

// Shows 'verdict' on 'label' as its word in white on its colour.
void ShowVerdict(QLabel& label, Verdict verdict);

}  // namespace kestrava::assess::ui
