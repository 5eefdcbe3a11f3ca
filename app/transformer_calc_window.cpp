#include "app/transformer_calc_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "engine/design_transformer.h"
#include "engine/number_text.h"
#include "engine/rating_texts.h"
#include "records/param_record_store.h"
#include "ui/exit_question.h"
#include "ui/message_boxes.h"
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
    connectionList_->setCurrentIndex(0);
    windowTypeList_->setCurrentIndex(0);
    phaseList_->setCurrentIndex(0);
    defaultButton_.Make(exitButton_);
    primaryVoltageBox_->setFocus(Qt::OtherFocusReason);
    ui::CenterOnScreen(this);
    FillRecordList();
}

RatingTexts TransformerCalcWindow::CurrentTexts() const {
    return {Utf8(kvaBox_->text()),
            Utf8(primaryVoltageBox_->text()),
            Utf8(secondaryVoltageBox_->text()),
            Utf8(frequencyBox_->text()),
            Utf8(connectionList_->currentText()),
            Utf8(tappingBox_->text())};
}

void TransformerCalcWindow::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        defaultButton_.Press()) {
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TransformerCalcWindow::IsMandatoryBox(const QObject* object) const {
    return object == kvaBox_ || object == primaryVoltageBox_ || object == secondaryVoltageBox_;
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
    for (QLineEdit* box : {kvaBox_, primaryVoltageBox_, secondaryVoltageBox_}) {
        if (!PassesLeaveCheck(box)) {
            box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    record_.engineError = false;
    record_.tableFound = false;
    for (QLineEdit* box :
         {kvaBox_, frequencyBox_, primaryVoltageBox_, secondaryVoltageBox_, tappingBox_}) {
        if (box->text().trimmed().isEmpty()) {
            box->setFocus(Qt::OtherFocusReason);
            Warn(kPleaseEnterValidData);
            return;
        }
    }
    if (connectionList_->currentIndex() < 0) {
        Warn(QStringLiteral("Please select the Connection Type."));
        connectionList_->setCurrentIndex(0);
        connectionList_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const auto inputs = ReadRatingTexts(CurrentTexts());
    if (!inputs.has_value()) {
        RefuseText(inputs.error().field);
        return;
    }

    DesignResult result = DesignTransformer(inputs.value(), table_);
    if (!result.has_value()) {
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
    QWidget* const fields[] = {kvaBox_,       primaryVoltageBox_, secondaryVoltageBox_,
                               frequencyBox_, connectionList_,    tappingBox_};
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
    recordList_->clear();
    FillRecordList();
}

void TransformerCalcWindow::FillRecordList() {
    const ParamList list = store_.FillParamList();
    if (list.has_value() && list->empty() && !emptyStoreNoticed_) {
        emptyStoreNoticed_ = true;
        boxes_.Show(QStringLiteral("No ratings have been saved yet."), ui::MessageIcon::Information,
                    ui::MessageButtons::Ok, appTitle_);
    }
    for (const std::string& name : list.has_value() ? list.value() : list.error().namesSoFar)
        recordList_->addItem(FromUtf8(name));
    // A store that failed while listing is no source to load from: the fields stay as typed.
    if (!list.has_value() || recordList_->count() == 0) {
        recordList_->setCurrentIndex(-1);
        return;
    }
    recordList_->setCurrentIndex(0);
    LoadSelectedRecord();
}

void TransformerCalcWindow::LoadSelectedRecord() {
    if (recordList_->currentIndex() < 0) return;
    const QString name = recordList_->currentText();
    const ParamRecordStore::Loaded loaded = store_.LoadParamRecord(Utf8(name));
    if (!loaded.has_value()) {
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
    primaryVoltageBox_->setText(FromUtf8(stored.prmVolt));
    kvaBox_->setText(FromUtf8(stored.kvaRate));
    secondaryVoltageBox_->setText(FromUtf8(stored.seconVolt));
    frequencyBox_->setText(FromUtf8(stored.frequency));
    connectionList_->setCurrentIndex(static_cast<int>(stored.connection));
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
