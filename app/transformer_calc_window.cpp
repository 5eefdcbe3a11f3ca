#include "app/transformer_calc_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/pics/artwork.h"
#include "engine/design_transformer.h"
#include "engine/number_text.h"
#include "engine/rating_texts.h"
#include "records/param_record_store.h"
#include "ui/enter_presses_button.h"
#include "ui/exit_question.h"
#include "ui/message_boxes.h"
#include "ui/select_on_focus.h"
#include "ui/wheel_needs_focus.h"
#include "ui/window_placement.h"

namespace kestrava {
namespace {

const QString kPleaseEnterValidData = QStringLiteral("Please enter valid data.");

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text);
}

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

QString InconsistentDesignWarning() {
    return QStringList{QStringLiteral("Warning: "),
                       QStringLiteral("The entered values are not consistent!"),
                       QStringLiteral("Still you can save the design sheet, but the transformer "
                                      "will look absurd after designing."),
                       QStringLiteral("You can also enter new parameters by coming back to this "
                                      "form.")}
        .join(QStringLiteral("\r\n"));
}

TransformerCalcWindow::TransformerCalcWindow(ui::MessageBoxes& boxes, const ParamRecordStore& store,
                                             ConductorTableSource& table, DesignRecord& record,
                                             QString appTitle, QWidget* parent)
    : QWidget(parent),
      boxes_(boxes, this),
      store_(store),
      table_(table),
      record_(record),
      appTitle_(std::move(appTitle)) {
    setObjectName(QStringLiteral("frmTransformerCalc"));
    BuildControls();
    SetTabOrder();

    // Load.
    setWindowTitle(appTitle_ + QStringLiteral(": Transformer Parameters"));
    cboConnType_->setCurrentIndex(0);
    cboWin_->setCurrentIndex(0);
    cboPhase_->setCurrentIndex(0);
    MakeDefault(cmdExit_);
    txtPrmVolt_->setFocus(Qt::OtherFocusReason);
    ui::CenterOnScreen(this);
    FillRecordList();
}

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
    txtPrmVolt_ = NewBox("txtPrmVolt", mandatory);
    txtKVARating_ = NewBox("txtKVARating", mandatory);
    txtSecondVolt_ = NewBox("txtSecondVolt", mandatory);
    AddRow(mandatoryGrid, 0, QStringLiteral("* Primary Voltage (Vp)   [ Volt ] "), txtPrmVolt_);
    AddRow(mandatoryGrid, 1, QStringLiteral("* KVA Rating (Q)"), txtKVARating_);
    AddRow(mandatoryGrid, 2, QStringLiteral("* Secondary Voltage    (Vs) [ Volt ]"),
           txtSecondVolt_);
    txtPrmVolt_->setToolTip(QStringLiteral("Line voltage of the H.V. winding in volts"));
    txtKVARating_->setToolTip(QStringLiteral("Rated output in kVA"));
    txtSecondVolt_->setToolTip(QStringLiteral("Line voltage of the L.V. winding in volts"));
    for (QLineEdit* box : {txtPrmVolt_, txtKVARating_, txtSecondVolt_})
        box->installEventFilter(this);
    layout->addWidget(mandatory);

    auto* optional = new QGroupBox(QStringLiteral("Optional parameters"), this);
    optional->setObjectName(QStringLiteral("fraOptional"));
    auto* optionalGrid = new QGridLayout(optional);
    txtTapping_ = NewBox("txtTapping", optional);
    txtTapping_->setText(QStringLiteral("5"));
    txtFrequency_ = NewBox("txtFrequency", optional);
    txtFrequency_->setText(QStringLiteral("50"));
    QStringList connectionNames;
    for (const ConnectionType type : kConnectionTypes)
        connectionNames << QString::fromLatin1(ConnectionName(type).data(),
                                               static_cast<qsizetype>(ConnectionName(type).size()));
    cboConnType_ = NewList("cboConnType", connectionNames, optional);
    cboWin_ =
        NewList("cboWin", {QStringLiteral("Core Type"), QStringLiteral("Shell Type")}, optional);
    cboPhase_ = NewList("cboPhase", {QStringLiteral("Three"), QStringLiteral("Single")}, optional);
    AddRow(optionalGrid, 0, QStringLiteral("Tapping in %       \u00B1"), txtTapping_);
    AddRow(optionalGrid, 1, QStringLiteral("Frequency (f) [ Hz ]"), txtFrequency_);
    AddRow(optionalGrid, 2, QStringLiteral("Connection Type"), cboConnType_);
    AddRow(optionalGrid, 3, QStringLiteral("Window Type"), cboWin_)->setEnabled(false);
    AddRow(optionalGrid, 4, QStringLiteral("Phase"), cboPhase_)->setEnabled(false);
    cboWin_->setEnabled(false);
    cboPhase_->setEnabled(false);
    layout->addWidget(optional);

    auto* records = new QGridLayout;
    cboFile_ = NewList("cboFile", {}, this);
    AddRow(records, 0, QStringLiteral("Load Previous Values"), cboFile_);
    records->setContentsMargins(12, 0, 12, 0);
    layout->addLayout(records);
    // One label column width for all three blocks, so that the fields line up.
    for (QGridLayout* grid : {mandatoryGrid, optionalGrid, records}) {
        grid->setColumnMinimumWidth(0, 230);
        grid->setColumnStretch(1, 1);
    }
    connect(cboFile_, &QComboBox::activated, this, &TransformerCalcWindow::LoadSelectedRecord);

    auto* buttons = new QHBoxLayout;
    cmdExit_ = new QPushButton(this);
    cmdExit_->setObjectName(QStringLiteral("cmdExit"));
    cmdExit_->setToolTip(QStringLiteral("Click to exit"));
    cmdExit_->setIcon(QPixmap::fromImage(DrawExitIcon(QSize(28, 28))));
    cmdExit_->setIconSize(QSize(28, 28));
    cmdExit_->setFixedSize(40, 40);
    cmdBack_ = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack_->setObjectName(QStringLiteral("cmdBack"));
    cmdBack_->setToolTip(QStringLiteral("Click to go back"));
    cmdNext_ = new QPushButton(QStringLiteral(" &Next  "), this);
    cmdNext_->setObjectName(QStringLiteral("cmdNext"));
    cmdNext_->setToolTip(
        QStringLiteral("Click to view the transformer in Autocad. Also save the Design Sheet."));
    for (QPushButton* button : {cmdExit_, cmdBack_, cmdNext_}) {
        // Clicks must not take the focus first, so that a pending leave check can veto them.
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
    }
    for (QPushButton* button : {cmdBack_, cmdNext_}) button->setMinimumSize(96, 32);
    for (QComboBox* list : {cboConnType_, cboFile_}) list->installEventFilter(this);
    ui::EnterPressesButton::InstallIn(this);
    buttons->addWidget(cmdExit_);
    buttons->addStretch(1);
    buttons->addWidget(cmdBack_);
    buttons->addWidget(cmdNext_);
    layout->addLayout(buttons);

    connect(cmdExit_, &QPushButton::clicked, this, [this] {
        if (ui::ConfirmExit(boxes_)) emit exitConfirmed();
    });
    connect(cmdBack_, &QPushButton::clicked, this, [this] {
        hide();
        emit backRequested();
    });
    connect(cmdNext_, &QPushButton::clicked, this, &TransformerCalcWindow::Next);
    connect(txtPrmVolt_, &QLineEdit::textChanged, this,
            [this](const QString& text) { MakeDefault(text.isEmpty() ? cmdExit_ : cmdNext_); });
    setFixedWidth(540);
}

void TransformerCalcWindow::SetTabOrder() {
    QWidget* const order[] = {txtPrmVolt_,   txtKVARating_, txtSecondVolt_, txtTapping_,
                              txtFrequency_, cboConnType_,  cmdBack_,       cmdNext_,
                              cmdExit_,      cboFile_,      cboWin_,        cboPhase_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

RatingTexts TransformerCalcWindow::CurrentTexts() const {
    return {Utf8(txtKVARating_->text()),       Utf8(txtPrmVolt_->text()),
            Utf8(txtSecondVolt_->text()),      Utf8(txtFrequency_->text()),
            Utf8(cboConnType_->currentText()), Utf8(txtTapping_->text())};
}

void TransformerCalcWindow::MakeDefault(QPushButton* button) {
    if (defaultButton_ != nullptr) defaultButton_->setDefault(false);
    defaultButton_ = button;
    defaultButton_->setDefault(true);
}

void TransformerCalcWindow::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        defaultButton_ != nullptr) {
        defaultButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TransformerCalcWindow::IsMandatoryBox(const QObject* object) const {
    return object == txtKVARating_ || object == txtPrmVolt_ || object == txtSecondVolt_;
}

bool TransformerCalcWindow::PassesLeaveCheck(QLineEdit* box) {
    const QString text = box->text();
    if (text.trimmed().isEmpty() || IsNumericText(Utf8(text))) return true;
    checking_ = true;
    boxes_.Show(QStringLiteral("Enter numerical value!"), ui::MessageIcon::Exclamation,
                ui::MessageButtons::Ok, appTitle_);
    box->clear();
    checking_ = false;
    return false;
}

bool TransformerCalcWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool pressed =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Shortcut;
    if (pressed && !IsMandatoryBox(watched)) {
        // A click or mnemonic elsewhere leaves the focused box: it must pass its check, else the
        // press is lost.
        auto* focused = qobject_cast<QLineEdit*>(focusWidget());
        if (focused != nullptr && IsMandatoryBox(focused) && !PassesLeaveCheck(focused))
            return true;
    }
    if (event->type() == QEvent::FocusOut && IsMandatoryBox(watched) && !checking_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool leftByUser = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                                reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
        auto* box = static_cast<QLineEdit*>(watched);
        if (leftByUser && isVisible() && !PassesLeaveCheck(box)) {
            // The focus is still moving away; take it back once the move is complete.
            QTimer::singleShot(0, box, [box] { box->setFocus(Qt::OtherFocusReason); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TransformerCalcWindow::Warn(const QString& text) {
    boxes_.Show(text, ui::MessageIcon::Exclamation, ui::MessageButtons::Ok, appTitle_);
}

void TransformerCalcWindow::Next() {
    // Enter presses Next without leaving the box, so the leave check has not run yet.
    for (QLineEdit* box : {txtKVARating_, txtPrmVolt_, txtSecondVolt_}) {
        if (!PassesLeaveCheck(box)) {
            box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    record_.engineError = false;
    record_.tableFound = false;
    for (QLineEdit* box :
         {txtKVARating_, txtFrequency_, txtPrmVolt_, txtSecondVolt_, txtTapping_}) {
        if (box->text().trimmed().isEmpty()) {
            box->setFocus(Qt::OtherFocusReason);
            Warn(kPleaseEnterValidData);
            return;
        }
    }
    if (cboConnType_->currentIndex() < 0) {
        Warn(QStringLiteral("Please select the Connection Type."));
        cboConnType_->setCurrentIndex(0);
        cboConnType_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const auto inputs = ReadRatingTexts(CurrentTexts());
    if (!inputs.ok()) {
        RefuseText(inputs.error().field);
        return;
    }

    DesignResult result = DesignTransformer(inputs.value(), table_);
    if (!result.ok()) {
        boxes_.Show(FromUtf8(result.error().message), ui::MessageIcon::Critical,
                    ui::MessageButtons::Ok, appTitle_);
        record_.engineError = true;
        Warn(kPleaseEnterValidData);
        return;
    }
    record_ = std::move(result).value();
    if (IsDesignInconsistent(record_))
        boxes_.Show(InconsistentDesignWarning(), ui::MessageIcon::Information,
                    ui::MessageButtons::Ok, appTitle_);
    emit designReady();
    hide();
}

void TransformerCalcWindow::RefuseText(RatingField field) {
    QWidget* const fields[] = {txtKVARating_, txtPrmVolt_,  txtSecondVolt_,
                               txtFrequency_, cboConnType_, txtTapping_};
    fields[static_cast<std::size_t>(field)]->setFocus(Qt::OtherFocusReason);
    // The checks before have let through only what the engine's 16 bits cannot hold, or a tab or
    // line feed that would break the sheet's lines and columns.
    if (field == RatingField::Frequency) {
        Warn(
            QStringLiteral("The frequency is out of range: enter a whole number of hertz "
                           "from -32768 to 32767."));
    } else if (field == RatingField::Tapping) {
        Warn(
            QStringLiteral("The tapping is out of range: enter a whole number of percent "
                           "from -32768 to 32767."));
    } else {
        Warn(kPleaseEnterValidData);
    }
}

void TransformerCalcWindow::RefillRecordList() {
    cboFile_->clear();
    FillRecordList();
}

void TransformerCalcWindow::FillRecordList() {
    const ParamList list = store_.FillParamList();
    if (list.ok() && list->empty() && !emptyStoreNoticed_) {
        emptyStoreNoticed_ = true;
        boxes_.Show(QStringLiteral("No ratings have been saved yet."), ui::MessageIcon::Information,
                    ui::MessageButtons::Ok, appTitle_);
    }
    for (const std::string& name : list.ok() ? list.value() : list.error().namesSoFar)
        cboFile_->addItem(FromUtf8(name));
    // A store that failed while listing is no source to load from: the fields stay as typed.
    if (!list.ok() || cboFile_->count() == 0) {
        cboFile_->setCurrentIndex(-1);
        return;
    }
    cboFile_->setCurrentIndex(0);
    LoadSelectedRecord();
}

void TransformerCalcWindow::LoadSelectedRecord() {
    if (cboFile_->currentIndex() < 0) return;
    const QString name = cboFile_->currentText();
    const ParamRecordStore::Loaded loaded = store_.LoadParamRecord(Utf8(name));
    if (!loaded.ok()) {
        Warn(QStringLiteral("The values stored as \"%1\" could not be loaded.\r\n%2")
                 .arg(name, FromUtf8(loaded.error().description)));
        return;
    }
    if (!loaded.value()) {
        Warn(QStringLiteral("No values are stored as \"%1\".").arg(name));
        return;
    }
    // The store has checked the record: every text is present and Conn_Type is a list index.
    const ParamRecord& stored = **loaded;
    txtPrmVolt_->setText(FromUtf8(stored.prmVolt));
    txtKVARating_->setText(FromUtf8(stored.kvaRate));
    txtSecondVolt_->setText(FromUtf8(stored.seconVolt));
    txtFrequency_->setText(FromUtf8(stored.frequency));
    cboConnType_->setCurrentIndex(static_cast<int>(stored.connection));
}

void TransformerCalcWindow::closeEvent(QCloseEvent* event) {
    if (!ui::ConfirmExit(boxes_)) {
        event->ignore();
        return;
    }
    event->accept();
    emit closedToOptions();
}

}  // namespace kestrava
