#pragma once

#include <QString>

#include "assess/assessment_settings.h"

class QSettings;

namespace kestrava::assess::ui {

// What the Results window keeps between runs: the settings and the chosen regime's name.
struct StoredAssessmentChoice {
    AssessmentSettings settings;
    QString regime;  // empty: no regime
};

// Reads the choice from 'store'; values that are missing or that the assessment refuses keep
// their defaults.
StoredAssessmentChoice LoadAssessmentChoice(QSettings& store);
void SaveAssessmentChoice(QSettings& store, const StoredAssessmentChoice& choice);

}  // namespace kestrava::assess::ui
