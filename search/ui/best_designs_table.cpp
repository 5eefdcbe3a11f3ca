#include "search/ui/best_designs_table.h"

#include <QHeaderView>
#include <QTableWidget>

namespace kestrava::search::ui {
namespace {

constexpr int kColumns = 9;

QString Money(double value) {
    return QString::number(value, 'f', 2);
}

}  // namespace

QTableWidget* NewBestDesignsTable(QWidget* parent) {
    auto* table = new QTableWidget(0, kColumns, parent);
    table->setObjectName(QStringLiteral("bestDesigns"));
    table->setHorizontalHeaderLabels({QObject::tr("Owning"), QObject::tr("Material"),
                                      QObject::tr("Losses"), QObject::tr("K"), QObject::tr("Bm, T"),
                                      QObject::tr("δ, A/mm²"), QObject::tr("Hw/Ww"),
                                      QObject::tr("Strips"), QObject::tr("Steel")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setVisible(false);
    return table;
}

void FillBestDesignsTable(QTableWidget& table, const std::vector<DesignRow>& rows,
                          bool firstIsRefined) {
    table.setRowCount(0);  // drops the old row headers too
    table.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const DesignRow& design = rows[static_cast<std::size_t>(row)];
        const DesignRules& rules = design.rules;
        const QString cells[kColumns] = {
            Money(design.score.totalOwning),        Money(design.score.material),
            Money(design.score.lossCapitalisation), QString::number(rules.outputConstant),
            QString::number(rules.coreFluxDensity), QString::number(rules.currentDensity),
            QString::number(rules.windowRatio),     QString::number(rules.parallelStrips),
            QString::fromStdString(rules.steel)};
        for (int column = 0; column < kColumns; ++column) {
            table.setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        if (firstIsRefined) {
            table.setVerticalHeaderItem(row, new QTableWidgetItem(row == 0 ? QObject::tr("Refined")
                                                                           : QString::number(row)));
        }
    }
    if (firstIsRefined && !rows.empty()) {
        const QString tip = QObject::tr("Refined: found on finer grids around the grid's best");
        for (int column = 0; column < kColumns; ++column) table.item(0, column)->setToolTip(tip);
        table.verticalHeaderItem(0)->setToolTip(tip);
    }
    table.verticalHeader()->setVisible(firstIsRefined);
    if (table.rowCount() > 0) table.selectRow(0);
}

}  // namespace kestrava::search::ui
