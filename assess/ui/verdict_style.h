#pragma once

#include <QColor>
#include <QString>

#include "assess/verdict.h"

class QLabel;

namespace kestrava::assess::ui {

QString VerdictText(Verdict verdict);  // VerdictWord as a QString
QColor VerdictColor(Verdict verdict);  // green, red or grey

// Shows 'verdict' on 'label' as its word in white on its colour.
void ShowVerdict(QLabel& label, Verdict verdict);

}  // namespace kestrava::assess::ui
