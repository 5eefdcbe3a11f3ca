#include "search/ui/grid_editor.h"

#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "search/search_grid_file.h"

namespace kestrava::search::ui {

GridEditor::GridEditor(QWidget* parent) : QWidget(parent), layout_(new QGridLayout) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(layout_);
    int column = 1;
    for (const char* heading : {"First", "Last", "Step"}) {
        layout_->addWidget(new QLabel(tr(heading), this), 0, column++);
    }
    outputConstant_ = AddAxisRow(tr("Output constant K"), QStringLiteral("outputConstant"), 5, 3);
    currentDensity_ =
        AddAxisRow(tr("Current density, A/mm²"), QStringLiteral("currentDensity"), 10, 2);
    windowRatio_ = AddAxisRow(tr("Window height / width"), QStringLiteral("windowRatio"), 20, 2);
    const int row = layout_->rowCount();
    layout_->addWidget(new QLabel(tr("Parallel L.V. strips"), this), row, 0);
    minStrips_ = new QSpinBox(this);
    maxStrips_ = new QSpinBox(this);
    minStrips_->setObjectName(QStringLiteral("minParallelStrips"));
    maxStrips_->setObjectName(QStringLiteral("maxParallelStrips"));
    for (QSpinBox* box : {minStrips_, maxStrips_}) box->setRange(1, 12);
    layout_->addWidget(minStrips_, row, 1);
    layout_->addWidget(maxStrips_, row, 2);
    auto* open = new QPushButton(tr("&Open grid…"), this);
    open->setObjectName(QStringLiteral("cmdOpenGrid"));
    auto* save = new QPushButton(tr("Sa&ve grid…"), this);
    save->setObjectName(QStringLiteral("cmdSaveGrid"));
    connect(open, &QPushButton::clicked, this, &GridEditor::ChooseFileToOpen);
    connect(save, &QPushButton::clicked, this, &GridEditor::ChooseFileToSave);
    auto* files = new QHBoxLayout;
    files->addStretch();
    files->addWidget(open);
    files->addWidget(save);
    outer->addLayout(files);
    SetGrid(SearchGrid());
}

bool GridEditor::OpenFile(const QString& path) {
    const GridReading grid = ReadSearchGridFile(path.toStdString());
    if (!grid.has_value()) {
        emit fileProblem(QString::fromStdString(grid.error()));
        return false;
    }
    SetGrid(*grid);
    return true;
}

bool GridEditor::SaveFile(const QString& path) {
    QSaveFile file(path);
    const std::string json = SearchGridJson(Grid());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(json.data(), static_cast<qint64>(json.size())) !=
            static_cast<qint64>(json.size()) ||
        !file.commit()) {
        emit fileProblem(tr("\"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

void GridEditor::ChooseFileToOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open a search grid"), QString(),
                                                      tr("Search grids (*.json)"));
    if (!path.isEmpty()) OpenFile(path);
}

void GridEditor::ChooseFileToSave() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the search grid"), QStringLiteral("grid.json"), tr("Search grids (*.json)"));
    if (!path.isEmpty()) SaveFile(path);
}

GridEditor::AxisBoxes GridEditor::AddAxisRow(const QString& label, const QString& name,
                                             double maximum, int decimals) {
    const int row = layout_->rowCount();
    layout_->addWidget(new QLabel(label, this), row, 0);
    AxisBoxes boxes{};
    const char* parts[] = {"First", "Last", "Step"};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = new QDoubleSpinBox(this);
        boxes[i]->setObjectName(name + QString::fromLatin1(parts[i]));
        boxes[i]->setDecimals(decimals);
        boxes[i]->setRange(0.0, maximum);
        boxes[i]->setSingleStep(std::pow(10.0, -decimals));
        layout_->addWidget(boxes[i], row, static_cast<int>(i) + 1);
    }
    return boxes;
}

void GridEditor::Show(const AxisBoxes& boxes, const GridAxis& axis) {
    boxes[0]->setValue(axis.first);
    boxes[1]->setValue(axis.last);
    boxes[2]->setValue(axis.step);
}

GridAxis GridEditor::Read(const AxisBoxes& boxes) {
    return {boxes[0]->value(), boxes[1]->value(), boxes[2]->value()};
}

void GridEditor::SetGrid(const SearchGrid& grid) {
    Show(outputConstant_, grid.outputConstant);
    Show(currentDensity_, grid.currentDensity);
    Show(windowRatio_, grid.windowRatio);
    minStrips_->setValue(grid.minParallelStrips);
    maxStrips_->setValue(grid.maxParallelStrips);
    const bool sameSteels = std::equal(
        steelNames_.begin(), steelNames_.end(), grid.steels.begin(), grid.steels.end(),
        [](const std::string& name, const SteelFluxAxis& steel) { return name == steel.steel; });
    if (!sameSteels) {
        qDeleteAll(steelRowWidgets_);
        steelRowWidgets_.clear();
        steelFlux_.clear();
        steelNames_.clear();
        for (const SteelFluxAxis& steel : grid.steels) {
            const QString name = QString::fromStdString(steel.steel);
            steelNames_.push_back(steel.steel);
            steelFlux_.push_back(AddAxisRow(tr("Flux density, T: %1").arg(name),
                                            QStringLiteral("flux-") + name, 3, 2));
            const int row = layout_->rowCount() - 1;
            for (int column = 0; column < 4; ++column) {
                steelRowWidgets_.push_back(layout_->itemAtPosition(row, column)->widget());
            }
        }
    }
    for (std::size_t i = 0; i < grid.steels.size(); ++i) {
        steelNames_[i] = grid.steels[i].steel;
        Show(steelFlux_[i], grid.steels[i].coreFluxDensity);
    }
}

SearchGrid GridEditor::Grid() const {
    SearchGrid grid;
    grid.outputConstant = Read(outputConstant_);
    grid.currentDensity = Read(currentDensity_);
    grid.windowRatio = Read(windowRatio_);
    grid.minParallelStrips = minStrips_->value();
    grid.maxParallelStrips = maxStrips_->value();
    grid.steels.clear();
    for (std::size_t i = 0; i < steelNames_.size(); ++i) {
        grid.steels.push_back({steelNames_[i], Read(steelFlux_[i])});
    }
    return grid;
}

}  // namespace kestrava::search::ui
