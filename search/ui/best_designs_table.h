#pragma once

#include <vector>

#include "engine/design_rules.h"
#include "search/candidate_verdict.h"

class QTableWidget;
class QWidget;

namespace kestrava::search::ui {

// One design of the best-designs table: its score and the full rules it is designed by, kept
// with the row so the shown rules are the ones handed on.
struct DesignRow {
    CandidateScore score;
    DesignRules rules;
};

// An empty, read-only table of designs with one row selectable at a time.
QTableWidget* NewBestDesignsTable(QWidget* parent);

// Shows 'rows' in order; when 'firstIsRefined' the first is the refinement's best, and the row
// headers say which row is refined and number the grid's designs after it.
void FillBestDesignsTable(QTableWidget& table, const std::vector<DesignRow>& rows,
                          bool firstIsRefined);

}  // namespace kestrava::search::ui
