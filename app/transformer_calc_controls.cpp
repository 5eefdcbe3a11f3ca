#include "app/transformer_calc_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/pics/artwork.h"
#include "ui/enter_presses_button.h"
#include "ui/exit_question.h"
#include "ui/select_on_focus.h"
#include "ui/wheel_needs_focus.h"

// The controls of the parameter window, their layout, tab order and wiring.

namespace kestrava {
namespace {

QLineEdit* NewBox(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    ui::SelectOnFocus::Install(box);
    return box;
}

QComboBox* NewList(const char* name, const QStringList& items, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    // Clicking a list must not take the focus first, so that a pending leave check can veto it.
    list->setFocusPolicy(Qt::TabFocus);
    ui::WheelNeedsFocus::Install(list);
    return list;
}

QLabel* AddRow(QGridLayout* grid, int row, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return label;
}

}  // namespace

void TransformerCalcWindow::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(10);

    auto* instruction = new QLabel(
        QStringLiteral("Enter the parameters of transformer according to your criteria and then "
                       "press the NEXT button."),
        this);
    instruction->setObjectName(QStringLiteral("lblInstruction"));
    instruction->setWordWrap(true);
    QFont instructionFont = instruction->font();
    instructionFont.setBold(true);
    instruction->setFont(instructionFont);
    instruction->setStyleSheet(QStringLiteral("color: #17324f;"));
    layout->addWidget(instruction);

    auto* mandatory = new QGroupBox(QStringLiteral("Mandatory parameters"), this);
    mandatory->setObjectName(QStringLiteral("fraMandatory"));
    auto* mandatoryGrid = new QGridLayout(mandatory);
    primaryVoltageBox_ = NewBox("txtPrmVolt", mandatory);
    kvaBox_ = NewBox("txtKVARating", mandatory);
    secondaryVoltageBox_ = NewBox("txtSecondVolt", mandatory);
    AddRow(mandatoryGrid, 0, QStringLiteral("* Primary Voltage (Vp)   [ Volt ] "),
           primaryVoltageBox_);
    AddRow(mandatoryGrid, 1, QStringLiteral("* KVA Rating (Q)"), kvaBox_);
    AddRow(mandatoryGrid, 2, QStringLiteral("* Secondary Voltage    (Vs) [ Volt ]"),
           secondaryVoltageBox_);
    primaryVoltageBox_->setToolTip(QStringLiteral("Line voltage of the H.V. winding in volts"));
    kvaBox_->setToolTip(QStringLiteral("Rated output in kVA"));
    secondaryVoltageBox_->setToolTip(QStringLiteral("Line voltage of the L.V. winding in volts"));
    for (QLineEdit* box : {primaryVoltageBox_, kvaBox_, secondaryVoltageBox_})
        box->installEventFilter(this);
    layout->addWidget(mandatory);

    auto* optional = new QGroupBox(QStringLiteral("Optional parameters"), this);
    optional->setObjectName(QStringLiteral("fraOptional"));
    auto* optionalGrid = new QGridLayout(optional);
    tappingBox_ = NewBox("txtTapping", optional);
    tappingBox_->setText(QStringLiteral("5"));
    frequencyBox_ = NewBox("txtFrequency", optional);
    frequencyBox_->setText(QStringLiteral("50"));
    QStringList connectionNames;
    for (const ConnectionType type : kConnectionTypes)
        connectionNames << QString::fromLatin1(ConnectionName(type).data(),
                                               static_cast<qsizetype>(ConnectionName(type).size()));
    connectionList_ = NewList("cboConnType", connectionNames, optional);
    windowTypeList_ =
        NewList("cboWin", {QStringLiteral("Core Type"), QStringLiteral("Shell Type")}, optional);
    phaseList_ = NewList("cboPhase", {QStringLiteral("Three"), QStringLiteral("Single")}, optional);
    AddRow(optionalGrid, 0, QStringLiteral("Tapping in %       \u00B1"), tappingBox_);
    AddRow(optionalGrid, 1, QStringLiteral("Frequency (f) [ Hz ]"), frequencyBox_);
    AddRow(optionalGrid, 2, QStringLiteral("Connection Type"), connectionList_);
    AddRow(optionalGrid, 3, QStringLiteral("Window Type"), windowTypeList_)->setEnabled(false);
    AddRow(optionalGrid, 4, QStringLiteral("Phase"), phaseList_)->setEnabled(false);
    windowTypeList_->setEnabled(false);
    phaseList_->setEnabled(false);
    layout->addWidget(optional);

    auto* records = new QGridLayout;
    recordList_ = NewList("cboFile", {}, this);
    AddRow(records, 0, QStringLiteral("Load Previous Values"), recordList_);
    records->setContentsMargins(12, 0, 12, 0);
    layout->addLayout(records);
    // One label column width for all three blocks, so that the fields line up.
    for (QGridLayout* grid : {mandatoryGrid, optionalGrid, records}) {
        grid->setColumnMinimumWidth(0, 230);
        grid->setColumnStretch(1, 1);
    }
    connect(recordList_, &QComboBox::activated, this, &TransformerCalcWindow::LoadSelectedRecord);

    auto* buttons = new QHBoxLayout;
    exitButton_ = new QPushButton(this);
    exitButton_->setObjectName(QStringLiteral("cmdExit"));
    exitButton_->setToolTip(QStringLiteral("Click to exit"));
    exitButton_->setIcon(QPixmap::fromImage(DrawExitIcon(QSize(28, 28))));
    exitButton_->setIconSize(QSize(28, 28));
    exitButton_->setFixedSize(40, 40);
    backButton_ = new QPushButton(QStringLiteral("&Back"), this);
    backButton_->setObjectName(QStringLiteral("cmdBack"));
    backButton_->setToolTip(QStringLiteral("Click to go back"));
    nextButton_ = new QPushButton(QStringLiteral(" &Next  "), this);
    nextButton_->setObjectName(QStringLiteral("cmdNext"));
    nextButton_->setToolTip(
        QStringLiteral("Click to view the transformer in Autocad. Also save the Design Sheet."));
    for (QPushButton* button : {exitButton_, backButton_, nextButton_}) {
        // Clicks must not take the focus first, so that a pending leave check can veto them.
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
    }
    for (QPushButton* button : {backButton_, nextButton_}) button->setMinimumSize(96, 32);
    for (QComboBox* list : {connectionList_, recordList_}) list->installEventFilter(this);
    ui::EnterPressesButton::InstallIn(this);
    buttons->addWidget(exitButton_);
    buttons->addStretch(1);
    buttons->addWidget(backButton_);
    buttons->addWidget(nextButton_);
    layout->addLayout(buttons);

    connect(exitButton_, &QPushButton::clicked, this, [this] {
        if (ui::ConfirmExit(boxes_)) emit exitConfirmed();
    });
    connect(backButton_, &QPushButton::clicked, this, [this] {
        hide();
        emit backRequested();
    });
    connect(nextButton_, &QPushButton::clicked, this, &TransformerCalcWindow::Next);
    connect(primaryVoltageBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
        defaultButton_.Make(text.isEmpty() ? exitButton_ : nextButton_);
    });
    setFixedWidth(540);
}

void TransformerCalcWindow::SetTabOrder() {
    QWidget* const order[] = {primaryVoltageBox_, kvaBox_,         secondaryVoltageBox_,
                              tappingBox_,        frequencyBox_,   connectionList_,
                              backButton_,        nextButton_,     exitButton_,
                              recordList_,        windowTypeList_, phaseList_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace kestrava
