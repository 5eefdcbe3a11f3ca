#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "search/search_grid.h"

class QDoubleSpinBox;
class QGridLayout;
class QSpinBox;

namespace kestrava::search::ui {

// Edits a search grid: first, last and step of each axis, one flux axis per steel, and the range
// of parallel strips.
class GridEditor final : public QWidget {
    Q_OBJECT
  public:
    explicit GridEditor(QWidget* parent = nullptr);

    void SetGrid(const SearchGrid& grid);
    SearchGrid Grid() const;

    // Reads a grid file over the default grid into the editor, or saves the editor's grid; the
    // problem, if any, also goes to fileProblem().
    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path);

  signals:
    void fileProblem(const QString& problem);

  private:
    void ChooseFileToOpen();
    void ChooseFileToSave();
    using AxisBoxes = std::array<QDoubleSpinBox*, 3>;  // first, last, step
    AxisBoxes AddAxisRow(const QString& label, const QString& name, double maximum, int decimals);
    static void Show(const AxisBoxes& boxes, const GridAxis& axis);
    static GridAxis Read(const AxisBoxes& boxes);

    QGridLayout* layout_ = nullptr;
    AxisBoxes outputConstant_{};
    AxisBoxes currentDensity_{};
    AxisBoxes windowRatio_{};
    std::vector<std::string> steelNames_;
    std::vector<AxisBoxes> steelFlux_;
    std::vector<QWidget*> steelRowWidgets_;  // labels and boxes of the flux rows
    QSpinBox* minStrips_ = nullptr;
    QSpinBox* maxStrips_ = nullptr;
};

}  // namespace kestrava::search::ui
