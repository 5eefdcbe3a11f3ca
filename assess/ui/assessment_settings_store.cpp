#include "assess/ui/assessment_settings_store.h"

#include <QSettings>

namespace kestrava::assess::ui {
namespace {

// Every stored number with its key; one list serves loading and saving.
template <class Settings, class Visit>
void ForEachStoredNumber(Settings& s, Visit&& visit) {
    visit("prices/coreSteel", s.prices.coreSteel);
    visit("prices/copper", s.prices.copper);
    visit("prices/oil", s.prices.oil);
    visit("prices/tankSteel", s.prices.tankSteel);
    visit("capitalisation/noLoadLossPerW", s.capitalisation.noLoadLossPerW);
    visit("capitalisation/loadLossPerW", s.capitalisation.loadLossPerW);
    visit("tankWallThickness", s.tankWallThickness);
}

const QString kGroup = QStringLiteral("assessment");
const QString kRegimeKey = QStringLiteral("regime");

}  // namespace

StoredAssessmentChoice LoadAssessmentChoice(QSettings& store) {
    StoredAssessmentChoice choice;
    store.beginGroup(kGroup);
    AssessmentSettings read;
    ForEachStoredNumber(read, [&](const char* key, double& value) {
        bool ok = false;
        const double stored = store.value(QLatin1String(key)).toDouble(&ok);
        if (ok) value = stored;
    });
    if (CheckSettingsValues(read).has_value()) choice.settings = read;
    choice.regime = store.value(kRegimeKey).toString();
    store.endGroup();
    return choice;
}

void SaveAssessmentChoice(QSettings& store, const StoredAssessmentChoice& choice) {
    store.beginGroup(kGroup);
    ForEachStoredNumber(choice.settings, [&](const char* key, const double& value) {
        store.setValue(QLatin1String(key), value);
    });
    store.setValue(kRegimeKey, choice.regime);
    store.endGroup();
}

}  // namespace kestrava::assess::ui
